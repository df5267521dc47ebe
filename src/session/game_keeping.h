// SPDX-License-Identifier: GPL-3.0-or-later
// The game in progress kept in the user's data folder: where its picture came from, writing
// it when it changed, forgetting a completed one, and finding a kept one to resume.
#pragma once

#include "game/kept_game.h"

#include <QByteArray>
#include <QString>

#include <optional>

class GameKeeping
{
  public:
    explicit GameKeeping(QString path);

    // Where the picture now played came from; a downloaded one's bytes go beside the game.
    void pictureOpened(game::KeptGame::Source source, const QString &path,
                       const QByteArray &downloaded = {});

    // Writes the game, its source filled in here, when its text changed since the last write.
    void keep(game::KeptGame kept);
    // A completed game is not kept: when it was, it is forgotten.
    void completed();
    // A kept game's file is there to resume.
    bool anyKept() const;

    struct Found
    {
        std::optional<game::KeptGame> game; // set when its picture is the one it was played on
        QByteArray downloaded;
        QString message; // what the player is told when there is no game to resume
    };
    Found find();
    // The resumed game is this game now: its picture is known, and it replaces what is kept.
    void resumed(const QString &hash) { m_hash = hash; }
    // The content hash of the picture now played, worked out once per picture; empty for
    // the start-up picture or a file that cannot be read.
    QString pictureHash();

  private:
    QString m_path; // the kept game's file
    game::KeptGame::Source m_source = game::KeptGame::Source::StartUp;
    QString m_picturePath;
    QByteArray m_downloaded;
    QString m_hash;
    QByteArray m_lastWritten; // the kept game's text as last written by this game
};
