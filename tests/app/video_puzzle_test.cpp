// SPDX-License-Identifier: GPL-3.0-or-later
// Video puzzles in the window: opening, the board refreshed from the playing video, the
// selection frames, restart, completion and the failure path.
#include "window_fixture.h"

#include "game/geometry.h"

#include "../video/fake_video.h"
#include "game/board_renderer.h"
#include "video/AVIPlay.h"

#include <QFile>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using testvideo::colourOfFrame;

class VideoPuzzleTest : public WindowTest
{
  protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        player = find<TDCAviPlayer>("avi");
        refresh = find<QTimer>("Timer1");
    }

    // A file whose name the Open dialog accepts; the player opens it as the stream given.
    QString videoFile(const char *name, std::optional<video::VideoStreamInfo> stream)
    {
        const QString path = folder.filePath(QLatin1String(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        player->setVideoOpener([stream](const QString &) -> std::unique_ptr<video::VideoSource> {
            if (!stream)
                return nullptr;
            return std::make_unique<testvideo::FakeVideo>(*stream);
        });
        return path;
    }

    // Refresh ticks are driven by hand from here on; the player keeps its own clock.
    void takeOverRefresh()
    {
        ASSERT_TRUE(refresh->isActive());
        refresh->stop();
    }

    QRgb boardPixel(QPoint at) { return window->boardView().boardPicture().pixel(at); }

    // Two sibling pictures a.jpg and b.jpg; a.jpg is opened through the dialog.
    void openStillPictures()
    {
        QImage still(60, 60, QImage::Format_RGB32);
        still.fill(Qt::red);
        for (const char *name : {"a.jpg", "b.jpg"})
            ASSERT_TRUE(still.save(folder.filePath(QLatin1String(name))));
        openThroughDialog(folder.filePath("a.jpg"));
    }

    QTemporaryDir folder;
    TDCAviPlayer *player = nullptr;
    QTimer *refresh = nullptr;
};

namespace {

const video::VideoStreamInfo clip{0, 500, 120, 90, 1, 100};

} // namespace

TEST_F(VideoPuzzleTest, AChosenVideoPlaysOnTheBoard)
{
    openStillPictures();
    const QStringList recent = [&] {
        QStringList texts;
        for (QAction *item : find<QMenu>("mnuImageFiles")->actions())
            texts << item->text();
        return texts;
    }();

    openThroughDialog(videoFile("clip.avi", clip));
    EXPECT_EQ(window->windowTitle(), "Pindrel - clip.avi");
    EXPECT_TRUE(window->boardView().isVideo());
    EXPECT_TRUE(player->Active());
    EXPECT_EQ(player->StopFrame(), 499);
    EXPECT_TRUE(refresh->isActive());
    EXPECT_EQ(window->boardView().boardPicture().size(), QSize(120, 90));
    EXPECT_TRUE(action("FadeBlocks1")->isChecked());
    EXPECT_FALSE(action("FadeBlocks1")->isEnabled());
    EXPECT_FALSE(board()->smoothScaling());
    // Videos have no siblings and never enter the recent menu.
    for (const char *name : {"btnBack", "btnForward"})
        EXPECT_FALSE(find<QToolButton>(name)->isEnabled()) << name;
    EXPECT_FALSE(action("Back1")->isEnabled());
    EXPECT_EQ(window->navigation().files().size(), 2);
    EXPECT_EQ(find<QMenu>("mnuImageFiles")->actions().size(), recent.size());

    // Every refresh tick shows the frame the player is at, in every tile.
    EXPECT_TRUE(QTest::qWaitFor([&] { return player->Position() >= 3; }, 5000));
    takeOverRefresh();
    window->Timer1Timer();
    const QRgb shown = colourOfFrame(player->Position());
    EXPECT_EQ(window->boardView().solutionPicture().pixel(60, 45), shown);
    EXPECT_EQ(window->boardView().boardPicture().pixel(15, 11), shown);
    EXPECT_EQ(window->boardView().boardPicture().pixel(105, 78), shown);
    EXPECT_TRUE(QTest::qWaitFor([&] { return colourOfFrame(player->Position()) != shown; }, 5000));
    window->Timer1Timer();
    EXPECT_NE(window->boardView().boardPicture().pixel(15, 11), shown);

    // A still picture afterwards closes the video.
    openThroughDialog(folder.filePath("b.jpg"));
    EXPECT_FALSE(refresh->isActive());
    EXPECT_TRUE(player->FileName().isEmpty());
    EXPECT_FALSE(window->boardView().isVideo());
    EXPECT_TRUE(action("FadeBlocks1")->isEnabled());
    EXPECT_TRUE(board()->smoothScaling());
}

TEST_F(VideoPuzzleTest, SelectionFramesFollowTheRefreshTicks)
{
    openThroughDialog(videoFile("clip.avi", clip));
    takeOverRefresh();
    const game::GameState &state = window->session().state();
    // Two tiles not at home, so a swap is a move and does not finish the game.
    int first = 1;
    while (state.blockList[std::size_t(first - 1)] == first)
        ++first;
    const int firstCell = state.blockList[std::size_t(first - 1)];
    const auto frameCorner = [&] {
        const QSize tile =
            game::tileSizeFor(window->boardView().boardPicture().size(), state.rows, state.cols);
        return QPoint(state.clickedCol * tile.width() + 1, state.clickedRow * tile.height() + 1);
    };

    pressCell(first);
    window->Timer1Timer();
    EXPECT_EQ(boardPixel(frameCorner()), game::yellow);

    pressCell(firstCell);
    EXPECT_EQ(text("txtMoveCount"), "1");
    for (int tick = 1; tick <= 5; ++tick) {
        window->Timer1Timer();
        const bool red = boardPixel(frameCorner()) == game::red;
        EXPECT_EQ(red, tick <= 4) << "tick " << tick;
    }
    EXPECT_NE(boardPixel(frameCorner()), game::yellow);
}

TEST_F(VideoPuzzleTest, MoveBlocksShowsNoFrame)
{
    openThroughDialog(videoFile("clip.avi", clip));
    window->applyOptions(game::MoveBlocks, 3, 3, false);
    takeOverRefresh();
    const game::GameState &state = window->session().state();
    // A tile next to the gap slides; the tick draws no frame over it.
    const int gapCol = state.gapCell % 3;
    const int neighbour = state.gapCell + (gapCol > 0 ? 0 : 2); // the cell left or right, 1-based
    pressCell(neighbour);
    window->Timer1Timer();
    const QImage board = window->boardView().boardPicture();
    int framePixels = 0;
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x)
            framePixels += board.pixel(x, y) == game::red || board.pixel(x, y) == game::yellow;
    EXPECT_EQ(framePixels, 0);
}

