// SPDX-License-Identifier: GPL-3.0-or-later
// The darkened copy of the picture from which dimmed tiles and the gap are drawn.
#pragma once

#include <QImage>

#include <array>
#include <cstdint>

namespace game {

// The value limited to 0 to 255.
int clampByte(int value);

// Darkens runs of 32-bit RGB pixels by one amount, each pixel as darkenBitmap does it.
class Darkener
{
  public:
    explicit Darkener(int amount);
    // in and out may be the same pixels.
    void operator()(const QRgb *in, QRgb *out, int count) const;

  private:
    int m_amount;
    bool m_fast;
    std::array<std::uint8_t, 256> m_table{};
};

// Scales every colour channel down: v := clampByte(v - v * amount / 255), in 32-bit RGB.
void darkenBitmap(QImage &bitmap, int amount);

// Makes target a darkened copy of the picture, reusing target's memory when it fits and
// nobody else shares it: a fresh picture of this size costs more than the darkening itself.
void darkenedCopy(const QImage &picture, int amount, QImage &target);

// Rebuilds the dim source from the solution picture: darkened when dimming of selected
// tiles is on, an unchanged copy otherwise.
void Effect_Darkness(const QImage &solution, int amount, bool dimSelected, QImage &dimSource);

} // namespace game
