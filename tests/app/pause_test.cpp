// SPDX-License-Identifier: GPL-3.0-or-later
// Pause: the clock stands, moves are refused and a plain cover hides the picture; minimising
// the window pauses and restoring it resumes.
#include "window_fixture.h"

#include "../video/fake_video.h"
#include "support/jpeg_bytes.h"
#include "video/AVIPlay.h"

#include <QFile>
#include <QTest>

namespace {

// Pixels of the picture's own colour, as the board draws the dark red JPEG.
int redPixels(const QImage &shot)
{
    int count = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            count += c.red() > 90 && c.green() < 40 && c.blue() < 40;
        }
    return count;
}

} // namespace

class PauseTest : public WindowTest
{
  protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        const QString path = folder.filePath("still.jpg");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(testsupport::jpegOf({90, 60}, QColor(160, 0, 0)));
        file.close();
        openThroughDialog(path);
        pressCell(1);
        pressCell(2);
        ASSERT_EQ(window->session().moves(), 1);
    }

    bool paused() { return action("mnuPause")->isChecked(); }
    QImage pictureArea() { return find<QWidget>("fraSolution")->grab().toImage(); }

    QTemporaryDir folder;
};

TEST_F(PauseTest, APausedGameStandsStillRefusesMovesAndShowsNothingOfThePicture)
{
    ASSERT_GT(redPixels(pictureArea()), 1000);
    const std::vector<int> arrangement = window->session().state().blockList;

    QTest::keyClick(board(), Qt::Key_P);
    ASSERT_TRUE(paused());
    EXPECT_FALSE(window->session().clock().clockRunning());
    const qint64 held = window->session().clock().elapsedMilliseconds();
    QTest::qWait(30);
    EXPECT_EQ(window->session().clock().elapsedMilliseconds(), held);
    EXPECT_EQ(redPixels(pictureArea()), 0);

    // Mouse, keys and commands alike.
    pressCell(1);
    pressCell(2);
    QTest::keyClick(board(), Qt::Key_Space);
    QTest::keyClick(board(), Qt::Key_Space);
    action("mnuUndo")->trigger();
    EXPECT_EQ(window->session().state().blockList, arrangement);
    EXPECT_EQ(window->session().moves(), 1);

    // P again resumes from the time held; the board plays again.
    QTest::keyClick(find<QWidget>("lblPaused"), Qt::Key_P);
    ASSERT_FALSE(paused());
    EXPECT_TRUE(window->session().clock().clockRunning());
    EXPECT_GE(window->session().clock().elapsedMilliseconds(), held);
    EXPECT_GT(redPixels(pictureArea()), 1000);
    action("mnuUndo")->trigger();
    EXPECT_EQ(window->session().moves(), 2);

    // The menu item pauses; a click on the cover resumes.
    action("mnuPause")->trigger();
    ASSERT_TRUE(paused());
    QTest::mouseClick(find<QWidget>("lblPaused"), Qt::LeftButton);
    EXPECT_FALSE(paused());
    EXPECT_TRUE(window->session().clock().clockRunning());
}

TEST_F(PauseTest, MinimisingPausesAndRestoringResumes)
{
    window->showMinimized();
    ASSERT_TRUE(paused());
    const qint64 held = window->session().clock().elapsedMilliseconds();
    QTest::qWait(30);
    EXPECT_EQ(window->session().clock().elapsedMilliseconds(), held);
    window->showNormal();
    EXPECT_FALSE(paused());
    EXPECT_TRUE(window->session().clock().clockRunning());

    // A game the player paused stays paused when the window comes back.
    action("mnuPause")->trigger();
    window->showMinimized();
    window->showNormal();
    EXPECT_TRUE(paused());
}

TEST_F(PauseTest, OnlyAGameOnTheBoardPauses)
{
    action("mnuSolution")->trigger();
    QTest::keyClick(window.get(), Qt::Key_P);
    EXPECT_FALSE(paused());
    action("mnuPause")->trigger();
    EXPECT_FALSE(paused());
    EXPECT_FALSE(find<QWidget>("lblPaused")->isVisible());
}

TEST_F(PauseTest, APausedVideoStopsAndGoesOnFromItsFrame)
{
    const QString path = folder.filePath("clip.avi");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("RIFF");
    file.close();
    auto *player = find<TDCAviPlayer>("avi");
    player->setVideoOpener([](const QString &) -> std::unique_ptr<video::VideoSource> {
        return std::make_unique<testvideo::FakeVideo>(
            video::VideoStreamInfo{0, 500, 64, 48, 1, 25});
    });
    openThroughDialog(path);
    ASSERT_TRUE(window->boardView().isVideo());
    ASSERT_TRUE(QTest::qWaitFor([player] { return player->Position() > 2; }));
    action("mnuPause")->trigger();
    EXPECT_FALSE(player->Active());
    const int frame = player->Position();
    QTest::qWait(100);
    EXPECT_EQ(player->Position(), frame);
    action("mnuPause")->trigger();
    EXPECT_TRUE(player->Active());
    EXPECT_GE(player->Position(), frame);
}
