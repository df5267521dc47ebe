// SPDX-License-Identifier: GPL-3.0-or-later
// Videos of every container besides AVI through the Open command, which of the chosen files
// start a video puzzle, and broken files of each new kind.
#include "window_fixture.h"

#include "../video/avi_fixtures.h"
#include "app/open/video_file.h"
#include "support/corpus.h"
#include "support/fifo_watch.h"
#include "video/AVIPlay.h"

#include <QDir>
#include <QTest>
#include <QTimer>

TEST(VideoFile, VideosByNameAndGifsByTheirFrames)
{
    PINDREL_REQUIRE_CORPUS(corpus);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString fifoPath = folder.filePath("fifo.gif");
    FifoWatch fifo(fifoPath);
    ASSERT_TRUE(fifo.created());
    const struct
    {
        QString path;
        bool video;
    } files[] = {
        {"/videos/a.avi", true},
        {"/videos/A.MP4", true},
        {"/videos/a.m4v", true},
        {"/videos/a.mov", true},
        {"/videos/a.mkv", true},
        {"/videos/a.webm", true},
        {"/videos/a.ogv", true},
        {"/videos/a.ts", true},
        {"/videos/a.m2ts", true},
        {"/videos/a.mpg", true},
        {"/videos/a.mpeg", true},
        {"/videos/a.flv", true},
        {"/videos/a.wmv", true},
        {"/videos/a.asf", true},
        {"/pictures/a.jpg", false},
        {"/pictures/a.bmp", false},
        {"/pictures/notes.txt", false},
        {"/pictures/mp4", false},
        {corpus + "/gif/gif_animated_dispose_previous_5frames_100x100.gif", true},
        {corpus + "/video/gif_animated_36frames_480x360.gif", true},
        {corpus + "/gif/gif_still_128x128.gif", false},
        {corpus + "/gif/gif_interlaced_540x330.gif", false},
        {corpus + "/gif/broken_gif_bomb_claims_huge_canvas.gif", false},
        {folder.filePath("missing.gif"), false},
        {fifoPath, false}, // and no wait for a writer
    };
    for (const auto &file : files)
        EXPECT_EQ(opensAsVideo(file.path), file.video) << file.path.toStdString();
    EXPECT_FALSE(fifo.openedForReading());
}

TEST_F(WindowTest, EveryContainerPlaysItsFramesOnTheBoard)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir folder;
    const videotest::Pattern pattern;
    auto *player = find<TDCAviPlayer>("avi");
    for (const videotest::ContainerSample &sample : videotest::containerSamples) {
        SCOPED_TRACE(sample.file);
        const QString path = videotest::makeContainerSample(folder.path(), sample, pattern);
        if (path.isEmpty())
            continue;
        window->openChosenFile(path);
        ASSERT_TRUE(window->isVideoPuzzle());
        ASSERT_TRUE(player->Active());
        EXPECT_EQ(window->windowTitle(), QString("Pindrel - ") + sample.file);
        EXPECT_EQ(player->FrameCount(), pattern.frames);
        EXPECT_EQ(player->FramePeriod(), 40u);
        EXPECT_EQ(window->boardPicture().size(), pattern.size);
        find<QTimer>("Timer1")->stop();
        for (int tick = 0; tick < 3; ++tick) {
            const qint32 before = player->Position();
            ASSERT_TRUE(QTest::qWaitFor([&] { return player->Position() != before; }, 5000));
            window->Timer1Timer();
            EXPECT_EQ(videotest::patternNumber(window->solutionPicture(), pattern),
                      player->Position());
        }
    }
}

TEST_F(WindowTest, BrokenFilesOfEveryNewKindEndInTheUsualMessage)
{
    QTemporaryDir folder;
    auto *player = find<TDCAviPlayer>("avi");
    QByteArray noise(2000, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char(i * 37 + 11);
    for (const char *extension : {"mp4", "m4v", "mov", "mkv", "webm", "ogv", "ts", "m2ts", "mpg",
                                  "mpeg", "flv", "wmv", "asf"}) {
        SCOPED_TRACE(extension);
        const QString path = folder.filePath(QString("broken.") + extension);
        ASSERT_TRUE(videotest::writeFile(path, noise));
        QString caption, message;
        expectMessage(&caption, &message);
        window->openChosenFile(path);
        EXPECT_EQ(message, "Unable to open file.");
        EXPECT_EQ(window->windowTitle(), "Pindrel");
        EXPECT_FALSE(window->isVideoPuzzle());
        EXPECT_TRUE(player->FileName().isEmpty());
    }
}

TEST_F(WindowTest, AnAnimatedGifPlaysAndAStillOneIsAPicture)
{
    PINDREL_REQUIRE_CORPUS(corpus);
    auto *player = find<TDCAviPlayer>("avi");
    const struct
    {
        const char *file;
        bool video;
        QSize size;
    } gifs[] = {{"gif/gif_animated_dispose_previous_5frames_100x100.gif", true, {100, 100}},
                {"gif/gif_still_128x128.gif", false, {128, 128}},
                {"video/gif_animated_36frames_480x360.gif", true, {480, 360}}};
    for (const auto &gif : gifs) {
        SCOPED_TRACE(gif.file);
        window->openChosenFile(QDir(corpus).filePath(gif.file));
        EXPECT_EQ(window->windowTitle(), "Pindrel - " + QFileInfo(gif.file).fileName());
        EXPECT_EQ(window->isVideoPuzzle(), gif.video);
        EXPECT_EQ(player->Active(), gif.video);
        EXPECT_EQ(window->solutionPicture().size(), gif.size);
    }
}
