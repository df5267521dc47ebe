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

// For amounts from 0 to 255 a channel times the amount fits 16 bits, and for x below 65535
// x / 255 == (x + 1 + (x >> 8)) >> 8, which vectorises where a division does not. The loop
// runs over all four bytes of each pixel; the padding byte is put back afterwards. Built for
// AVX2 too, picked at load time where the processor has it.
__attribute__((target_clones("avx2", "default"))) void darkenRowFast(QRgb *pixels, int count,
                                                                     std::uint16_t amount)
{
    auto *bytes = reinterpret_cast<std::uint8_t *>(pixels);
    for (int i = 0; i < count * 4; ++i) {
        const std::uint16_t product = std::uint16_t(bytes[i] * amount);
        bytes[i] = std::uint8_t(bytes[i] - ((product + 1 + (product >> 8)) >> 8));
    }
    for (int i = 0; i < count; ++i)
        pixels[i] |= 0xff000000u;
}

// Any other amount: a table of the clamped formula.
void darkenRowTable(QRgb *pixels, int count, const std::array<std::uint8_t, 256> &table)
{
    for (int i = 0; i < count; ++i) {
        const QRgb p = pixels[i];
        pixels[i] = qRgb(table[qRed(p)], table[qGreen(p)], table[qBlue(p)]);
    }
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
        if (fast)
            darkenRowFast(line, width, std::uint16_t(amount));
        else
            darkenRowTable(line, width, table);
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
