// SPDX-License-Identifier: GPL-3.0-or-later
// Records kept on disk: saved and read back, unreadable files set aside, picture identities.
#include "sources/records_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

game::RecordBook oneRecord(int moves)
{
    game::RecordBook book;
    book.offer({QStringLiteral("sha256:aa"), 4, 4, 2}, QStringLiteral("a.jpg"), 61000, moves,
               QDateTime::currentDateTimeUtc());
    return book;
}

} // namespace

TEST(RecordsFileTest, RecordsAreSavedAndReadBackAndUnreadableFilesAreSetAside)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data/records.json"));
    const struct
    {
        const char *what;
        QByteArray before; // the file's content before the save; null for no file
        bool setAside;     // the old file is kept as records.json.unreadable
    } cases[] = {
        {"no file yet, no folder", QByteArray(), false},
        {"our own records", oneRecord(80).toJson(), false},
        {"truncated", oneRecord(80).toJson().left(40), true},
        {"someone else's json", R"({"format":"other","records":[]})", true},
        {"binary junk", QByteArray("\x00\xff\x13garbage", 10), true},
    };
    for (const auto &c : cases) {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        if (!c.before.isNull()) {
            QDir().mkpath(dir.filePath(QStringLiteral("data")));
            writeFile(path, c.before);
        }
        // A file that is not ours reads as no records.
        EXPECT_EQ(sources::loadRecords(path).empty(), c.before.isNull() || c.setAside) << c.what;

        ASSERT_TRUE(sources::saveRecords(path, oneRecord(50))) << c.what;
        const std::vector<game::Record> read = sources::loadRecords(path).newestFirst();
        ASSERT_EQ(read.size(), 1u) << c.what;
        EXPECT_EQ(read[0].fewestMoves, 50);
        EXPECT_EQ(read[0].bestMilliseconds, 61000);
        EXPECT_EQ(read[0].name, QStringLiteral("a.jpg"));
        EXPECT_EQ(readFile(path + QStringLiteral(".unreadable")),
                  c.setAside ? c.before : QByteArray())
            << c.what;
    }
}

TEST(RecordsFileTest, AnUnwritableFolderOnlyMeansNoRecords)
{
    QTemporaryDir dir;
    // A file stands where the folder would have to be.
    writeFile(dir.filePath(QStringLiteral("blocked")), "x");
    EXPECT_FALSE(
        sources::saveRecords(dir.filePath(QStringLiteral("blocked/records.json")), oneRecord(5)));
    EXPECT_FALSE(sources::saveRecords(QString(), oneRecord(5)));
    EXPECT_TRUE(sources::loadRecords(dir.filePath(QStringLiteral("blocked/records.json"))).empty());
}

TEST(RecordsFileTest, RecordsLiveInTheApplicationDataFolder)
{
    QStandardPaths::setTestModeEnabled(true);
    EXPECT_EQ(sources::recordsPath(),
              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                  QStringLiteral("/records.json"));
    QStandardPaths::setTestModeEnabled(false);
}

TEST(RecordsFileTest, APictureIsKnownByItsContent)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("a.jpg")), "same bytes");
    writeFile(dir.filePath(QStringLiteral("copy of a.jpg")), "same bytes");
    writeFile(dir.filePath(QStringLiteral("b.jpg")), "other bytes");
    const QString a = sources::pictureFileIdentity(dir.filePath(QStringLiteral("a.jpg")));
    // sha256 of "same bytes"
    EXPECT_EQ(a,
              QStringLiteral("sha256:") +
                  QString::fromLatin1(
                      QCryptographicHash::hash("same bytes", QCryptographicHash::Sha256).toHex()));
    EXPECT_EQ(sources::pictureFileIdentity(dir.filePath(QStringLiteral("copy of a.jpg"))), a);
    EXPECT_NE(sources::pictureFileIdentity(dir.filePath(QStringLiteral("b.jpg"))), a);
    EXPECT_EQ(sources::pictureFileIdentity(dir.filePath(QStringLiteral("missing.jpg"))), QString());
    EXPECT_EQ(sources::pictureFileIdentity(dir.path()), QString());
}
