// SPDX-License-Identifier: GPL-3.0-or-later
// A photo far larger than the screen opens reduced, and a video far larger than its board is
// built at the board's shown size, yet both look and play as their full pictures; a photo
// downloaded as one opened from disk.
#include "window_fixture.h"

#include "../video/avi_fixtures.h"
#include "../video/frame_checks.h"
#include "game/board_renderer.h"
#include "game/geometry.h"
#include "sources/jpeg_decoder.h"
#include "sources/picture_cover.h"
#include "support/loopback_server.h"
#include "support/process_status.h"
#include "video/AVIPlay.h"
#include "video/media_loader.h"

#include <QFile>
#include <QImage>
#include <QTimer>

namespace {

// Gradients under a pattern of squares, so a misplaced or misscaled tile shows.
QImage photo(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y,
                           qRgb(x * 255 / size.width(), y * 255 / size.height(),
                                (x / 200 + y / 200) % 2 ? 220 : 40));
    return image;
}

// Presses are mapped on the screen from the picture's shape, which a reduction keeps.
void expectPressesLandAlike(QSize control, QSize reduced, QSize full)
{
    for (const auto &[rows, cols] : {std::pair{15, 15}, {4, 4}, {7, 9}}) {
        const game::ScreenLayout shown = game::screenLayoutFor(control, reduced, rows, cols);
        const game::ScreenLayout meant = game::screenLayoutFor(control, full, rows, cols);
        EXPECT_EQ(shown.offX, meant.offX);
        EXPECT_EQ(shown.offY, meant.offY);
        EXPECT_EQ(shown.tileWidth, meant.tileWidth);
        EXPECT_EQ(shown.tileHeight, meant.tileHeight);
    }
}

// What the full picture would show: the same arrangement drawn at full size in a picture
// control of the board's size.
QImage shownAtFullSize(const game::GameState &played, const QImage &full, bool grid, bool smooth,
                       QSize control)
{
    game::GameState state = played;
    QImage fullBoard;
    game::drawBoard(state, full, full, {grid, false}, fullBoard);
    PictureView fullView;
    fullView.setSmoothScaling(smooth);
    fullView.resize(control);
    fullView.setPicture(&fullBoard);
    return fullView.grab().toImage();
}

} // namespace

TEST_F(WindowTest, APhotoFarLargerThanTheScreenLooksAndPlaysAsItsFullDecode)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("large.jpg");
    const QSize fileSize(4400, 3300);
    ASSERT_TRUE(photo(fileSize).save(path, "JPG", 92));
    const QSize screen = sources::largestScreenPixels();
    ASSERT_LE(2 * screen.width(), fileSize.width()); // the offscreen screens are small
    const QImage full = sources::decodeJpegFile(path);
    ASSERT_EQ(full.size(), fileSize);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    LoopbackServer server;
    LoopbackServer::Response download;
    download.body = file.readAll();
    server.serve(QStringLiteral("/large.jpg"), download);

    // Opened from disk or downloaded alike.
    for (const bool downloaded : {false, true}) {
        SCOPED_TRACE(downloaded ? "downloaded" : "from disk");
        const qint64 before = statusBytes("VmRSS:");
        ASSERT_TRUE(resetPeakResident());
        if (downloaded) {
            ASSERT_EQ(openFromWebAndWait(server.url(QStringLiteral("/large.jpg"))),
                      TfrmMain::WebPicture::Opened);
        } else {
            window->openPuzzle(path);
        }
        // Never a full-size picture held, let alone the several a board is built with.
        if (residentSetIsMeaningful) {
            EXPECT_LT(statusBytes("VmHWM:") - before, full.sizeInBytes());
        }
        const QImage &reduced = window->boardView().solutionPicture();
        EXPECT_LT(reduced.width(), fileSize.width());
        EXPECT_GE(reduced.width(), screen.width());
        EXPECT_GE(reduced.height(), screen.height());
        EXPECT_EQ(window->boardView().boardPicture().size(), reduced.size());

        // Bevels over the reduced picture are narrowed alike, so the grid looks the same too.
        for (const bool grid : {false, true}) {
            SCOPED_TRACE(grid ? "grid" : "no grid");
            if (action("mnuShowGrid")->isChecked() != grid)
                action("mnuShowGrid")->trigger();
            // 1.7 levels here without the grid, 2.0 with it (6.3 with unnarrowed bevels).
            EXPECT_LT(
                videotest::meanChannelDifference(
                    board()->grab().toImage(),
                    shownAtFullSize(window->session().state(), full, grid, true, board()->size())),
                3.0);
        }
        expectPressesLandAlike(board()->size(), reduced.size(), fileSize);
    }
}

TEST_F(WindowTest, AVideoFarLargerThanItsBoardLooksAndPlaysAsItsFullFrames)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir folder;
    const QString path = folder.filePath("hd.avi");
    const QSize frameSize(1280, 720);
    ASSERT_TRUE(videotest::makeSourceVideo(path, "testsrc2=size=1280x720:rate=25", 5,
                                           {"-c:v", "mpeg4", "-q:v", "2"}));
    window->openChosenFile(path);
    ASSERT_TRUE(window->boardView().isVideo());
    find<QTimer>("Timer1")->stop();
    auto *player = find<TDCAviPlayer>("avi");
    const std::unique_ptr<video::VideoSource> fullFrames = video::openMediaFile(path, {});
    ASSERT_TRUE(fullFrames);

    // The next refresh after a resize builds the board at the new size.
    for (const auto &[windowSize, grid] : {std::pair{QSize(700, 560), false}, {{460, 380}, true}}) {
        SCOPED_TRACE(grid ? "grid" : "no grid");
        window->resize(windowSize);
        action("mnuShowGrid")->setChecked(grid);
        window->Timer1Timer();
        const QSize built = window->boardView().boardPicture().size();
        EXPECT_EQ(built, board()->pictureRect().size() * board()->devicePixelRatioF());
        EXPECT_LT(built.width(), frameSize.width());
        EXPECT_EQ(window->boardView().solutionPicture().size(), built);

        const QImage full = fullFrames->frame(player->Position());
        ASSERT_EQ(full.size(), frameSize);
        const double difference = videotest::meanChannelDifference(
            board()->grab().toImage(),
            shownAtFullSize(window->session().state(), full, grid, false, board()->size()));
        // 3.6-3.9 levels without the grid, 2.7 with it: a test pattern's sharp edges scaled
        // smoothly instead of by nearest neighbour. Two tiles exchanged make 12-13.
        EXPECT_LT(difference, 5.0);
        expectPressesLandAlike(board()->size(), built, frameSize);
    }
}
