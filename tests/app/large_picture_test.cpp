// A photo far larger than the screen opens reduced, yet looks and plays as its full decode.
#include "window_fixture.h"

#include "game/board_renderer.h"
#include "game/geometry.h"
#include "sources/jpeg_decoder.h"

#include <QImage>

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

double meanChannelDifference(const QImage &a, const QImage &b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y), q = right.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * left.width() * left.height());
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

    window->openPuzzle(path);
    const QImage &reduced = window->solutionPicture();
    EXPECT_LT(reduced.width(), fileSize.width());
    EXPECT_GE(reduced.width(), screen.width());
    EXPECT_GE(reduced.height(), screen.height());
    EXPECT_EQ(window->boardPicture().size(), reduced.size());

    // What the full decode would show: the same arrangement drawn at full size in a picture
    // control of the board's size.
    const QImage full = sources::decodeJpegFile(path);
    ASSERT_EQ(full.size(), fileSize);
    // Bevels over the reduced picture are narrowed alike, so the grid looks the same too.
    for (const bool grid : {false, true}) {
        SCOPED_TRACE(grid ? "grid" : "no grid");
        if (grid)
            action("mnuShowGrid")->trigger();
        game::GameState state = window->state();
        QImage fullBoard;
        game::drawBitmap(state, full, full, {grid, false}, fullBoard);
        PictureView fullView;
        fullView.resize(board()->size());
        fullView.setPicture(&fullBoard);
        // 1.7 levels here without the grid, 2.0 with it (6.3 with unnarrowed bevels).
        EXPECT_LT(meanChannelDifference(board()->grab().toImage(), fullView.grab().toImage()), 3.0);
    }

    // Presses are mapped on the screen from the picture's shape, which the reduction keeps.
    for (const auto &[rows, cols] : {std::pair{15, 15}, {4, 4}, {7, 9}}) {
        const game::ScreenLayout shown =
            game::screenLayoutFor(board()->size(), reduced.size(), rows, cols);
        const game::ScreenLayout meant =
            game::screenLayoutFor(board()->size(), fileSize, rows, cols);
        EXPECT_EQ(shown.offX, meant.offX);
        EXPECT_EQ(shown.offY, meant.offY);
        EXPECT_EQ(shown.tileWidth, meant.tileWidth);
        EXPECT_EQ(shown.tileHeight, meant.tileHeight);
    }
}
