// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures through Qt's image readers: generated files of every kind and the shared corpus,
// each decoded to its size and colours or refused with DecodeError.
#include "sources/decode_error.h"
#include "sources/jpeg_decoder.h"
#include "sources/picture_decoder.h"
#include "support/corpus.h"
#include "test_pictures.h"

#include <QDir>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sources;
using namespace sourcestest;

namespace {

// Four quadrants, so a rotated or mirrored decode shows.
QImage quadrants(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int w = size.width() / 2, h = size.height() / 2;
    painter.fillRect(0, 0, w, h, QColor(255, 0, 0));
    painter.fillRect(w, 0, size.width() - w, h, QColor(0, 255, 0));
    painter.fillRect(0, h, w, size.height() - h, QColor(0, 0, 255));
    painter.fillRect(w, h, size.width() - w, size.height() - h, QColor(255, 255, 255));
    return image;
}

// The colour in the middle of each quadrant: top left, top right, bottom left, bottom right.
std::vector<QColor> quadrantColours(const QImage &image)
{
    const int x1 = image.width() / 4, x2 = 3 * image.width() / 4;
    const int y1 = image.height() / 4, y2 = 3 * image.height() / 4;
    return {image.pixelColor(x1, y1), image.pixelColor(x2, y1), image.pixelColor(x1, y2),
            image.pixelColor(x2, y2)};
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= 24 && qAbs(a.green() - b.green()) <= 24 &&
           qAbs(a.blue() - b.blue()) <= 24;
}

struct Expected
{
    QString file;          // a path; empty when the kind could not be made here
    QSize size;            // invalid: refused
    bool quadrantsUpright; // the generated quadrants, checked colour by colour
};

QString viaQt(const QTemporaryDir &dir, const char *name, const char *format)
{
    const QString path = dir.filePath(QLatin1String(name));
    QImageWriter writer(path, format);
    EXPECT_TRUE(writer.write(quadrants({96, 64})))
        << name << ": " << writer.errorString().toStdString();
    return path;
}

// ImageMagick's convert writes kinds Qt cannot, and an EXIF orientation Qt's writers leave out.
QString viaConvert(const QTemporaryDir &dir, const char *name, const QStringList &options)
{
    const QString source = viaQt(dir, "source.png", "png");
    const QString path = dir.filePath(QLatin1String(name));
    QProcess convert;
    convert.start(QStringLiteral("convert"), QStringList{source} + options + QStringList{path});
    if (!convert.waitForFinished(30000) || convert.exitCode() != 0)
        return {};
    return path;
}

// The PNG chunk checksum (CRC-32 of type and data), so a changed header still reads as valid.
quint32 pngCrc(const char *bytes, int length)
{
    quint32 crc = 0xffffffffu;
    for (int i = 0; i < length; ++i) {
        crc ^= quint8(bytes[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putBigEndian(QByteArray &bytes, int at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (24 - 8 * i));
}

QString withBytes(const QTemporaryDir &dir, const char *name, const QByteArray &bytes)
{
    const QString path = dir.filePath(QLatin1String(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return path;
}

// The quadrants stored turned left in a PNG whose eXIf chunk says to turn them right again
// (orientation 6), as a camera would write it.
QString turnedPngWithExif(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("turned.png"));
    EXPECT_TRUE(quadrants({96, 64}).transformed(QTransform().rotate(-90)).save(path, "png"));
    QByteArray png = readFile(path);
    // A big-endian TIFF structure with one entry: Orientation (0x0112), SHORT, 1, value 6.
    const QByteArray exif = QByteArray("MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0"
                                       "\0\0\0\0",
                                       26);
    QByteArray chunk(4, '\0');
    putBigEndian(chunk, 0, quint32(exif.size()));
    chunk += "eXIf" + exif + QByteArray(4, '\0');
    putBigEndian(chunk, 8 + exif.size(), pngCrc(chunk.constData() + 4, 4 + exif.size()));
    png.insert(8 + 25, chunk); // after the signature and IHDR
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(png) == png.size());
    return path;
}

} // namespace

TEST(OtherPictures, EachKindDecodesToItsSizeAndColoursOrIsRefused)
{
    QTemporaryDir dir;
    const QString corpus = testsupport::corpusDir();
    const auto inCorpus = [&](const char *name) {
        return corpus.isEmpty() ? QString() : QDir(corpus).filePath(QLatin1String(name));
    };
    QByteArray truncatedPng = readFile(viaQt(dir, "whole.png", "png"));
    truncatedPng.chop(truncatedPng.size() / 2);
    const QSize generated(96, 64), none;

    const std::vector<Expected> table = {
        {viaQt(dir, "a.png", "png"), generated, true},
        {viaConvert(dir, "a.gif", {}), generated, true},
        {viaQt(dir, "a.webp", "webp"), generated, true},
        {viaQt(dir, "a.tiff", "tiff"), generated, true},
        {viaQt(dir, "a.ppm", "ppm"), generated, true},
        {viaQt(dir, "named.jpg", "png"), generated, true}, // content decides, not the name
        // Orientation 6: stored turned left, shown turned right again.
        {turnedPngWithExif(dir), generated, true},
        {viaConvert(dir, "turned.tiff", {"-rotate", "-90", "-orient", "RightTop"}), generated,
         true},
        {withBytes(dir, "half.png", truncatedPng), none, false},
        {withBytes(dir, "text.png", "just some text\n"), none, false},
        {withBytes(dir, "empty.webp", {}), none, false},
        {dir.filePath("missing.png"), none, false},
        {inCorpus("png/png_rgb8_128x128.png"), {128, 128}, false},
        {inCorpus("png/png_rgb16_48bit_32x32.png"), {32, 32}, false},
        {inCorpus("png/png_interlaced_adam7_rgb8_32x32.png"), {32, 32}, false},
        {inCorpus("png/png_rgba8_alpha_32x32.png"), {32, 32}, false},
        {inCorpus("png/apng_animated_40frames_palette_150x150.png"), {150, 150}, false},
        {inCorpus("png/broken_png_ihdr_missing.png"), none, false},
        {inCorpus("png/broken_png_truncated_idat_640x480.png"), none, false},
        {inCorpus("gif/gif_still_128x128.gif"), {128, 128}, false},
        {inCorpus("gif/gif_interlaced_540x330.gif"), {540, 330}, false},
        {inCorpus("gif/gif_transparent_200x150.gif"), {200, 150}, false},
        {inCorpus("gif/broken_gif_bomb_claims_huge_canvas.gif"), none, false},
        {inCorpus("webp/webp_lossy_128x128.webp"), {128, 128}, false},
        {inCorpus("webp/webp_lossless_alpha_400x301.webp"), {400, 301}, false},
        {inCorpus("webp/webp_animated_lossy_4frames_99x87.webp"), {99, 87}, false},
        {inCorpus("webp/broken_webp_fuzz_afl_bad_chunk_sizes.webp"), none, false},
        {inCorpus("webp/not_webp_json_text.webp"), none, false},
        {inCorpus("tiff/tiff_lzw_rgb_128x128.tif"), {128, 128}, false},
        {inCorpus("tiff/tiff_cmyk_jpeg_100x100.tif"), {100, 100}, false},
        {inCorpus("tiff/tiff_tiled_jpeg_512x384.tif"), {512, 384}, false},
        {inCorpus("tiff/tiff_deflate_gray16_64x64.tif"), {64, 64}, false},
        {inCorpus("tiff/tiff_multipage_3pages_10x10.tif"), {10, 10}, false},
        {inCorpus("tiff/tiff_g4_bilevel_orientation6_88x590.tif"), {590, 88}, false},
        {inCorpus("tiff/broken_tiff_fuzz_crash_unsorted_tags.tif"), none, false},
        {inCorpus("tiff/broken_tiff_seek_too_large_16bytes.tif"), none, false},
    };
    int checked = 0;
    for (const Expected &row : table) {
        if (row.file.isEmpty())
            continue; // no corpus, or no convert
        ++checked;
        const std::string label = QFileInfo(row.file).fileName().toStdString();
        if (!row.size.isValid()) {
            EXPECT_THROW(decodePictureFile(row.file), DecodeError) << label;
            continue;
        }
        QImage picture;
        ASSERT_NO_THROW(picture = decodePictureFile(row.file)) << label;
        EXPECT_EQ(picture.size(), row.size) << label;
        EXPECT_EQ(picture.format(), QImage::Format_RGB32) << label;
        // Real-world files: the colours Qt's own reader gives, upright, laid over black.
        if (row.file.startsWith(corpus + QLatin1Char('/')) && !corpus.isEmpty()) {
            QImageReader reader(row.file);
            reader.setAutoTransform(true);
            QImage reference(row.size, QImage::Format_RGB32);
            reference.fill(Qt::black);
            QPainter(&reference).drawImage(0, 0, reader.read());
            EXPECT_LT(meanChannelDifference(picture, reference), 1.0) << label;
        }
        if (row.quadrantsUpright) {
            const std::vector<QColor> want = quadrantColours(quadrants(generated));
            const std::vector<QColor> got = quadrantColours(picture);
            for (size_t i = 0; i < want.size(); ++i)
                EXPECT_TRUE(near(got[i], want[i]))
                    << label << " quadrant " << i << ": " << got[i].name().toStdString();
        }
    }
    EXPECT_GE(checked, 12);
}

TEST(OtherPictures, ExifOrientationStandsPicturesUprightLikeTheJpeg)
{
    PINDREL_REQUIRE_CORPUS(corpus);
    // The same photo, stored turned, as JPEG and as WebP: both come out the same way up.
    const QImage jpeg =
        decodeJpegFile(QDir(corpus).filePath("jpeg/exif_orientation_6_128x128.jpg"));
    const QImage webp =
        decodePictureFile(QDir(corpus).filePath("webp/webp_exif_orientation6_128x128.webp"));
    ASSERT_EQ(webp.size(), jpeg.size());
    EXPECT_LT(meanChannelDifference(webp, jpeg), 12.0);
    EXPECT_GT(meanChannelDifference(webp, jpeg.transformed(QTransform().rotate(90))), 30.0);
}

TEST(OtherPictures, SizeLimitsApplyFromTheHeader)
{
    QTemporaryDir dir;
    // A PNG header claiming 40000 x 2: refused before anything is allocated.
    QByteArray png = readFile(viaQt(dir, "small.png", "png"));
    ASSERT_GT(png.size(), 24);
    // IHDR: length at 8, type at 12, width at 16, height at 20, CRC at 29.
    for (QSize size : {QSize(40000, 2), QSize(20000, 6000)}) {
        putBigEndian(png, 16, quint32(size.width()));
        putBigEndian(png, 20, quint32(size.height()));
        putBigEndian(png, 29, pngCrc(png.constData() + 12, 17));
        try {
            decodePictureFile(withBytes(dir, "large.png", png));
            ADD_FAILURE() << size.width() << "x" << size.height() << " was decoded";
        } catch (const DecodeError &error) {
            EXPECT_TRUE(strstr(error.what(), "outside the allowed limits")) << error.what();
        }
    }
}
