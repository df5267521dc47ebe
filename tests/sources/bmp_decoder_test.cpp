// SPDX-License-Identifier: GPL-3.0-or-later
// BMP decoding against the shared corpus, Qt's reader and files written here.
#include "sources/bmp_decoder.h"
#include "sources/decode_error.h"
#include "support/corpus.h"
#include "test_pictures.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

using namespace sources;
using namespace sourcestest;

namespace {

// Broken headers and kinds Qt's reader does not support; the rest of the corpus opens,
// the lenient cases (bad RLE, short files) included.
const QStringList refusedFiles = {
    "bad_bitcount_30000.bmp", "bad_header_size_66.bmp",
    "bad_negative_width.bmp", "bad_reallybig_3000000x2000000.bmp",
    "bad_width_int32max.bmp", "q_embedded_jpeg_127x64.bmp",
    "q_os2_rle24_127x64.bmp", "q_os2_v2_16byte_header_127x64.bmp",
    "q_pal2_2bpp_127x64.bmp", "q_rgba32_alphabitfields_127x64.bmp",
    "v3_argb1555_6x6.bmp",
};

constexpr quint32 rle8 = 1;

// A BMP with a 40-byte header, two palette colours for 8 bits (black, white) and `pixels` as
// its pixel data.
QByteArray bmpBytes(qint32 width, qint32 height, quint16 bits, quint32 compression,
                    const QByteArray &pixels)
{
    const QByteArray palette = bits == 8 ? QByteArray("\0\0\0\0\xff\xff\xff\0", 8) : QByteArray();
    QByteArray bytes(54, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    const qint32 offset = qint32(54 + palette.size());
    for (auto [at, value] : {std::pair{2, offset + qint32(pixels.size())},
                             {10, offset},
                             {14, 40},
                             {18, width},
                             {22, height},
                             {30, qint32(compression)},
                             {34, qint32(pixels.size())},
                             {46, qint32(palette.size() / 4)}})
        qToLittleEndian(qint32(value), bytes.data() + at);
    qToLittleEndian(quint16(1), bytes.data() + 26);
    qToLittleEndian(bits, bytes.data() + 28);
    return bytes + palette + pixels;
}

// A 24-bit BMP header followed by only 64 bytes of pixel data.
QByteArray shortBmp(qint32 width, qint32 height)
{
    return bmpBytes(width, height, 24, 0, QByteArray(64, '\x80'));
}

// 8-bit RLE pixel data: white rows coded in runs of 255 pixels or fewer, then the end.
QByteArray whiteRle8Rows(int width, int height)
{
    QByteArray row;
    for (int left = width; left > 0; left -= 255)
        row.append(char(std::min(left, 255))).append('\1');
    row += QByteArray("\0\0", 2); // end of line
    return row.repeated(height) + QByteArray("\0\1", 2);
}

QString writeBmp(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return path;
}

} // namespace

TEST(BmpDecoder, CorpusFilesOpenLikeQtOrAreRefused)
{
    PINDREL_REQUIRE_CORPUS(corpus);
    // The names end in the picture's size, but for the deliberately broken ones.
    const auto sizeInName = [](const QString &name, const QImage &image) {
        EXPECT_TRUE(name.contains(QString("%1x%2").arg(image.width()).arg(image.height())) ||
                    name.startsWith("bad_"))
            << qPrintable(name);
    };
    expectCorpusMatchesQt(
        "bmp", 45, refusedFiles, [](const QString &path) { return decodeBmpFile(path); }, "bmp",
        0.5, sizeInName);
}

TEST(BmpDecoder, SizeLimitsApplyFromTheHeader)
{
    QTemporaryDir dir;
    // Over our limit: refused before Qt reads (or allocates) anything.
    for (QSize size : {QSize(20000, 6000), QSize(40000, 2), QSize(2, -40000), QSize(32767, 3052)}) {
        try {
            decodeBmpFile(writeBmp(dir, "big.bmp", shortBmp(size.width(), size.height())));
            ADD_FAILURE() << size.width() << "x" << size.height() << " was decoded";
        } catch (const DecodeError &error) {
            EXPECT_TRUE(strstr(error.what(), "outside the allowed limits")) << error.what();
        }
    }
    // 67 megapixels is 269 MB as 32-bit pixels: over Qt's default allocation limit, inside ours.
    const QImage large = decodeBmpFile(
        writeBmp(dir, "large.bmp", bmpBytes(8200, 8200, 8, rle8, whiteRle8Rows(8200, 8200))));
    EXPECT_EQ(large.size(), QSize(8200, 8200));
    EXPECT_EQ(large.pixel(8199, 0), qRgb(255, 255, 255));
}

TEST(BmpDecoder, DeclaredSizesTheFileIsFarTooShortForAreRefusedBeforeAllocating)
{
    QTemporaryDir dir;
    // A 1 x 1 OS/2 BMP of 30 bytes, its 16-bit sizes changed to 16897 x 4173.
    QByteArray os2 =
        QByteArray::fromHex("424d1e000000000000001a0000000c00000001000100010018000000ff00");
    qToLittleEndian(quint16(16897), os2.data() + 18);
    qToLittleEndian(quint16(4173), os2.data() + 20);
    const QByteArray halfTheRows = bmpBytes(100, 100, 24, 0, QByteArray(300 * 50, '\x40'));
    const struct
    {
        const char *name;
        QByteArray bytes;
        bool opens;
    } cases[] = {
        {"os2_16897x4173.bmp", os2, false},
        {"rgb24_8200x8200_64_bytes.bmp", shortBmp(8200, 8200), false},
        {"rle8_1000x1000_end_only.bmp", bmpBytes(1000, 1000, 8, rle8, QByteArray("\0\1", 2)),
         false},
        {"rle8_1000x1000_runs.bmp", bmpBytes(1000, 1000, 8, rle8, whiteRle8Rows(1000, 1000)), true},
        // Truncated files open as far as they go.
        {"rgb24_100x100_half_the_rows.bmp", halfTheRows, true},
    };
    for (const auto &test : cases) {
        const QString path = writeBmp(dir, test.name, test.bytes);
        try {
            const QImage picture = decodeBmpFile(path);
            EXPECT_TRUE(test.opens) << test.name << " was decoded";
            EXPECT_FALSE(picture.isNull()) << test.name;
        } catch (const DecodeError &error) {
            EXPECT_FALSE(test.opens) << test.name << ": " << error.what();
            EXPECT_TRUE(strstr(error.what(), "far too short")) << error.what();
        }
    }
}

TEST(BmpDecoder, RoundTripAndWrongKinds)
{
    QTemporaryDir dir;
    QImage picture(37, 21, QImage::Format_RGB32);
    for (int i = 0; i < 37 * 21; ++i)
        picture.setPixel(i % 37, i / 37, qRgb(i % 37 * 6, i / 37 * 12, i % 256));
    ASSERT_TRUE(picture.save(dir.filePath("written.bmp"), "BMP"));
    EXPECT_EQ(decodeBmpFile(dir.filePath("written.bmp")), picture);

    // Content sniffing would open these; a BMP decoder must not.
    ASSERT_TRUE(picture.save(dir.filePath("png.bmp"), "PNG"));
    ASSERT_TRUE(picture.save(dir.filePath("jpeg.bmp"), "JPEG"));
    QFile cut(dir.filePath("cut.bmp"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly) &&
                cut.write(readFile(dir.filePath("written.bmp")).left(20)));
    cut.close();
    for (const char *name : {"png.bmp", "jpeg.bmp", "cut.bmp", "missing.bmp", "."})
        EXPECT_THROW(decodeBmpFile(dir.filePath(name)), DecodeError) << name;
}
