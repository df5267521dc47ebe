// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG decoding against the shared corpus, Qt's own decoder and pictures encoded here.
#include "sources/decode_error.h"
#include "sources/jpeg_decoder.h"
#include "sources/picture_cover.h"
#include "sources/picture_decoder.h"
#include "support/corpus.h"
#include "support/process_status.h"
#include "test_pictures.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include <jpeglib.h>

using namespace sources;
using namespace sourcestest;

namespace {

// Fatal libjpeg errors, 12-bit and lossless, not a JPEG, or beyond the size limits; every
// other corpus file opens, the damaged ones as far as they decode.
const QStringList refusedFiles = {
    "12bit_extseq_149x227.jpg",        "12bit_rgb_420_99x92.jpg",
    "lossless_sof3_16bit_256x256.jpg", "abbreviated_tables_only.jpg",
    "not_jpeg_png_named_jpg.jpg",      "broken_soi_eoi_only_4bytes.jpg",
    "broken_missing_sof_8bytes.jpg",   "broken_afl_undefined_huffman_32x32.jpg",
    "broken_bad_jfif_dnl.jpg",         "broken_bogus_huffman_table_77x36.jpg",
    "broken_dims_3360x0.jpg",          "broken_invalid_progressive_params_248x87.jpg",
    "broken_two_soi_100x100.jpg",      "broken_undefined_huffman_table_196x140.jpg",
    "broken_dims_65535x65535.jpg",
    "broken_ossfuzz_36829.jpg", // 3x62728
};

// Rounding in upsampling and the IDCT may differ from Qt's settings.
constexpr double tolerance = 2.0;

void expectMatchesQt(const QImage &image, const QImage &reference, const QString &label)
{
    sourcestest::expectMatchesQt(image, reference, label, tolerance);
}

QByteArray encodeJpeg(int width, int height, int components, J_COLOR_SPACE space,
                      const std::vector<uchar> &pixels,
                      const std::function<void(jpeg_compress_struct &)> &tweak)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    tweak(info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto *row = const_cast<uchar *>(&pixels[info.next_scanline * width * components]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const QByteArray bytes(reinterpret_cast<const char *>(out), qsizetype(size));
    std::free(out);
    return bytes;
}

// A 16x16 grey progressive picture sending its AC coefficients one band and one bit at a
// time: 1 + 11 * bands scans.
QByteArray manyScanJpeg(int bands)
{
    std::vector<jpeg_scan_info> scans{{1, {0}, 0, 0, 0, 0}};
    for (int band = 1; band <= bands; ++band) {
        scans.push_back({1, {0}, band, band, 0, 10});
        for (int bit = 9; bit >= 0; --bit)
            scans.push_back({1, {0}, band, band, bit + 1, bit});
    }
    std::vector<uchar> pixels(256);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = uchar(i * 7);
    return encodeJpeg(16, 16, 1, JCS_GRAYSCALE, pixels, [&](jpeg_compress_struct &info) {
        info.scan_info = scans.data();
        info.num_scans = int(scans.size());
    });
}

// manyScanJpeg(0) declaring `size`, its one scan header repeated to `scans` with no data in
// between: a few bytes a scan, each sweeping the whole declared picture.
QByteArray repeatedScanJpeg(QSize size, int scans)
{
    QByteArray bytes = manyScanJpeg(0);
    const qsizetype sof = bytes.indexOf("\xff\xc2");
    const char frame[] = {char(size.height() >> 8), char(size.height()), char(size.width() >> 8),
                          char(size.width())};
    bytes.replace(sof + 5, 4, frame, 4);
    const qsizetype sos = bytes.indexOf("\xff\xda");
    const QByteArray header =
        bytes.mid(sos, 2 + (uchar(bytes[sos + 2]) << 8 | uchar(bytes[sos + 3])));
    bytes.insert(bytes.size() - 2, header.repeated(scans - 1));
    return bytes;
}

// Byte offset where the first scan's coded data starts, walking the marker segments.
qsizetype firstScanData(const QByteArray &jpeg)
{
    for (qsizetype at = 2; at + 4 <= jpeg.size() && uchar(jpeg[at]) == 0xff;) {
        const qsizetype end = at + 2 + (uchar(jpeg[at + 2]) << 8 | uchar(jpeg[at + 3]));
        if (uchar(jpeg[at + 1]) == 0xda)
            return end;
        at = end;
    }
    return -1;
}

} // namespace

TEST(JpegDecoder, CorpusFilesOpenLikeQtOrAreRefused)
{
    PINDREL_REQUIRE_CORPUS(corpus);
    expectCorpusMatchesQt("jpeg", 71, refusedFiles, decodeJpegFile, "jpeg", tolerance);
}

TEST(JpegDecoder, OversizeHeadersAreRefusedFromTheHeader)
{
    // Frame sizes libjpeg-turbo accepts, over a 16x16 picture's data: refused before decoding.
    const QByteArray small = manyScanJpeg(0);
    const qsizetype sof = small.indexOf("\xff\xc2");
    ASSERT_GT(sof, 0);
    for (QSize size : {QSize(32768, 8), QSize(8, 40000), QSize(20000, 6000), QSize(32767, 3052)}) {
        QByteArray bytes = small;
        const char frame[] = {char(size.height() >> 8), char(size.height()),
                              char(size.width() >> 8), char(size.width())};
        bytes.replace(sof + 5, 4, frame, 4);
        try {
            decodeJpegBytes(bytes);
            ADD_FAILURE() << size.width() << "x" << size.height() << " was decoded";
        } catch (const DecodeError &error) {
            EXPECT_TRUE(strstr(error.what(), "outside the allowed limits")) << error.what();
        }
    }
}

TEST(JpegDecoder, AllEightOrientationsMatchQt)
{
    PINDREL_REQUIRE_CORPUS(corpus);
    // Little-endian EXIF on a square picture, big-endian on a 2x1 one; the value's low byte
    // follows the tag, type and count.
    const std::pair<const char *, QByteArray> files[] = {
        {"exif_orientation_2_128x128.jpg", QByteArray("\x12\x01\x03\x00\x01\x00\x00\x00", 8)},
        {"exif_orientation_8_2x1.jpg", QByteArray("\x01\x12\x00\x03\x00\x00\x00\x01\x00", 9)},
    };
    for (const auto &[name, tag] : files) {
        const QByteArray original = readFile(corpus + "/jpeg/" + name);
        const qsizetype value = original.indexOf(tag) + tag.size();
        ASSERT_GT(value, tag.size()) << name;
        QImage upright;
        for (int orientation = 1; orientation <= 8; ++orientation) {
            QByteArray bytes = original;
            bytes[value] = char(orientation);
            const QImage image = decodeJpegBytes(bytes);
            expectMatchesQt(image, qtReference(bytes, "jpeg"),
                            QString("%1 as %2").arg(name).arg(orientation));
            if (orientation == 1)
                upright = image;
            EXPECT_EQ(image.size(),
                      orientation >= 5 ? upright.size().transposed() : upright.size());
            // The square picture is not symmetric: every orientation but 1 moves its pixels.
            if (orientation > 1 && image.width() == 128) {
                EXPECT_GT(meanChannelDifference(image, upright), 10.0) << orientation;
            }
        }
    }
}

TEST(JpegDecoder, CmykColoursWithAndWithoutAdobeMarker)
{
    // 8x8 blocks of red, green, blue and mid grey (from K alone) as plain CMYK.
    const uchar cmyk[4][4] = {{0, 255, 255, 0}, {255, 0, 255, 0}, {255, 255, 0, 0}, {0, 0, 0, 128}};
    const QRgb rgb[4] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(127, 127, 127)};
    for (bool adobe : {false, true}) {
        // Adobe applications store CMYK inverted and say so with their APP14 marker.
        std::vector<uchar> pixels;
        for (int i = 0; i < 256; ++i) {
            for (uchar value : cmyk[(i / 128) * 2 + (i % 16) / 8])
                pixels.push_back(adobe ? 255 - value : value);
        }
        const QByteArray jpeg =
            encodeJpeg(16, 16, 4, JCS_CMYK, pixels,
                       [&](jpeg_compress_struct &info) { info.write_Adobe_marker = adobe; });
        ASSERT_EQ(jpeg.contains("Adobe"), adobe);
        const QImage image = decodeJpegBytes(jpeg);
        ASSERT_EQ(image.size(), QSize(16, 16));
        for (int block = 0; block < 4; ++block) {
            const QRgb got = image.pixel((block % 2) * 8 + 4, (block / 2) * 8 + 4);
            EXPECT_LE(std::abs(qRed(got) - qRed(rgb[block])) +
                          std::abs(qGreen(got) - qGreen(rgb[block])) +
                          std::abs(qBlue(got) - qBlue(rgb[block])),
                      6)
                << "adobe " << adobe << ", block " << block << ": " << std::hex << got;
        }
    }
}

