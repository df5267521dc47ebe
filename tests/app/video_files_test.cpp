// SPDX-License-Identifier: GPL-3.0-or-later
// Videos of every container through the Open command: which files start a video puzzle, the
// frames shown, real-world files that play or fail with the normal message, and sound on or off.
#include "window_fixture.h"

#include "../video/avi_fixtures.h"
#include "app/open/video_file.h"
#include "game/puzzle_size.h"
#include "support/corpus.h"
#include "support/fifo_watch.h"
#include "video/AVIPlay.h"

#include <QDir>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <vector>

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
    std::vector<videotest::ContainerSample> samples{
        {"numbers.avi", "mjpeg", {"-c:v", "mjpeg", "-q:v", "2"}}};
    samples.insert(samples.end(), std::begin(videotest::containerSamples),
                   std::end(videotest::containerSamples));
    for (const videotest::ContainerSample &sample : samples) {
        SCOPED_TRACE(sample.file);
        const QString path = videotest::makeContainerSample(folder.path(), sample, pattern);
        if (path.isEmpty())
            continue;
        window->openChosenFile(path);
        ASSERT_TRUE(window->boardView().isVideo());
        ASSERT_TRUE(player->Active());
        EXPECT_EQ(window->windowTitle(), QString("Pindrel - ") + sample.file);
        EXPECT_EQ(player->FrameCount(), pattern.frames);
        EXPECT_EQ(player->FramePeriod(), 40u);
        EXPECT_EQ(window->boardView().boardPicture().size(), pattern.size);
        find<QTimer>("Timer1")->stop();
        // Each refresh shows the player's current frame; the AVI's across the loop's end and back.
        const int watched = path.endsWith(".avi") ? pattern.frames + 10 : 0;
        for (int tick = 0, seen = 0; tick < 3 || seen < watched; ++tick) {
            const qint32 before = player->Position();
            ASSERT_TRUE(QTest::qWaitFor([&] { return player->Position() != before; }, 5000));
            window->Timer1Timer();
            EXPECT_EQ(videotest::patternNumber(window->boardView().solutionPicture(), pattern),
                      player->Position());
            seen += (player->Position() - before + pattern.frames) % pattern.frames;
        }
    }
}

TEST_F(WindowTest, TheFullScreenVideoBoardOnTheScreenIsTheBoardAsDrawn)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir folder;
    // Larger than the screen, so frames are made at the size they are shown.
    const videotest::Pattern pattern{{1024, 768}, 256, 30};
    const QString path = videotest::makeContainerSample(
        folder.path(), {"numbers.avi", "mjpeg", {"-c:v", "mjpeg", "-q:v", "2"}}, pattern);
    ASSERT_FALSE(path.isEmpty());
    action("mnuFullScreen")->trigger();
    window->openChosenFile(path);
    ASSERT_TRUE(window->boardView().isVideo());
    window->applyOptions(game::SwapBlocks, 4, 5, false);
    action("mnuShowGrid")->setChecked(true);
    find<QTimer>("Timer1")->stop();
    // A swap: its red frame is drawn over the board on the next refreshes.
    pressCell(2);
    pressCell(7);
    const auto *player = find<TDCAviPlayer>("avi");
    for (int tick = 0; tick < 3; ++tick) {
        const qint32 before = player->Position();
        ASSERT_TRUE(QTest::qWaitFor([&] { return player->Position() != before; }, 5000));
        window->Timer1Timer();
        board()->repaint();
        const QRect shown =
            board()->pictureRect().translated(board()->mapTo(window.get(), QPoint()));
        ASSERT_EQ(shown.size(), window->boardView().boardPicture().size()) << "shown one to one";
        const QImage screen = window->screen()->grabWindow(window->winId()).toImage();
        EXPECT_EQ(screen.copy(shown).convertToFormat(QImage::Format_RGB32),
                  window->boardView().boardPicture().convertToFormat(QImage::Format_RGB32));
    }
}