TEST_F(VideoPuzzleTest, CompletionAndRestartKeepTheVideoPlaying)
{
    openThroughDialog(videoFile("clip.avi", clip));
    window->applyOptions(game::SwapBlocks, 3, 3, false);
    const game::GameState &state = window->session().state();
    for (int tile = 1; tile <= 9 && !game::isSolved(state); ++tile) {
        const int cell = state.blockList[std::size_t(tile - 1)];
        if (cell != tile) {
            pressCell(tile);
            pressCell(cell);
        }
    }
    ASSERT_TRUE(game::isSolved(state));
    EXPECT_FALSE(window->session().clock().clockRunning());
    EXPECT_TRUE(player->Active());
    EXPECT_TRUE(refresh->isActive());
    // The solution view goes on showing the running video.
    takeOverRefresh();
    EXPECT_TRUE(QTest::qWaitFor([&] { return player->Position() > 5; }, 5000));
    window->Timer1Timer();
    EXPECT_EQ(window->boardView().solutionPicture().pixel(0, 0), colourOfFrame(player->Position()));

    // Restart keeps the video's place unless the video is to restart too.
    const qint32 before = player->Position();
    window->btnRestartClick();
    EXPECT_GE(player->Position(), before);
    window->applyOptions(game::SwapBlocks, 3, 3, true);
    EXPECT_EQ(player->Position(), 0);
    EXPECT_TRUE(player->Active());
}

