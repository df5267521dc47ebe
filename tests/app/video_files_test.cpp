// SPDX-License-Identifier: GPL-3.0-or-later
// Real AVI files through the Open command: a generated video whose frames carry their own
// number, and every real-world AVI, which plays or fails with the normal message.
#include "window_fixture.h"

#include "../video/avi_fixtures.h"
#include "game/puzzle_size.h"
#include "support/corpus.h"
#include "video/AVIPlay.h"

#include <QDir>
#include <QTest>
#include <QTimer>

TEST_F(WindowTest, TheBoardShowsTheFrameThePlayerIsAt)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir folder;
    const videotest::Pattern pattern{{64, 48}, 16, 50};
    const QString path = folder.filePath("numbers.avi");
    ASSERT_TRUE(videotest::makePatternVideo(path, pattern, {"-c:v", "mjpeg", "-q:v", "2"}));

    openThroughDialog(path);
    auto *player = find<TDCAviPlayer>("avi");
    ASSERT_TRUE(player->Active());
    find<QTimer>("Timer1")->stop();
    // Across the loop's end and back: each refresh shows the player's current frame.
    for (int seen = 0; seen < 60;) {
        const qint32 before = player->Position();
        ASSERT_TRUE(QTest::qWaitFor([&] { return player->Position() != before; }, 5000));
        window->Timer1Timer();
        EXPECT_EQ(videotest::patternNumber(window->solutionPicture(), pattern), player->Position());
        seen += (player->Position() - before + pattern.frames) % pattern.frames;
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
        ASSERT_TRUE(window->isVideoPuzzle());
        ASSERT_TRUE(player->Active());
        ++played;
        EXPECT_EQ(window->windowTitle(), "Pindrel - " + name);
        // Built one to one with the screen, or at the frame's size when that is smaller, grown
        // when the frame is too small for the grid (a 10 x 5 one on 4 x 4).
        const QSize frame(player->FrameWidth(), player->FrameHeight());
        const QSize shown = board()->pictureRect().size() * board()->devicePixelRatioF();
        EXPECT_EQ(window->boardPicture().size(),
                  frame.width() <= shown.width() ? game::upscaledForGrid(frame, 4, 4) : shown);
        // A few refresh ticks of whatever decodes.
        for (int tick = 0; tick < 3; ++tick) {
            QTest::qWait(30);
            window->Timer1Timer();
        }
    }
    EXPECT_EQ(played, 25);
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
