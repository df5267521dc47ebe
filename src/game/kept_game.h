// SPDX-License-Identifier: GPL-3.0-or-later
// A game in progress as it is kept between runs, and the checked text form it is kept in.
#pragma once

#include "game/game_state.h"
#include "game/move_history.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace game {

struct KeptGame
{
    enum class Source
    {
        StartUp,  // the picture the game starts with
        File,     // a picture file, known again by its content hash
        Download, // a downloaded picture, whose bytes are kept beside the game
        Video     // a video file, by its content hash, at a frame
    };
    Source source = Source::StartUp;
    QString path; // File and Video: the file; Download: the address it came from
    QString hash; // File and Video: the file's identity; Download: that of the kept bytes
    int videoFrame = 0;

    int rows = 4;
    int cols = 4;
    int gameType = SwapBlocks;
    std::vector<int> blockList;
    int gapCell = -1;
    bool dimSelected = true;
    bool dimIncorrect = false;
    bool grid = false;

    int moves = 0;
    qint64 milliseconds = 0;
    std::vector<Exchange> done;
    std::vector<Exchange> undone;
    bool hintUsed = false;

    QByteArray toJson() const;
    // Nothing when the text is not a kept game of ours, of this version, or anything in it is
    // impossible: a grid out of range, an arrangement that is no permutation of its tiles (or
    // already solved, or an unsolvable slide), a move outside the board, a negative clock.
    static std::optional<KeptGame> fromJson(const QByteArray &text);
};

} // namespace game