TEST_F(VideoPuzzleTest, AFailedVideoLeavesNothingHalfDone)
{
    openStillPictures();
    const QStringList siblings = window->navigation().files();
    for (const bool afterVideo : {false, true}) {
        SCOPED_TRACE(afterVideo ? "after a video" : "after a still picture");
        if (afterVideo) {
            openThroughDialog(videoFile("clip.avi", clip));
            // A frame with colour enough on the board for its darkened copy to differ, to be
            // left behind (frame n is coloured n: the first few darken to themselves).
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return qBlue(window->boardView().solutionPicture().pixel(60, 45)) >= 8; }));
        }
        QString caption, message;
        expectMessage(&caption, &message);
        openThroughDialog(videoFile("broken.avi", std::nullopt));
        EXPECT_EQ(caption, "Error");
        EXPECT_EQ(message, "Unable to open file.");
        EXPECT_EQ(window->windowTitle(), "Pindrel");
        // No puzzle shows and nothing plays: still-picture rules until the next one.
        EXPECT_FALSE(board()->isVisible());
        EXPECT_FALSE(window->session().clock().clockRunning());
        EXPECT_EQ(text("txtStatus"), "00 : 00 : 00");
        EXPECT_FALSE(player->Active());
        EXPECT_FALSE(refresh->isActive());
        EXPECT_FALSE(window->boardView().isVideo());
        EXPECT_TRUE(action("FadeBlocks1")->isEnabled());
        EXPECT_EQ(window->navigation().files(), siblings);
        // The dialog now names the video's folder: stepping through the old names is off.
        EXPECT_FALSE(find<QToolButton>("btnForward")->isEnabled());
        EXPECT_FALSE(action("Next1")->isEnabled());
    }
    // Restart deals the frame left behind as a still picture, darkened copy and all.
    window->btnRestartClick();
    EXPECT_TRUE(board()->isVisible());
    EXPECT_NE(window->boardView().dimPicture().pixel(60, 45),
              window->boardView().solutionPicture().pixel(60, 45));
}

TEST_F(VideoPuzzleTest, ARecentPictureEndsTheVideoHoweverItsOpenEnds)
{
    openStillPictures();
    const QString path = folder.filePath("a.jpg");
    const std::tuple<const char *, std::function<void()>, bool> cases[] = {
        {"a picture", [] {}, true},
        {"gone", [&] { ASSERT_TRUE(QFile::remove(path)); }, false},
    };
    for (const auto &[name, spoil, opens] : cases) {
        SCOPED_TRACE(name);
        openThroughDialog(videoFile("clip.avi", clip));
        ASSERT_TRUE(player->Active());
        spoil();
        QString caption, message;
        if (!opens)
            expectMessage(&caption, &message);
        find<QMenu>("mnuImageFiles")->actions().constFirst()->trigger();
        EXPECT_EQ(message.isEmpty(), opens);
        EXPECT_FALSE(player->Active());
        EXPECT_TRUE(player->FileName().isEmpty());
        EXPECT_FALSE(refresh->isActive());
        EXPECT_FALSE(window->boardView().isVideo());
        EXPECT_EQ(board()->isVisible(), opens);
        EXPECT_EQ(window->session().clock().clockRunning(), opens);
    }
}

TEST_F(VideoPuzzleTest, TheRefreshRunsWhileAVideoIsOpenAndItsIntervalAllows)
{
    window->videoBoard().setRefreshInterval(0);
    openThroughDialog(videoFile("clip.avi", clip));
    EXPECT_TRUE(player->Active());
    EXPECT_FALSE(refresh->isActive());
    // A usable interval from the options' track bar starts it; a still picture never has it.
    window->videoBoard().setRefreshInterval(25);
    EXPECT_TRUE(refresh->isActive());
    EXPECT_EQ(refresh->interval(), 25);
    openStillPictures();
    EXPECT_FALSE(refresh->isActive());
    window->videoBoard().setRefreshInterval(40);
    EXPECT_FALSE(refresh->isActive());
}

TEST_F(VideoPuzzleTest, MovesOnAVideoAreTakenBackAndPlayedAgain)
{
    openThroughDialog(videoFile("clip.avi", clip));
    window->applyOptions(game::MoveBlocks, 3, 3, false);
    takeOverRefresh();
    const game::GameState &state = window->session().state();
    const std::vector<int> dealt = state.blockList;
    const int gapCol = state.gapCell % 3;
    pressCell(state.gapCell + (gapCol > 0 ? 0 : 2)); // the tile left or right of the gap
    const std::vector<int> moved = state.blockList;
    ASSERT_NE(moved, dealt);
    QTest::keyClick(window->windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(state.blockList, dealt);
    window->Timer1Timer();
    QTest::keyClick(window->windowHandle(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(state.blockList, moved);
    EXPECT_EQ(text("txtMoveCount"), "3");
    window->Timer1Timer();
    EXPECT_EQ(state.gapCell + 1, state.blockList.back());
    EXPECT_TRUE(player->Active());
}
