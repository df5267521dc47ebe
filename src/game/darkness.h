// SPDX-License-Identifier: GPL-3.0-or-later
// The darkened copy of the picture from which dimmed tiles and the gap are drawn.
#pragma once

#include <QImage>
#include <functional>

namespace game {

// The value limited to 0 to 255.
int clampByte(int value);

// Called between rows of a long darkening, so the window can stay responsive.
using RowBreak = std::function<void()>;

// Scales every colour channel down: v := clampByte(v - v * amount / 255), in 32-bit RGB.
void darkenBitmap(QImage &bitmap, int amount, const RowBreak &betweenRows = {});

// Makes target a darkened copy of the picture, reusing target's memory when it fits and
// nobody else shares it: a fresh picture of this size costs more than the darkening itself.
void darkenedCopy(const QImage &picture, int amount, QImage &target,
                  const RowBreak &betweenRows = {});

// Rebuilds the dim source from the solution picture: darkened when dimming of selected
// tiles is on, an unchanged copy otherwise.
void Effect_Darkness(const QImage &solution, int amount, bool dimSelected, QImage &dimSource,
                     const RowBreak &betweenRows = {});

} // namespace game
