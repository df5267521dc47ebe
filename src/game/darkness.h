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

// Rebuilds the dim source from its current content: darkened when dimming of selected tiles
// is on, an unchanged copy otherwise. The dim source is replaced only once the work is done.
void Effect_Darkness(QImage &dimSource, int amount, bool dimSelected,
                     const RowBreak &betweenRows = {});

} // namespace game
