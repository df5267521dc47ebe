// SPDX-License-Identifier: GPL-3.0-or-later
// The video layer on pattern videos made with ffmpeg in every codec family and container the game
// plays: frames by number in any order, rotation, frame rates, and broken files.
#include "avi_fixtures.h"
#include "video/AVIPlay.h"
#include "video/media/media_file.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

using namespace video;
using namespace videotest;

namespace {

// The codec families met in AVIs, with key frames every 12 frames where the codec has inter
// frames, so random access seeks.
const ContainerSample aviSamples[] = {
    {"mjpeg.avi", "mjpeg", {"-c:v", "mjpeg", "-q:v", "3"}},
    {"mpeg4.avi", "mpeg4", {"-c:v", "mpeg4", "-bf", "2", "-g", "12", "-q:v", "3"}},
    {"h264.avi", "libx264", {"-c:v", "libx264", "-bf", "2", "-g", "12", "-crf", "18"}},
    {"msvideo1.avi", "msvideo1", {"-c:v", "msvideo1", "-g", "12"}},
    {"cinepak.avi", "cinepak", {"-c:v", "cinepak", "-g", "12"}},
    {"bgr24.avi", "rawvideo", {"-c:v", "rawvideo", "-pix_fmt", "bgr24"}},
    {"huffyuv.avi", "huffyuv", {"-c:v", "huffyuv"}},
};

std::vector<ContainerSample> everySample()
{
    std::vector<ContainerSample> samples(std::begin(aviSamples), std::end(aviSamples));
    samples.insert(samples.end(), std::begin(containerSamples), std::end(containerSamples));
    return samples;
}

TEST(GeneratedVideo, EveryCodecAndContainerGivesEachFrameByNumberInAnyOrderAndLoops)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Pattern pattern;
    int avis = 0, others = 0;
    for (const ContainerSample &sample : everySample()) {
        SCOPED_TRACE(sample.file);
        const QString path = makeContainerSample(dir.path(), sample, pattern);
        if (path.isEmpty())
            continue;
        const auto media = openVideoFile(path);
        ASSERT_TRUE(media);
        expectPatternVideo(*media, pattern, sample.exactAfterSeek);
        ++(path.endsWith(".avi") ? avis : others);
    }
    EXPECT_GE(avis, 6);
    EXPECT_GE(others, 12);
}

