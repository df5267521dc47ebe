// SPDX-License-Identifier: GPL-3.0-or-later
// A number in a JSON file may be anything a double holds; only exact whole numbers in range pass.
#include "game/stored_values.h"

#include <QString>

namespace game::stored {

namespace {

constexpr qsizetype maxTextLength = 4096;

} // namespace

bool wholeInRange(const QJsonValue &value, double low, double high)
{
    if (!value.isDouble())
        return false;
    const double number = value.toDouble();
    return number >= low && number <= high && number == double(qint64(number));
}

bool shortText(const QJsonValue &value, bool mayBeEmpty)
{
    return value.isString() && value.toString().size() <= maxTextLength &&
           (mayBeEmpty || !value.toString().isEmpty());
}

} // namespace game::stored
