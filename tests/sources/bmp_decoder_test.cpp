// BMP decoding against the shared corpus, Qt's reader and files written here.
#include "sources/bmp_decoder.h"
#include "sources/decode_error.h"
#include "support/corpus.h"
#include "test_pictures.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

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

// A 24-bit BMP header followed by only 64 bytes of pixel data.
QString writeShortBmp(const QTemporaryDir &dir, qint32 width, qint32 height)
{
    QByteArray bytes(54, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    for (auto [at, value] : {std::pair{2, 54 + 64}, {10, 54}, {14, 40}, {18, width}, {22, height}})
        qToLittleEndian(qint32(value), bytes.data() + at);
    qToLittleEndian(quint16(1), bytes.data() + 26);
    qToLittleEndian(quint16(24), bytes.data() + 28);
    const QString path = dir.filePath(QString("%1x%2.bmp").arg(width).arg(height));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes + QByteArray(64, '\x80')) > 0);
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
    expectCorpusMatchesQt("bmp", 45, refusedFiles, decodeBmpFile, "bmp", 0.5, sizeInName);
}

TEST(BmpDecoder, SizeLimitsApplyFromTheHeader)
{
    QTemporaryDir dir;
    // Over our limit: refused before Qt reads (or allocates) anything.
    for (QSize size : {QSize(20000, 6000), QSize(40000, 2), QSize(2, -40000), QSize(32767, 3052)}) {
        try {
            decodeBmpFile(writeShortBmp(dir, size.width(), size.height()));
            ADD_FAILURE() << size.width() << "x" << size.height() << " was decoded";
        } catch (const DecodeError &error) {
            EXPECT_TRUE(strstr(error.what(), "outside the allowed limits")) << error.what();
        }
    }
    // 67 megapixels is 269 MB as 32-bit pixels: over Qt's default allocation limit, inside
    // ours. Qt reads a short file as far as it goes.
    EXPECT_EQ(decodeBmpFile(writeShortBmp(dir, 8200, -8200)).size(), QSize(8200, 8200));
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
