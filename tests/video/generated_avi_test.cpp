// SPDX-License-Identifier: GPL-3.0-or-later
// The video layer on pattern videos made with ffmpeg in every codec family the game meets.
#include "avi_fixtures.h"
#include "video/media/media_file.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace video;
using namespace videotest;

namespace {

struct Codec
{
    const char *name;
    const char *encoder;
    QStringList options;
};

// Key frames every 12 frames where the codec has inter frames, so random access seeks.
const Codec codecs[] = {
    {"mjpeg", "mjpeg", {"-c:v", "mjpeg", "-q:v", "3"}},
    {"mpeg4 with B-frames", "mpeg4", {"-c:v", "mpeg4", "-bf", "2", "-g", "12", "-q:v", "3"}},
    {"h264 with B-frames", "libx264", {"-c:v", "libx264", "-bf", "2", "-g", "12", "-crf", "18"}},
    {"msvideo1", "msvideo1", {"-c:v", "msvideo1", "-g", "12"}},
    {"cinepak", "cinepak", {"-c:v", "cinepak", "-g", "12"}},
    {"rawvideo bgr24", "rawvideo", {"-c:v", "rawvideo", "-pix_fmt", "bgr24"}},
    {"huffyuv", "huffyuv", {"-c:v", "huffyuv"}},
};

TEST(GeneratedAvi, EveryCodecGivesEachFrameByNumberInAnyOrder)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Pattern pattern;
    int tested = 0;
    for (const Codec &codec : codecs) {
        SCOPED_TRACE(codec.name);
        if (encoderMissing(codec.encoder))
            continue;
        const QString path = dir.filePath(QString(codec.encoder) + ".avi");
        ASSERT_TRUE(makePatternVideo(path, pattern, codec.options));
        const auto media = openVideoFile(path);
        ASSERT_TRUE(media);
        expectPatternVideo(*media, pattern);
        ++tested;
    }
    EXPECT_GE(tested, 6);
}

TEST(GeneratedAvi, EveryPixelIsWrittenWhateverTheWidth)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    // Frames of one colour each, read out of order so their memory is reused: a pixel left
    // unwritten at the end of a row keeps another frame's colour. Widths that are not whole
    // groups of 8 or 16 pixels, in the pixel formats of the common codecs.
    const Codec codecsToTry[] = {
        {"mjpeg 4:2:2", "mjpeg", {"-c:v", "mjpeg", "-pix_fmt", "yuvj422p"}},
        codecs[0],
        codecs[1],
        codecs[5]};
    for (const int width : {468, 388, 36}) {
        for (const Codec &codec : codecsToTry) {
            SCOPED_TRACE(testing::Message() << codec.name << ", " << width << " pixels wide");
            const QString path = dir.filePath(QString("%1-%2.avi").arg(codec.encoder).arg(width));
            ASSERT_TRUE(makeColourVideo(path, {width, 32}, 6, codec.options));
            const auto media = openVideoFile(path);
            ASSERT_TRUE(media);
            for (int number : {0, 1, 2, 3, 4, 5, 2, 0, 5, 1}) {
                const QImage image = media->frame(number);
                ASSERT_EQ(image.width(), width);
                int differing = 0;
                for (int y = 0; y < image.height(); ++y)
                    differing += image.pixel(width - 1, y) != image.pixel(0, y);
                EXPECT_EQ(differing, 0) << "frame " << number;
            }
        }
    }
}

TEST(GeneratedAvi, ImagesAreSharedForTheSameNumberAndNeverOverwrittenWhileHeld)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    const Pattern pattern;
    const QString path = dir.filePath("mpeg4.avi");
    ASSERT_TRUE(makePatternVideo(path, pattern, codecs[1].options));
    const auto media = openVideoFile(path);
    ASSERT_TRUE(media);

    const QImage first = media->frame(7);
    const QImage again = media->frame(7);
    EXPECT_EQ(again.constBits(), first.constBits()); // no second decode
    const QImage held = media->frame(7);
    const QImage next = media->frame(8);
    EXPECT_NE(next.constBits(), held.constBits());
    EXPECT_EQ(patternNumber(held, pattern), 7);
    EXPECT_EQ(patternNumber(next, pattern), 8);
    EXPECT_EQ(patternNumber(media->frame(20), pattern), 20);
    EXPECT_EQ(patternNumber(next, pattern), 8);
}

TEST(GeneratedAvi, FrameTimesFollowTheFrameRate)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    const QString path = dir.filePath("mjpeg.avi");
    ASSERT_TRUE(makePatternVideo(path, Pattern{}, codecs[0].options));
    const auto media = openVideoFile(path);
    ASSERT_TRUE(media);
    const struct
    {
        qint32 number;
        qint64 ms;
    } times[] = {{0, 0}, {1, 40}, {25, 1000}, {59, 2360}, {70000, 2800000}};
    for (const auto &time : times)
        EXPECT_EQ(media->frameTimeMs(time.number), time.ms) << time.number;
}

} // namespace
