// SPDX-License-Identifier: GPL-3.0-or-later
// The EXIF Orientation reader on hand-built blocks, and turning pictures upright.
#include "sources/exif_orientation.h"

#include <gtest/gtest.h>

#include <QtEndian>

#include <functional>

using namespace sources;

namespace {

struct Entry
{
    quint16 tag, type;
    quint32 count, value; // a SHORT value sits in the first two bytes of the field
};

constexpr quint16 orientationTag = 0x0112;
constexpr Entry imageWidth{0x0100, 4, 1, 640};

// An APP1 payload: "Exif\0\0", the TIFF header, IFD0 at ifdOffset (right after the header by
// default), its entries and the next-IFD pointer.
QByteArray exifBlock(bool bigEndian, std::vector<Entry> entries, quint32 ifdOffset = 8,
                     quint32 nextIfd = 0)
{
    QByteArray tiff = bigEndian ? "MM" : "II";
    auto put = [&](auto v) {
        const auto big = qToBigEndian(v), little = qToLittleEndian(v);
        tiff.append(reinterpret_cast<const char *>(bigEndian ? &big : &little), sizeof v);
    };
    put(quint16(42));
    put(ifdOffset);
    put(quint16(entries.size()));
    for (const Entry &e : entries) {
        put(e.tag);
        put(e.type);
        put(e.count);
        if (e.type == 3) {
            put(quint16(e.value));
            put(quint16(0));
        } else {
            put(e.value);
        }
    }
    put(nextIfd);
    return QByteArray("Exif\0\0", 6) + tiff;
}

QByteArray orientationBlock(bool bigEndian, quint32 value)
{
    return exifBlock(bigEndian, {imageWidth, {orientationTag, 3, 1, value}});
}

} // namespace

TEST(ExifOrientation, ReadsTheTagInBothByteOrders)
{
    for (bool bigEndian : {false, true}) {
        for (quint32 value = 1; value <= 8; ++value)
            EXPECT_EQ(exifOrientation(orientationBlock(bigEndian, value)), int(value));
    }
}

TEST(ExifOrientation, MalformedBlocksReadAsNormal)
{
    const QByteArray good = orientationBlock(false, 6);
    auto patched = [&](qsizetype at, QByteArray bytes) {
        return QByteArray(good).replace(at, bytes.size(), bytes);
    };
    auto withEntryCount = [](QByteArray block, quint16 count) {
        qToLittleEndian(count, block.data() + 14);
        return block;
    };
    const Entry six{orientationTag, 3, 1, 6};
    const Entry sixAsLong{orientationTag, 4, 1, 6};
    const std::pair<const char *, QByteArray> cases[] = {
        {"empty", QByteArray()},
        {"signature only", QByteArray("Exif\0\0", 6)},
        {"no signature", good.mid(6)},
        {"XMP, not EXIF", QByteArray("http://ns.adobe.com/xap/1.0/\0<x:xmpmeta/>", 41)},
        {"bad byte order", patched(6, "IM")},
        {"bad magic", patched(8, "+")},
        {"IFD0 at 0", exifBlock(false, {six}, 0)},
        {"IFD0 inside the header", exifBlock(false, {six}, 4)},
        {"IFD0 past the end", exifBlock(false, {six}, 4000)},
        {"IFD0 offset wraps", exifBlock(false, {six}, 0xffffffffu)},
        {"entry count past the end", withEntryCount(exifBlock(false, {imageWidth}), 0xffff)},
        {"entry cut short", good.left(good.size() - 8)},
        {"stored as LONG", exifBlock(false, {sixAsLong})},
        {"count 0", exifBlock(false, {{orientationTag, 3, 0, 6}})},
        {"value 0", orientationBlock(false, 0)},
        {"value 9", orientationBlock(true, 9)},
        {"value 0xffff", orientationBlock(true, 0xffff)},
        // A chain back to IFD0 would loop a reader that follows it; IFD1 is the thumbnail's.
        {"next IFD loops", exifBlock(false, {imageWidth}, 8, 8)},
        {"tag only in IFD1",
         exifBlock(false, {imageWidth}, 8, 26) + exifBlock(false, {six}).mid(14)},
    };
    for (const auto &[name, payload] : cases)
        EXPECT_EQ(exifOrientation(payload), 1) << name;
    // Even with the count past the end, an entry that is there is found.
    EXPECT_EQ(exifOrientation(withEntryCount(good, 0xffff)), 6);
}

TEST(ExifOrientation, EveryTruncationIsSafe)
{
    for (bool bigEndian : {false, true}) {
        const QByteArray full = orientationBlock(bigEndian, 8);
        const qsizetype entryEnd = full.size() - 4;
        for (qsizetype length = 0; length <= full.size(); ++length)
            EXPECT_EQ(exifOrientation(QByteArrayView(full).first(length)),
                      length >= entryEnd ? 8 : 1);
    }
}

TEST(ExifOrientation, AppliesEachOrientationAsDefined)
{
    const int w = 3, h = 2;
    QImage stored(w, h, QImage::Format_RGB32);
    for (int i = 0; i < w * h; ++i)
        stored.setPixel(i % w, i / w, qRgb(10 * i, 0, 0));
    // The stored pixel each shown (x, y) comes from, by where EXIF puts row 0 and column 0.
    const std::function<QPoint(int, int)> from[9] = {
        {},
        [](int x, int y) { return QPoint(x, y); },
        [](int x, int y) { return QPoint(w - 1 - x, y); },
        [](int x, int y) { return QPoint(w - 1 - x, h - 1 - y); },
        [](int x, int y) { return QPoint(x, h - 1 - y); },
        [](int x, int y) { return QPoint(y, x); },
        [](int x, int y) { return QPoint(y, h - 1 - x); },
        [](int x, int y) { return QPoint(w - 1 - y, h - 1 - x); },
        [](int x, int y) { return QPoint(w - 1 - y, x); },
    };
    for (int o = 1; o <= 8; ++o) {
        const QImage shown = applyExifOrientation(stored, o);
        ASSERT_EQ(shown.size(), o >= 5 ? QSize(h, w) : QSize(w, h)) << o;
        EXPECT_EQ(shown.format(), QImage::Format_RGB32) << o;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x)
                EXPECT_EQ(shown.pixel(x, y), stored.pixel(from[o](x, y)))
                    << o << ": " << x << "," << y;
        }
    }
    for (int o : {0, -1, 9})
        EXPECT_EQ(applyExifOrientation(stored, o), stored) << o;
}
