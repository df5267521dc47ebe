// Darkening: per-channel integer scaling, written so the compiler can vectorise the rows.
#include "game/darkness.h"

#include <array>
#include <cstdint>

namespace game {

int clampByte(int value)
{
    return value > 255 ? 255 : (value < 0 ? 0 : value);
}

namespace {

// amount from 0 to 255: v * amount fits 16 bits, and for x below 65535
// x / 255 == (x + 1 + (x >> 8)) >> 8, which vectorises where a division does not.
void darkenRowFast(std::uint8_t *bytes, int count, std::uint16_t amount)
{
    for (int i = 0; i < count; ++i) {
        const std::uint16_t product = std::uint16_t(bytes[i] * amount);
        bytes[i] = std::uint8_t(bytes[i] - ((product + 1 + (product >> 8)) >> 8));
    }
}

void darkenRowTable(std::uint8_t *bytes, int count, const std::array<std::uint8_t, 256> &table)
{
    for (int i = 0; i < count; ++i)
        bytes[i] = table[bytes[i]];
}

// The byte loops darken the padding byte of each pixel too; 32-bit RGB keeps it at 0xff.
void makeOpaque(QRgb *pixels, int count)
{
    for (int i = 0; i < count; ++i)
        pixels[i] |= 0xff000000u;
}

} // namespace

void darkenBitmap(QImage &bitmap, int amount, const RowBreak &betweenRows)
{
    if (bitmap.format() != QImage::Format_RGB32)
        bitmap = bitmap.convertToFormat(QImage::Format_RGB32);
    const bool fast = amount >= 0 && amount <= 255;
    std::array<std::uint8_t, 256> table{};
    if (!fast) {
        for (int v = 0; v < 256; ++v)
            table[std::size_t(v)] = std::uint8_t(clampByte(v - v * amount / 255));
    }

    const int width = bitmap.width();
    for (int y = 0; y < bitmap.height(); ++y) {
        if (betweenRows)
            betweenRows();
        auto *line = reinterpret_cast<QRgb *>(bitmap.scanLine(y));
        auto *bytes = reinterpret_cast<std::uint8_t *>(line);
        if (fast)
            darkenRowFast(bytes, width * 4, std::uint16_t(amount));
        else
            darkenRowTable(bytes, width * 4, table);
        makeOpaque(line, width);
    }
}

void Effect_Darkness(QImage &dimSource, int amount, bool dimSelected, const RowBreak &betweenRows)
{
    QImage work = dimSource.convertToFormat(QImage::Format_RGB32);
    if (dimSelected)
        darkenBitmap(work, amount, betweenRows);
    dimSource = work;
}

} // namespace game
