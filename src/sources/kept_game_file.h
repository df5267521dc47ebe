// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game in progress is kept between runs, with the bytes of a downloaded picture.
#pragma once

#include "game/kept_game.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace sources {

// kept-game.json in the user's data folder, beside the records; empty when the platform
// names no such folder. The picture of a downloaded game is kept beside it.
QString keptGamePath();
QString keptPicturePath(const QString &gamePath);

struct KeptGameRead
{
    enum class Outcome
    {
        None,    // nothing kept
        Refused, // something is there, but not a kept game this program can trust
        Read
    };
    Outcome outcome = Outcome::None;
    std::optional<game::KeptGame> game;
};
KeptGameRead loadKeptGame(const QString &path);

// Replaces the kept game as a whole (written beside it, then renamed), creating its folder.
bool saveKeptGame(const QString &path, const game::KeptGame &kept);
// A kept game that cannot be trusted is moved aside to "<name>.unreadable", replacing an
// older one there, so it is neither lost nor read again.
bool setKeptGameAside(const QString &path);
// The game and its picture are gone: a completed game is not kept.
void forgetKeptGame(const QString &path);

// The downloaded picture's bytes, written once per picture; nothing when they are missing,
// too large or no regular file.
bool saveKeptPicture(const QString &path, const QByteArray &bytes);
std::optional<QByteArray> loadKeptPicture(const QString &path);

// "sha256:" and the hex digest of the bytes.
QString bytesIdentity(const QByteArray &bytes);

} // namespace sources