TEST(GeneratedVideo, EveryPixelIsWrittenWhateverTheWidth)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    // Frames of one colour each, read out of order so their memory is reused: a pixel left
    // unwritten at the end of a row keeps another frame's colour. Widths that are not whole
    // groups of 8 or 16 pixels, in the pixel formats of the common codecs.
    const ContainerSample samples[] = {
        {"mjpeg422.avi", "mjpeg", {"-c:v", "mjpeg", "-pix_fmt", "yuvj422p"}},
        aviSamples[0],
        aviSamples[1],
        aviSamples[5]};
    for (const int width : {468, 388, 36}) {
        for (const ContainerSample &sample : samples) {
            SCOPED_TRACE(testing::Message() << sample.file << ", " << width << " pixels wide");
            const QString path = dir.filePath(QString("%1-%2").arg(width).arg(sample.file));
            ASSERT_TRUE(makeColourVideo(path, {width, 32}, 6, sample.options));
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

TEST(GeneratedVideo, ImagesAreSharedForTheSameNumberAndNeverOverwrittenWhileHeld)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    const Pattern pattern;
    const QString path = dir.filePath("mpeg4.avi");
    ASSERT_TRUE(makePatternVideo(path, pattern, aviSamples[1].options));
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

TEST(GeneratedVideo, FrameTimesFollowTheFrameRate)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    const QString path = dir.filePath("mjpeg.avi");
    ASSERT_TRUE(makePatternVideo(path, Pattern{}, aviSamples[0].options));
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

TEST(GeneratedVideo, RotatedPhoneVideosStandUpright)
{
    PINDREL_REQUIRE_FFMPEG();
    if (encoderMissing("libx264"))
        return;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Blue frames with a red top-left corner, 64 x 48, and the same with a rotation stored as
    // a phone stores it. Where the corner lands is where ffmpeg's own upright output puts it.
    const QString plain = dir.filePath("plain.mp4");
    ASSERT_TRUE(makeSourceVideo(plain,
                                "color=c=blue:s=64x48:r=25,"
                                "drawbox=x=0:y=0:w=16:h=16:color=red:t=fill",
                                10, {"-c:v", "libx264", "-pix_fmt", "yuv420p"}));
    const struct
    {
        int rotate;
        QSize size;
        QPoint redCorner; // 0 or 1 for left/right, top/bottom
    } rotations[] = {{0, {64, 48}, {0, 0}},
                     {90, {48, 64}, {0, 1}},
                     {180, {64, 48}, {1, 1}},
                     {270, {48, 64}, {1, 0}}};
    for (const auto &rotation : rotations) {
        SCOPED_TRACE(testing::Message() << "rotate=" << rotation.rotate);
        const QString path = dir.filePath(QString("rotate%1.mp4").arg(rotation.rotate));
        ASSERT_TRUE(remuxVideo(plain, path,
                               {"-metadata:s:v:0", QString("rotate=%1").arg(rotation.rotate)}));
        const auto media = openVideoFile(path);
        ASSERT_TRUE(media);
        const VideoStreamInfo &info = media->videoInfo();
        EXPECT_EQ(QSize(info.width, info.height), rotation.size);
        for (const int number : {0, 9, 3}) {
            const QImage image = media->frame(number);
            ASSERT_EQ(image.size(), rotation.size);
            for (const QPoint corner : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                const QRgb pixel = image.pixel(corner.x() ? image.width() - 4 : 3,
                                               corner.y() ? image.height() - 4 : 3);
                const bool red = corner == rotation.redCorner;
                EXPECT_EQ(qRed(pixel) > 160 && qBlue(pixel) < 90, red)
                    << "frame " << number << " corner " << corner.x() << "," << corner.y();
                EXPECT_EQ(qBlue(pixel) > 160 && qRed(pixel) < 90, !red);
            }
        }
    }
}

TEST(GeneratedVideo, AVariableFrameRatePlaysAtItsAverageOneFrameATick)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Even frames at 40 n ms, odd ones 20 ms later: frame 60 ends the file at 2400 ms, on
    // average 40 ms a frame.
    const Pattern pattern{{64, 48}, 16, 61};
    const QString path = dir.filePath("variable.mkv");
    ASSERT_TRUE(makePatternVideo(path, pattern,
                                 {"-vf", "settb=1/1000,setpts=(N*40+mod(N\\,2)*20)/1000/TB",
                                  "-fps_mode", "passthrough", "-enc_time_base", "1:1000", "-c:v",
                                  "mpeg4", "-g", "12", "-q:v", "3"}));
    const auto media = openVideoFile(path);
    ASSERT_TRUE(media);
    const VideoStreamInfo &info = media->videoInfo();
    EXPECT_EQ(info.length, 61);
    EXPECT_EQ(info.scale * 25, info.rate);
    EXPECT_EQ(media->frameTimeMs(1) - media->frameTimeMs(0), 60);
    EXPECT_EQ(media->frameTimeMs(2) - media->frameTimeMs(0), 80);
    EXPECT_EQ(media->frameTimeMs(60) - media->frameTimeMs(0), 2400);
    for (const int number : {0, 1, 2, 3, 60, 31, 30, 17})
        EXPECT_EQ(patternNumber(media->frame(number), pattern), number);

    // The player's clock runs at the average period, through the media module.
    TDCAviPlayer player;
    player.SetFileName(path);
    ASSERT_EQ(player.FrameCount(), 61);
    player.Play(0, player.FrameCount() - 1, 0);
    EXPECT_EQ(player.FramePeriod(), 40u);
    player.Stop();
}

TEST(GeneratedVideo, BrokenFilesOfEveryContainerAreRefusedOrPlayWhatDecodes)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Pattern pattern;
    for (const ContainerSample &container : everySample()) {
        SCOPED_TRACE(container.file);
        const QString path = makeContainerSample(dir.path(), container, pattern);
        if (path.isEmpty())
            continue;
        const QByteArray whole = readFile(path);
        // Its first 64 bytes (headers at most), 200 bytes of noise under its name, and the
        // whole file with its middle third overwritten.
        QByteArray damaged = whole;
        damaged.replace(whole.size() / 3, whole.size() / 3, QByteArray(whole.size() / 3, 'Z'));
        QByteArray noise(200, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char(i * 37 + 11);
        const struct
        {
            const char *kind;
            QByteArray bytes;
            bool refused;
        } broken[] = {
            {"cut", whole.left(64), true}, {"noise", noise, true}, {"damaged", damaged, false}};
        for (const auto &file : broken) {
            SCOPED_TRACE(file.kind);
            const QString brokenPath = dir.filePath(QString(file.kind) + "-" + container.file);
            ASSERT_TRUE(writeFile(brokenPath, file.bytes));
            const auto media = openVideoFile(brokenPath);
            if (file.refused) {
                EXPECT_EQ(media, nullptr);
                continue;
            }
            if (!media)
                continue;
            const VideoStreamInfo &info = media->videoInfo();
            for (const int number : {0, 1, info.length - 1, info.length / 2, 2, 0}) {
                const QImage image = media->frame(number);
                if (!image.isNull()) {
                    EXPECT_EQ(image.size(), QSize(info.width, info.height)) << number;
                }
            }
        }
    }
}

} // namespace
