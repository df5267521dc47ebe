// SPDX-License-Identifier: GPL-3.0-or-later
// Checks every file the game keeps (records, the kept game) makes of the values it reads back.
#pragma once

#include <QJsonValue>

namespace game::stored {

// Beyond any game played: 100 days, a million moves.
constexpr double maxMilliseconds = 100.0 * 24 * 3600 * 1000;
constexpr double maxMoves = 1e6;

// A whole number from low to high.
bool wholeInRange(const QJsonValue &value, double low, double high);
// A string of at most 4096 characters, empty only when allowed.
bool shortText(const QJsonValue &value, bool mayBeEmpty = true);

} // namespace game::stored