TEST(JpegDecoder, ScanCountIsBounded)
{
    // Scans bring no new pixels, only more sweeps over the whole picture: what real encoders
    // write opens, a hundred and more is refused, whatever the picture's size.
    std::vector<uchar> colours(64 * 48 * 3);
    for (size_t i = 0; i < colours.size(); ++i)
        colours[i] = uchar(i * 13 / 7);
    const QByteArray progressive =
        encodeJpeg(64, 48, 3, JCS_RGB, colours,
                   [](jpeg_compress_struct &info) { jpeg_simple_progression(&info); });
    const struct
    {
        const char *name;
        QByteArray bytes;
        bool opens;
    } cases[] = {
        {"libjpeg's own progression, 10 scans", progressive, true},
        {"one band and one bit at a time, 89 scans", manyScanJpeg(8), true},
        {"one band and one bit at a time, 122 scans", manyScanJpeg(11), false},
        {"400 repeated scans over 4000x4000", repeatedScanJpeg(QSize(4000, 4000), 400), false},
        {"2,000 repeated scans over 4000x4000", repeatedScanJpeg(QSize(4000, 4000), 2000), false},
        {"20,000 repeated scans over 16x16", repeatedScanJpeg(QSize(16, 16), 20000), false},
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath("scans.jpg");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        const std::pair<const char *, std::function<QImage()>> ways[] = {
            {"bytes", [&] { return decodeJpegBytes(c.bytes); }},
            {"file", [&] { return decodeJpegFile(path); }},
            {"any picture file", [&] { return decodePictureFile(path); }},
        };
        for (const auto &[way, decode] : ways) {
            SCOPED_TRACE(way);
            if (c.opens) {
                expectMatchesQt(decode(), qtReference(c.bytes, "jpeg"), c.name);
                continue;
            }
            try {
                decode();
                ADD_FAILURE() << "opened";
            } catch (const DecodeError &error) {
                EXPECT_TRUE(strstr(error.what(), "too many scans")) << error.what();
            }
        }
    }
}

