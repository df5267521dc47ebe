// SPDX-License-Identifier: GPL-3.0-or-later
// The video layer on AVI files with an unusual layout: a start field, no index, 70000 frames, and
// files it must refuse.
#include "avi_fixtures.h"
#include "support/fifo_watch.h"
#include "video/media/media_audio.h"
#include "video/media/media_file.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace video;
using namespace videotest;

namespace {

const QStringList mjpeg = {"-c:v", "mjpeg", "-q:v", "3"};
const QStringList mpeg4 = {"-c:v", "mpeg4", "-bf", "2", "-g", "12", "-q:v", "3"};
const QStringList msvideo1 = {"-c:v", "msvideo1", "-g", "12"};

// Makes a pattern video and hands back its bytes, patched by `patch`.
QString patchedVideo(const QTemporaryDir &dir, const QString &name, const Pattern &pattern,
                     const QStringList &options, const std::function<bool(QByteArray &)> &patch)
{
    const QString path = dir.filePath(name);
    if (!makePatternVideo(path, pattern, options))
        return {};
    QByteArray bytes = readFile(path);
    return patch(bytes) && writeFile(path, bytes) ? path : QString();
}

TEST(AviLayout, StartFieldNumbersTheFirstStoredFrame)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    const Pattern pattern;
    const struct
    {
        const char *name;
        QStringList options;
        quint32 start;
    } cases[] = {{"mjpeg", mjpeg, 5}, {"mpeg4", mpeg4, 5}, {"mpeg4 later", mpeg4, 1000}};
    for (const auto &test : cases) {
        SCOPED_TRACE(test.name);
        const QString path =
            patchedVideo(dir, QString(test.name) + ".avi", pattern, test.options,
                         [&](QByteArray &avi) { return setVideoStart(avi, test.start); });
        ASSERT_FALSE(path.isEmpty());
        const auto media = openVideoFile(path);
        ASSERT_TRUE(media);
        const qint32 start = qint32(test.start);
        EXPECT_EQ(media->videoInfo().start, start);
        EXPECT_EQ(media->videoInfo().length, pattern.frames);
        EXPECT_EQ(patternNumber(media->frame(start), pattern), 0);
        EXPECT_EQ(patternNumber(media->frame(start + 1), pattern), 1);
        EXPECT_EQ(patternNumber(media->frame(start + 59), pattern), 59);
        EXPECT_EQ(patternNumber(media->frame(start + 30), pattern), 30);
        EXPECT_TRUE(media->frame(start - 1).isNull());
        EXPECT_TRUE(media->frame(start + 60).isNull());
        EXPECT_EQ(media->frameTimeMs(start), qint64(start) * 40);
    }
}

TEST(AviLayout, FileWithoutIndexIsReadOnceToBuildOne)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    const Pattern pattern;
    const struct
    {
        const char *name;
        QStringList options;
    } cases[] = {{"mjpeg", mjpeg}, {"mpeg4", mpeg4}, {"msvideo1", msvideo1}};
    for (const auto &test : cases) {
        SCOPED_TRACE(test.name);
        const QString path =
            patchedVideo(dir, QString(test.name) + ".avi", pattern, test.options, removeIndex);
        ASSERT_FALSE(path.isEmpty());
        EXPECT_FALSE(readFile(path).contains("idx1"));
        const auto media = openVideoFile(path);
        ASSERT_TRUE(media);
        EXPECT_EQ(media->videoInfo().length, pattern.frames);
        for (int number : {0, 1, 2, 40, 41, 13, 59, 58, 0, 33})
            EXPECT_EQ(patternNumber(media->frame(number), pattern), number);
    }
}

TEST(AviLayout, IndexWithOnlyTheFirstFrameFlaggedAsKeySeeksAndLoops)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    const Pattern pattern;
    const struct
    {
        const char *name, *encoder;
        QStringList options;
    } cases[] = {{"cinepak", "cinepak", {"-c:v", "cinepak", "-g", "12"}},
                 {"msvideo1", "msvideo1", msvideo1},
                 {"mpeg4", "mpeg4", mpeg4}};
    for (const auto &test : cases) {
        SCOPED_TRACE(test.name);
        if (encoderMissing(test.encoder))
            continue;
        const QString path =
            patchedVideo(dir, QString(test.name) + ".avi", pattern, test.options,
                         [](QByteArray &avi) { return clearKeyFlags(avi, "00dc", true); });
        ASSERT_FALSE(path.isEmpty());
        const auto media = openVideoFile(path);
        ASSERT_TRUE(media);
        // Two passes of a loop, then seeks back and forth.
        for (int pass = 0; pass < 2; ++pass) {
            for (int number = 0; number < pattern.frames; ++number)
                EXPECT_EQ(patternNumber(media->frame(number), pattern), number);
        }
        for (int number : {30, 29, 59, 13, 0, 47, 46})
            EXPECT_EQ(patternNumber(media->frame(number), pattern), number);
    }
}

