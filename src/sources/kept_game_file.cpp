// SPDX-License-Identifier: GPL-3.0-or-later
// The kept game on disk, written atomically like the records: a crash mid-write leaves the
// game kept before.
#include "sources/kept_game_file.h"

#include "sources/data_file.h"
#include "sources/picture_download.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace sources {

namespace {

// A 15 x 15 game with a long history fits many times over; a larger file is not ours.
constexpr qint64 maxKeptGameSize = 4 * 1024 * 1024;

bool writeWhole(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

} // namespace

QString keptGamePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/kept-game.json");
}

QString keptPicturePath(const QString &gamePath)
{
    return QFileInfo(gamePath).absolutePath() + QStringLiteral("/kept-picture");
}

KeptGameRead loadKeptGame(const QString &path)
{
    using Outcome = KeptGameRead::Outcome;
    const DataFile file = readDataFile(path, maxKeptGameSize);
    switch (file.outcome) {
    case DataFile::Outcome::Missing:
        return {};
    case DataFile::Outcome::Refused:
        return {Outcome::Refused, std::nullopt};
    case DataFile::Outcome::Read:
        break;
    }
    std::optional<game::KeptGame> kept = game::KeptGame::fromJson(file.bytes);
    return {kept ? Outcome::Read : Outcome::Refused, std::move(kept)};
}

bool saveKeptGame(const QString &path, const game::KeptGame &kept)
{
    return writeWhole(path, kept.toJson());
}

bool setKeptGameAside(const QString &path)
{
    const QString aside = path + QStringLiteral(".unreadable");
    QFile::remove(aside);
    return QFile::rename(path, aside);
}

void forgetKeptGame(const QString &path)
{
    if (QFileInfo(path).isFile())
        QFile::remove(path);
    if (QFileInfo(keptPicturePath(path)).isFile())
        QFile::remove(keptPicturePath(path));
}

bool saveKeptPicture(const QString &path, const QByteArray &bytes)
{
    return writeWhole(path, bytes);
}

std::optional<QByteArray> loadKeptPicture(const QString &path)
{
    DataFile file = readDataFile(path, PictureDownload::maxBodyBytes);
    if (file.outcome != DataFile::Outcome::Read)
        return std::nullopt;
    return std::move(file.bytes);
}

QString bytesIdentity(const QByteArray &bytes)
{
    return QStringLiteral("sha256:") +
           QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

} // namespace sources