// The scans are counted from the markers before decoding starts: a bomb over the largest picture
// allowed is refused before libjpeg takes the hundreds of megabytes its coefficients need (and
// before it sweeps them a hundred times).
TEST(JpegDecoder, AScanBombIsRefusedBeforeItsPictureTakesMemory)
{
    if (!residentSetIsMeaningful)
        GTEST_SKIP() << "the resident set says nothing under AddressSanitizer";
    const QByteArray bomb = repeatedScanJpeg(QSize(10000, 10000), 2000);
    ASSERT_TRUE(resetPeakResident());
    const qint64 before = statusBytes("VmHWM:");
    try {
        decodeJpegBytes(bomb);
        ADD_FAILURE() << "opened";
    } catch (const DecodeError &error) {
        EXPECT_TRUE(strstr(error.what(), "too many scans")) << error.what();
    }
    EXPECT_LT(statusBytes("VmHWM:") - before, 32 << 20);
}

TEST(JpegDecoder, FilesThatAreNotJpegsOrAreMissing)
{
    QTemporaryDir dir;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(qRgb(200, 100, 50));
    ASSERT_TRUE(picture.save(dir.filePath("bmp.jpg"), "BMP"));
    ASSERT_TRUE(QFile(dir.filePath("empty.jpg")).open(QIODevice::WriteOnly));
    for (const char *name : {"bmp.jpg", "empty.jpg", "missing.jpg", "."})
        EXPECT_THROW(decodeJpegFile(dir.filePath(name)), DecodeError) << name;
    EXPECT_THROW(decodeJpegBytes(QByteArray("\xff\xd8\xff", 3)), DecodeError);

    ASSERT_TRUE(picture.save(dir.filePath("real.jpg"), "JPEG", 95));
    const QImage image = decodeJpegFile(dir.filePath("real.jpg"));
    EXPECT_EQ(image, decodeJpegBytes(readFile(dir.filePath("real.jpg"))));
    EXPECT_LE(meanChannelDifference(image, picture), tolerance);
}

