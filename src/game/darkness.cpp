// SPDX-License-Identifier: GPL-3.0-or-later
// Darkening: per-channel integer scaling, written so the compiler can vectorise the rows.
#include "game/darkness.h"

#include <array>
#include <cstdint>
#include <utility>

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
__attribute__((target_clones("avx2", "default"))) void
darkenRowFast(const QRgb *in, QRgb *out, int count, std::uint16_t amount)
{
    const auto *from = reinterpret_cast<const std::uint8_t *>(in);
    auto *to = reinterpret_cast<std::uint8_t *>(out);
    for (int i = 0; i < count * 4; ++i) {
        const std::uint16_t product = std::uint16_t(from[i] * amount);
        to[i] = std::uint8_t(from[i] - ((product + 1 + (product >> 8)) >> 8));
    }
    for (int i = 0; i < count; ++i)
        out[i] |= 0xff000000u;
}

// Any other amount: a table of the clamped formula.
void darkenRowTable(const QRgb *in, QRgb *out, int count,
                    const std::array<std::uint8_t, 256> &table)
{
    for (int i = 0; i < count; ++i) {
        const QRgb p = in[i];
        out[i] = qRgb(table[qRed(p)], table[qGreen(p)], table[qBlue(p)]);
    }
}

// Darkens source into target row by row; the two may be the same picture.
void darken(const QImage &source, QImage &target, int amount)
{
    const Darkener darkener(amount);
    const int width = source.width();
    const qsizetype inStride = source.bytesPerLine();
    const qsizetype outStride = target.bytesPerLine();
    const uchar *inBits = source.constBits();
    uchar *outBits = target.bits();
    for (int y = 0; y < source.height(); ++y)
        darkener(reinterpret_cast<const QRgb *>(inBits + y * inStride),
                 reinterpret_cast<QRgb *>(outBits + y * outStride), width);
}

} // namespace

Darkener::Darkener(int amount) : m_amount(amount), m_fast(amount >= 0 && amount <= 255)
{
    if (!m_fast)
        for (int v = 0; v < 256; ++v)
            m_table[std::size_t(v)] = std::uint8_t(clampByte(v - v * amount / 255));
}

void Darkener::operator()(const QRgb *in, QRgb *out, int count) const
{
    if (m_fast)
        darkenRowFast(in, out, count, std::uint16_t(m_amount));
    else
        darkenRowTable(in, out, count, m_table);
}

void darkenBitmap(QImage &bitmap, int amount)
{
    if (bitmap.format() != QImage::Format_RGB32)
        bitmap = bitmap.convertToFormat(QImage::Format_RGB32);
    bitmap.detach();
    darken(bitmap, bitmap, amount);
}

void darkenedCopy(const QImage &picture, int amount, QImage &target)
{
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    if (target.size() != source.size() || target.format() != QImage::Format_RGB32 ||
        !target.isDetached())
        target = QImage(source.size(), QImage::Format_RGB32);
    darken(source, target, amount);
}

void Effect_Darkness(const QImage &solution, int amount, bool dimSelected, QImage &dimSource)
{
    if (!dimSelected) {
        dimSource = solution.convertToFormat(QImage::Format_RGB32);
        return;
    }
    // The old dim source lends its memory to the new one, which takes its place only
    // once it is complete.
    QImage work = std::exchange(dimSource, QImage());
    darkenedCopy(solution, amount, work);
    dimSource = std::move(work);
}

} // namespace game
