// SPDX-License-Identifier: GPL-3.0-or-later
// The record book on disk. The file is written atomically, so a crash mid-write leaves the
// previous records.
#include "sources/records_file.h"

#include "sources/data_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace sources {

namespace {

// Far more than any player's records; a larger file is not ours.
constexpr qint64 maxRecordsFileSize = 4 * 1024 * 1024;
// A long video is known by the hash of its first 64 MiB and its size: reading it all would
// hold the window up.
constexpr qint64 maxIdentityBytes = 64 * 1024 * 1024;

std::optional<game::RecordBook> readRecords(const QString &path)
{
    const DataFile file = readDataFile(path, maxRecordsFileSize);
    if (file.outcome != DataFile::Outcome::Read)
        return std::nullopt;
    return game::RecordBook::fromJson(file.bytes);
}

} // namespace

QString recordsPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/records.json");
}

game::RecordBook loadRecords(const QString &path)
{
    return readRecords(path).value_or(game::RecordBook());
}

bool saveRecords(const QString &path, const game::RecordBook &book)
{
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    if (QFileInfo(path).isFile() && !readRecords(path)) {
        const QString aside = path + QStringLiteral(".unreadable");
        QFile::remove(aside);
        if (!QFile::rename(path, aside))
            return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(book.toJson());
    return file.commit();
}

QString pictureFileIdentity(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    qint64 left = maxIdentityBytes;
    while (left > 0) {
        const QByteArray chunk = file.read(std::min<qint64>(left, 1 << 20));
        if (chunk.isEmpty())
            break;
        hash.addData(chunk);
        left -= chunk.size();
    }
    if (file.error() != QFileDevice::NoError)
        return {};
    QString identity = QStringLiteral("sha256:") + QString::fromLatin1(hash.result().toHex());
    if (file.size() > maxIdentityBytes)
        identity += QStringLiteral(":") + QString::number(file.size());
    return identity;
}

} // namespace sources