TEST(JpegDecoder, CutAndScrambledFilesNeverCrash)
{
    PINDREL_REQUIRE_CORPUS(corpus);
    // Outcomes are pictures or DecodeErrors; the sanitizer build watches everything between.
    QRandomGenerator random(20240611);
    for (const char *name : {"progressive_420_exif_320x240.jpg", "arith_420_227x149.jpg",
                             "ycck_adobe2_100x100.jpg", "restart_dri5_444_33x33.jpg"}) {
        const QByteArray original = readFile(corpus + "/jpeg/" + name);
        const bool progressive = original.contains("\xff\xc2");
        const qsizetype scanData = firstScanData(original);
        ASSERT_GT(scanData, 0) << name;
        for (int i = 1; i <= 40; ++i) {
            const qsizetype cut = original.size() * i / 41;
            try {
                EXPECT_FALSE(decodeJpegBytes(original.left(cut)).isNull());
            } catch (const DecodeError &error) {
                // One scan cut anywhere in its data still opens, as far as it goes.
                EXPECT_TRUE(progressive || cut <= scanData)
                    << name << " at " << cut << ": " << error.what();
            }
        }
        for (int i = 0; i < 60; ++i) {
            QByteArray bytes = original;
            for (int flips = 0; flips <= i % 8; ++flips)
                bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
            try {
                EXPECT_EQ(decodeJpegBytes(bytes).format(), QImage::Format_RGB32);
            } catch (const DecodeError &) {
            }
        }
    }
}

TEST(JpegDecoder, LargePicturesDecodeAtTheFewestEighthsThatCoverTheScreen)
{
    // A smooth picture, so a reduced decode and a smooth shrink of the full one agree.
    QImage source(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            source.setPixel(x, y, qRgb(x * 255 / 1600, y * 255 / 1200, (x + y) * 255 / 2800));
    struct Case
    {
        QSize picture;
        int orientation;
        QSize cover;
        QSize expected;
    };
    const Case cases[] = {
        {{1600, 1200}, 1, {}, {1600, 1200}},
        {{1600, 1200}, 1, {400, 300}, {400, 300}},   // exactly two eighths
        {{1600, 1200}, 1, {401, 300}, {600, 450}},   // one pixel more takes three
        {{1600, 1200}, 1, {400, 301}, {600, 450}},   // both ways
        {{1600, 1200}, 1, {801, 300}, {1600, 1200}}, // under twice the cover: in full
        {{1603, 1201}, 1, {400, 300}, {401, 301}},   // eighths round up
        {{1600, 1200}, 6, {300, 400}, {300, 400}},   // turned upright after decoding
        {{1600, 1200}, 6, {400, 300}, {450, 600}},
        {{1600, 1200}, 1, {100, 100}, {200, 150}}, // one eighth is the least
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.picture.width() << "x" << c.picture.height() << " orientation "
                     << c.orientation << " over " << c.cover.width() << "x" << c.cover.height());
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(95);
        writer.setTransformation(c.orientation == 6 ? QImageIOHandler::TransformationRotate90
                                                    : QImageIOHandler::TransformationNone);
        ASSERT_TRUE(writer.write(source.scaled(c.picture)));
        buffer.close();

        const QImage full = decodeJpegBytes(bytes);
        const QImage reduced = decodeJpegBytesToCover(bytes, c.cover);
        ASSERT_EQ(reduced.size(), c.expected);
        // The picture tells how far it was reduced.
        EXPECT_EQ((full.width() * decodedEighths(reduced) + 7) / 8, reduced.width());
        EXPECT_EQ(decodedEighths(full), 8);
        EXPECT_EQ(reduced.format(), QImage::Format_RGB32);
        const QImage shrunk =
            full.scaled(c.expected, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(meanChannelDifference(reduced, shrunk), 2.0);
    }
}