TEST_F(WindowTest, EveryCorpusVideoPlaysOrFailsCleanly)
{
    PINDREL_REQUIRE_CORPUS(corpus);
    // No video stream, and no frame left in a truncated file.
    const QStringList refused{"audio_only_adpcm_ima_dk3.avi", "broken_xvid_truncated_10KB.avi"};
    const QDir folder(QDir(corpus).filePath(QStringLiteral("avi")));
    auto *player = find<TDCAviPlayer>("avi");
    int played = 0;
    for (const QString &name : folder.entryList({"*.avi"}, QDir::Files, QDir::Name)) {
        SCOPED_TRACE(name.toStdString());
        if (refused.contains(name)) {
            QString caption, message;
            expectMessage(&caption, &message);
            window->openChosenFile(folder.filePath(name));
            EXPECT_EQ(message, "Unable to open file.");
            EXPECT_EQ(window->windowTitle(), "Pindrel");
            EXPECT_TRUE(player->FileName().isEmpty());
            continue;
        }
        window->openChosenFile(folder.filePath(name));
        ASSERT_TRUE(window->boardView().isVideo());
        ASSERT_TRUE(player->Active());
        ++played;
        EXPECT_EQ(window->windowTitle(), "Pindrel - " + name);
        // Built one to one with the screen, or at the frame's size when that is smaller, grown
        // when the frame is too small for the grid (a 10 x 5 one on 4 x 4).
        const QSize frame(player->FrameWidth(), player->FrameHeight());
        const QSize shown = board()->pictureRect().size() * board()->devicePixelRatioF();
        EXPECT_EQ(window->boardView().boardPicture().size(),
                  frame.width() <= shown.width() ? game::upscaledForGrid(frame, 4, 4) : shown);
        // A few refresh ticks of whatever decodes, each once the player moves on (a one-frame
        // file never does).
        for (int tick = 0; tick < 3; ++tick) {
            const qint32 before = player->Position();
            QTest::qWaitFor([&] { return player->Position() != before; }, 100);
            window->Timer1Timer();
        }
    }
    EXPECT_EQ(played, 25);
}

TEST_F(WindowTest, BrokenFilesOfEveryKindEndInTheUsualMessage)
{
    QTemporaryDir folder;
    auto *player = find<TDCAviPlayer>("avi");
    QByteArray noise(2000, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char(i * 37 + 11);
    for (const char *extension : {"avi", "mp4", "m4v", "mov", "mkv", "webm", "ogv", "ts", "m2ts",
                                  "mpg", "mpeg", "flv", "wmv", "asf"}) {
        SCOPED_TRACE(extension);
        const QString path = folder.filePath(QString("broken.") + extension);
        ASSERT_TRUE(videotest::writeFile(path, noise));
        QString caption, message;
        expectMessage(&caption, &message);
        window->openChosenFile(path);
        EXPECT_EQ(message, "Unable to open file.");
        EXPECT_EQ(window->windowTitle(), "Pindrel");
        EXPECT_FALSE(window->boardView().isVideo());
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
        EXPECT_EQ(window->boardView().isVideo(), gif.video);
        EXPECT_EQ(player->Active(), gif.video);
        EXPECT_EQ(window->boardView().solutionPicture().size(), gif.size);
    }
}

TEST_F(WindowTest, PlaySoundSwitchesTheVideosSound)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir folder;
    const QString path = folder.filePath("tone.avi");
    ASSERT_TRUE(videotest::makeToneVideo(path, 1, {"-c:a", "pcm_s16le"}));
    openThroughDialog(path);
    auto *player = find<TDCAviPlayer>("avi");
    ASSERT_TRUE(player->Active());
    QAction *playSound = action("mnuPlaySound");
    EXPECT_TRUE(playSound->isChecked());
    EXPECT_TRUE(player->PlaySound());
    playSound->trigger();
    EXPECT_FALSE(player->PlaySound());
    playSound->trigger();
    EXPECT_TRUE(player->PlaySound());
    EXPECT_TRUE(player->Active());
}