TEST(AviLayout, SeventyThousandFramesAreNumberedIn32Bits)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    const Pattern pattern{QSize(32, 16), 4, 70000};
    const QString path = dir.filePath("long.avi");
    ASSERT_TRUE(makePatternVideo(path, pattern, {"-c:v", "ffv1"}));
    const auto media = openVideoFile(path);
    ASSERT_TRUE(media);
    EXPECT_EQ(media->videoInfo().length, 70000);
    // 65536 and 69999 would land on 0 and 4463 if numbers were cut to 16 bits anywhere.
    for (int number : {69999, 65536, 0, 464, 4463, 65535, 65536, 65537, 69999})
        EXPECT_EQ(patternNumber(media->frame(number), pattern), number);
    EXPECT_TRUE(media->frame(70000).isNull());
}

TEST(AviLayout, RefusesWhatIsNotAPlayableAvi)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(dir.filePath("picture.jpg"), "JPEG"));
    ASSERT_TRUE(writeFile(dir.filePath("empty.avi"), {}));
    ASSERT_TRUE(writeFile(dir.filePath("text.avi"), "RIFF? No, just some text in a file.\n"));
    QStringList refused = {"picture.jpg", "empty.avi", "text.avi", "missing.avi"};

    if (ffmpegAvailable()) {
        const Pattern pattern;
        ASSERT_TRUE(makePatternVideo(dir.filePath("matroska.avi"), pattern,
                                     mjpeg + QStringList{"-f", "matroska"}));
        const QSize oversized[] = {{9000, 48}, {64, 8193}, {-64, 48}, {64, 0}};
        for (const QSize size : oversized) {
            const QString name = QString("size_%1x%2.avi").arg(size.width()).arg(size.height());
            ASSERT_FALSE(patchedVideo(dir, name, pattern, mjpeg, [&](QByteArray &avi) {
                             return setVideoFrameSize(avi, size.width(), size.height());
                         }).isEmpty());
            refused << name;
        }
        // A sound track alone.
        ASSERT_TRUE(makePatternVideo(dir.filePath("audio_only.avi"), pattern,
                                     {"-f", "lavfi", "-i", "anullsrc=r=8000:cl=mono", "-t", "0.5",
                                      "-map", "1:a", "-c:a", "pcm_s16le"}));
        refused << "matroska.avi"
                << "audio_only.avi";
    } else {
        std::printf("the ffmpeg command-line tool is missing; generated files not tested\n");
    }

    for (const QString &name : refused)
        EXPECT_EQ(openVideoFile(dir.filePath(name)), nullptr) << name.toStdString();
    EXPECT_EQ(openVideoFile(QString()), nullptr);
}

TEST(AviLayout, OnlyRegularFilesAndLinksToThemAreOpened)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(makeToneVideo(dir.filePath("tone.avi"), 1, {"-c:a", "pcm_s16le"}));
    ASSERT_TRUE(QFile::link(dir.filePath("tone.avi"), dir.filePath("link.avi")));
    FifoWatch fifo(dir.filePath("fifo.avi"));
    ASSERT_TRUE(fifo.created());
    ASSERT_TRUE(QFile::link(dir.filePath("fifo.avi"), dir.filePath("fifolink.avi")));
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("zero.avi")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.avi"));
    const struct
    {
        const char *name;
        bool opens;
    } cases[] = {{"tone.avi", true},      {"link.avi", true},  {"fifo.avi", false},
                 {"fifolink.avi", false}, {"zero.avi", false}, {"/dev/zero", false},
                 {"folder.avi", false}};
    for (const auto &test : cases) {
        const QString path =
            test.name[0] == '/' ? QString::fromLatin1(test.name) : dir.filePath(test.name);
        EXPECT_EQ(openVideoFile(path) != nullptr, test.opens) << test.name;
        EXPECT_EQ(MediaAudio::open(path) != nullptr, test.opens) << test.name << ", its sound";
    }
    EXPECT_FALSE(fifo.openedForReading());
}

TEST(AviLayout, FrameAtTheSizeLimitOpens)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    const QString path = patchedVideo(dir, "wide.avi", Pattern{}, mjpeg, [](QByteArray &avi) {
        return setVideoFrameSize(avi, 8192, 48);
    });
    ASSERT_FALSE(path.isEmpty());
    const auto media = openVideoFile(path);
    ASSERT_TRUE(media);
    EXPECT_EQ(media->videoInfo().width, 8192);
    EXPECT_EQ(media->frame(0).size(), QSize(8192, 48)); // the decoder's 64 x 48 scaled
}

} // namespace
