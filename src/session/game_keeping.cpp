// SPDX-License-Identifier: GPL-3.0-or-later
// The same text is never written twice, and a picture that cannot be known again is not kept,
// as it could not be resumed.
#include "session/game_keeping.h"

#include "sources/kept_game_file.h"
#include "sources/records_file.h"

#include <QCoreApplication>
#include <QFileInfo>

GameKeeping::GameKeeping(QString path) : m_path(std::move(path)) {}

void GameKeeping::pictureOpened(game::KeptGame::Source source, const QString &path,
                                const QByteArray &downloaded)
{
    m_source = source;
    m_picturePath = path;
    m_downloaded = downloaded;
    m_hash.clear();
    m_lastWritten.clear();
}

QString GameKeeping::pictureHash()
{
    if (!m_hash.isEmpty())
        return m_hash;
    switch (m_source) {
    case game::KeptGame::Source::StartUp:
        break;
    case game::KeptGame::Source::File:
    case game::KeptGame::Source::Video:
        m_hash = sources::pictureFileIdentity(m_picturePath);
        break;
    case game::KeptGame::Source::Download:
        m_hash = sources::bytesIdentity(m_downloaded);
        break;
    }
    return m_hash;
}

void GameKeeping::keep(game::KeptGame kept)
{
    if (m_path.isEmpty())
        return;
    kept.source = m_source;
    kept.path = m_picturePath;
    kept.hash = pictureHash();
    if (m_source != game::KeptGame::Source::StartUp && kept.hash.isEmpty())
        return;
    // A downloaded picture's bytes go beside the game once, with its first keeping.
    if (m_source == game::KeptGame::Source::Download && m_lastWritten.isEmpty() &&
        !sources::saveKeptPicture(sources::keptPicturePath(m_path), m_downloaded))
        return;
    const QByteArray text = kept.toJson();
    if (text == m_lastWritten)
        return;
    // An unwritable data folder only means nothing is kept.
    if (sources::saveKeptGame(m_path, kept))
        m_lastWritten = text;
}

void GameKeeping::completed()
{
    if (m_lastWritten.isEmpty())
        return;
    sources::forgetKeptGame(m_path);
    m_lastWritten.clear();
}

bool GameKeeping::anyKept() const
{
    return !m_path.isEmpty() && QFileInfo::exists(m_path);
}

GameKeeping::Found GameKeeping::find()
{
    const sources::KeptGameRead read = sources::loadKeptGame(m_path);
    if (read.outcome == sources::KeptGameRead::Outcome::None)
        return {std::nullopt, {}, QCoreApplication::translate("GameKeeper", "No game is kept.")};
    if (read.outcome == sources::KeptGameRead::Outcome::Refused) {
        sources::setKeptGameAside(m_path);
        return {std::nullopt,
                {},
                //: %1 is a file name
                QCoreApplication::translate(
                    "GameKeeper",
                    "The kept game could not be read: it was damaged, or written by another "
                    "version of Pindrel. It has been set aside as %1.")
                    .arg(QFileInfo(m_path).fileName() + QStringLiteral(".unreadable"))};
    }
    const game::KeptGame &kept = *read.game;
    QByteArray downloaded;
    QString found;
    switch (kept.source) {
    case game::KeptGame::Source::StartUp:
        found = kept.hash;
        break;
    case game::KeptGame::Source::File:
    case game::KeptGame::Source::Video:
        found = sources::pictureFileIdentity(kept.path);
        break;
    case game::KeptGame::Source::Download:
        downloaded =
            sources::loadKeptPicture(sources::keptPicturePath(m_path)).value_or(QByteArray());
        found = downloaded.isEmpty() ? QString() : sources::bytesIdentity(downloaded);
        break;
    }
    // The game stays kept: the picture may come back.
    if (found != kept.hash)
        return {std::nullopt,
                {},
                QCoreApplication::translate("GameKeeper",
                                            "The picture of the kept game is gone or has "
                                            "changed:\n%1")
                    .arg(kept.path)};
    return {kept, downloaded, {}};
}
