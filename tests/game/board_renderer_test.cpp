// SPDX-License-Identifier: GPL-3.0-or-later
// Pixels of drawn boards: tile copies, black strips, bevels, the gap, dimming and the frame.
#include "game/board_renderer.h"

#include "game/darkness.h"
#include "game/geometry.h"
#include "game/shuffle.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

using namespace game;

namespace {

// Every pixel different, so a copy from the wrong place shows.
QImage patternPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x & 255, y & 255, 64 + (x >> 8) + ((y >> 8) << 3)));
    return image;
}

// A plain, recognisable dim source.
QImage flatPicture(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

GameState solvedState(int rows, int cols)
{
    GameState state;
    state.rows = rows;
    state.cols = cols;
    state.blockList.resize(std::size_t(state.tileCount()));
    std::iota(state.blockList.begin(), state.blockList.end(), 1);
    return state;
}

// Nearest neighbour at pixel centres, from a (size + 1)-pixel source span into size pixels.
int sourceOffset(int offset, int size)
{
    return int((offset + 0.5) * (size + 1) / size);
}

constexpr QRgb dimColour = 0xff102030;

// The board drawn the plain way: each tile pixel by pixel into its cell, then each bevel
// band over the whole board in order. drawBoard must match it pixel for pixel.
QImage plainBoard(const GameState &state, const QImage &solution, const QImage &dim,
                  const BoardLook &look)
{
    QImage board(solution.size(), QImage::Format_RGB32);
    board.fill(black);
    const QSize tile = tileSizeFor(solution.size(), state.rows, state.cols);
    const int w = tile.width(), h = tile.height();
    auto band = [&](int x0, int y0, int width, int height, QRgb colour) {
        for (int y = y0; y < y0 + height; ++y)
            for (int x = x0; x < x0 + width; ++x)
                if (board.rect().contains(x, y))
                    board.setPixel(x, y, colour);
    };
    std::vector<std::pair<QPoint, bool>> bevels;
    for (int t = 1; t <= state.tileCount(); ++t) {
        const int d = state.blockList[std::size_t(t - 1)] - 1;
        const bool selected =
            look.dimAll || d + 1 == state.dimmedCell || d + 1 == state.dimmedTarget;
        const bool gap = !selected && d == state.gapCell;
        const bool slidingGap = gap && state.gameType == MoveBlocks;
        const QImage *from =
            selected || slidingGap || (look.dimIncorrect && d + 1 != t) ? &dim : &solution;
        const QPoint cell(d % state.cols * w, d / state.cols * h);
        const QPoint home((t - 1) % state.cols * w, (t - 1) / state.cols * h);
        if (!gap || slidingGap)
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const QPoint source = home + QPoint(sourceOffset(x, w), sourceOffset(y, h));
                    if (board.rect().contains(cell + QPoint(x, y)))
                        board.setPixel(cell + QPoint(x, y),
                                       from->rect().contains(source) ? from->pixel(source) : black);
                }
        if (!selected && (look.gridOverlay || slidingGap))
            bevels.push_back({cell, gap});
    }
    const int b = look.bevelWidth;
    for (const auto &[cell, sunken] : bevels) {
        const QRgb light = sunken ? black : white, dark = sunken ? white : black;
        band(cell.x(), cell.y(), w, b, light);
        band(cell.x() + w - b, cell.y() + 1, b, h - 1, dark);
        band(cell.x(), cell.y() + h - b, w, b, dark);
        band(cell.x(), cell.y(), b, h - 1, light);
    }
    return board;
}

} // namespace

TEST(DrawBitmap, MatchesThePlainDrawingPixelForPixel)
{
    struct Case
    {
        QSize picture;
        int rows, cols;
        GameType type;
        BoardLook look;
        int dimmedCell;
    };
    const Case cases[] = {
        {{640, 200}, 3, 3, SwapBlocks, {true, false}, 2}, // strips right and cut bottom row
        {{301, 177}, 15, 15, MoveBlocks, {true, true}, -1},
        {{301, 177}, 15, 15, MoveBlocks, {false, false}, -1},
        {{97, 61}, 8, 9, SwapBlocks, {true, true}, 5},
        {{20, 11}, 6, 9, MoveBlocks, {true, false}, -1}, // tiles under 3 x 3 pixels
        {{40, 40}, 15, 15, SwapBlocks, {true, false}, 7},
        {{301, 177}, 15, 15, MoveBlocks, {true, false, 1}, -1}, // narrowed for a reduced decode
        {{97, 61}, 8, 9, SwapBlocks, {true, false, 2}, 5},
        {{20, 11}, 6, 9, SwapBlocks, {true, false, 1}, -1},
        {{20, 11}, 6, 9, SwapBlocks, {true, false, 2}, -1},
        {{1000, 563}, 15, 15, MoveBlocks, {true, true}, -1}, // a board in large pages and a tail
        // Pictures smaller than the grid: tiles a pixel wide, sources below the picture.
        {{3, 3}, 4, 4, SwapBlocks, {false, false}, -1},
        {{4, 3}, 4, 4, SwapBlocks, {false, true}, 3},
        {{9, 3}, 4, 4, MoveBlocks, {true, false}, -1},
        {{6, 3}, 4, 4, MoveBlocks, {false, false}, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.picture.width() << "x" << c.picture.height() << " "
                                        << c.rows << "x" << c.cols << " type " << c.type);
        const QImage picture = patternPicture(c.picture.width(), c.picture.height());
        QImage dim = picture;
        dim.invertPixels();
        GameState state;
        state.rows = c.rows;
        state.cols = c.cols;
        state.gameType = c.type;
        randomBlocks(state, 99);
        state.dimmedCell = c.dimmedCell;
        // Into a board of its own, and straight into a screen's wider memory, three pixels
        // into a line, past the caches.
        const auto drawnBothWays = [&](const QImage &expected, const DimTiles &dimTiles) {
            const auto mismatches = [&](const QImage &board) {
                int count = 0;
                for (int y = 0; y < board.height(); ++y)
                    for (int x = 0; x < board.width(); ++x)
                        count += board.pixel(x, y) != expected.pixel(x, y);
                return count;
            };
            QImage board = flatPicture(picture.size(), 0xff445566);
            drawBoard(state, picture, dimTiles, c.look, board);
            EXPECT_EQ(mismatches(board), 0);

            const int screenWidth = c.picture.width() + 7;
            std::vector<QRgb> screen(std::size_t(screenWidth * (c.picture.height() + 1)),
                                     0xff445566);
            QImage inPlace(reinterpret_cast<uchar *>(screen.data() + screenWidth + 3),
                           c.picture.width(), c.picture.height(),
                           screenWidth * qsizetype(sizeof(QRgb)), QImage::Format_RGB32);
            BoardLook forScreen = c.look;
            forScreen.forAnotherReader = true;
            drawBoard(state, picture, dimTiles, forScreen, inPlace);
            ASSERT_EQ(inPlace.constBits(),
                      reinterpret_cast<uchar *>(screen.data() + screenWidth + 3));
            EXPECT_EQ(mismatches(inPlace), 0);
            EXPECT_EQ(screen[std::size_t(screenWidth + 2)], 0xff445566) << "left of the board";
        };
        drawnBothWays(plainBoard(state, picture, dim, c.look), {dim, std::nullopt});
        // Dimmed tiles darkened as they are drawn show what a darkened copy of the picture
        // would, by either way of darkening (amounts within a byte, and past it).
        for (const int amount : {100, 300}) {
            SCOPED_TRACE(testing::Message() << "darkened by " << amount);
            QImage darkened = picture;
            darkenBitmap(darkened, amount);
            drawnBothWays(plainBoard(state, picture, darkened, c.look), {picture, amount});
        }
    }
}

TEST(DrawBitmap, SolvedBoardIsTheShrunkPictureWithABlackStrip)
{
    const QImage picture = patternPicture(640, 200);
    GameState state = solvedState(3, 3);
    QImage board;
    drawBoard(state, picture, flatPicture(picture.size(), dimColour), {}, board);
    ASSERT_EQ(board.size(), picture.size());

    const QSize tile = tileSizeFor(picture.size(), 3, 3);
    ASSERT_EQ(tile, QSize(213, 67));
    int mismatches = 0;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 640; ++x) {
            QRgb expected = black;
            const int col = x / tile.width(), row = y / tile.height();
            if (col < 3 && row < 3) {
                const int sx = col * tile.width() + sourceOffset(x % tile.width(), tile.width());
                const int sy = row * tile.height() + sourceOffset(y % tile.height(), tile.height());
                if (sx < 640 && sy < 200)
                    expected = picture.pixel(sx, sy);
            }
            mismatches += board.pixel(x, y) != expected;
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(board.pixel(639, 10), black);
    // The middle source column of a tile is the one left out.
    EXPECT_EQ(board.pixel(105, 5), picture.pixel(105, 5));
    EXPECT_EQ(board.pixel(106, 5), picture.pixel(107, 5));
    // Rows: 200 / 3 = 66.67 rounds to 67, so the last row of cells is cut at the edge and
    // its last visible row reads past the picture as black.
    EXPECT_EQ(board.pixel(10, 199), black);
}

TEST(DrawBitmap, TilesGoToTheCellsTheArrangementNames)
{
    const QImage picture = patternPicture(90, 60);
    GameState state = solvedState(2, 3);
    state.blockList = {6, 2, 3, 4, 5, 1}; // tiles 1 and 6 exchanged
    QImage board;
    drawBoard(state, picture, flatPicture(picture.size(), dimColour), {}, board);
    // Cell 1 shows tile 6 (home at x 60, y 30) and cell 6 shows tile 1.
    EXPECT_EQ(board.pixel(0, 0), picture.pixel(60, 30));
    EXPECT_EQ(board.pixel(60, 30), picture.pixel(0, 0));
    EXPECT_EQ(board.pixel(30, 0), picture.pixel(30, 0));

    // Dim Incorrect Tiles draws the two strays from the dim source only.
    drawBoard(state, picture, flatPicture(picture.size(), dimColour), {false, true}, board);
    EXPECT_EQ(board.pixel(5, 5), dimColour);
    EXPECT_EQ(board.pixel(65, 35), dimColour);
    EXPECT_EQ(board.pixel(35, 5), picture.pixel(35, 5));
}

TEST(DrawBitmap, GridOverlayRaisesEveryTileButDimmedSelections)
{
    const QImage picture = flatPicture({300, 300}, 0xff808080);
    GameState state = solvedState(3, 3);
    state.dimmedCell = 5;
    QImage board;
    drawBoard(state, picture, flatPicture(picture.size(), dimColour), {true, false}, board);

    const int x0 = 100, y0 = 0; // cell 2
    EXPECT_EQ(board.pixel(x0, y0), white);
    EXPECT_EQ(board.pixel(x0 + 99, y0), white);     // top band survives at the top right
    EXPECT_EQ(board.pixel(x0 + 99, y0 + 1), black); // right band below it
    EXPECT_EQ(board.pixel(x0 + 97, y0 + 50), black);
    EXPECT_EQ(board.pixel(x0 + 96, y0 + 50), 0xff808080u);
    EXPECT_EQ(board.pixel(x0, y0 + 99), black); // bottom band survives at the bottom left
    EXPECT_EQ(board.pixel(x0, y0 + 98), white); // left band above it
    EXPECT_EQ(board.pixel(x0 + 2, y0 + 50), white);
    EXPECT_EQ(board.pixel(x0 + 3, y0 + 50), 0xff808080u);
    EXPECT_EQ(board.pixel(x0 + 50, y0 + 97), black);

    // The picked tile is dimmed and has no bevel.
    EXPECT_EQ(board.pixel(100, 100), dimColour);
    EXPECT_EQ(board.pixel(199, 100), dimColour);
}

TEST(DrawBitmap, MoveBlocksGapIsSunkenAndDark)
{
    const QImage picture = flatPicture({300, 300}, 0xff808080);
    GameState state = solvedState(3, 3);
    state.gameType = MoveBlocks;
    state.blockList = {1, 2, 3, 4, 9, 6, 7, 8, 5}; // the gap tile lies in the centre cell
    state.gapCell = 4;
    QImage board;
    drawBoard(state, picture, flatPicture(picture.size(), dimColour), {}, board);

    EXPECT_EQ(board.pixel(150, 150), dimColour);
    EXPECT_EQ(board.pixel(100, 100), black);       // top band, sunken
    EXPECT_EQ(board.pixel(199, 100), black);       // its surviving corner
    EXPECT_EQ(board.pixel(199, 101), white);       // right band
    EXPECT_EQ(board.pixel(100, 199), white);       // bottom band's surviving corner
    EXPECT_EQ(board.pixel(100, 198), black);       // left band
    EXPECT_EQ(board.pixel(0, 0), 0xff808080u);     // no bevel elsewhere with the grid off
    EXPECT_EQ(board.pixel(299, 299), 0xff808080u); // tile 5 in cell 9, drawn normally
}

TEST(DrawBitmap, DimAllOnceDimsEverythingOnce)
{
    const QImage picture = flatPicture({90, 90}, 0xff808080);
    GameState state = solvedState(3, 3);
    bool dimAllOnce = true;
    QImage board;
    drawBoard(state, picture, flatPicture(picture.size(), dimColour),
              takeDimAllOnce(dimAllOnce, {true, false}), board);
    EXPECT_FALSE(dimAllOnce);
    EXPECT_EQ(board.pixel(0, 0), dimColour); // no bevel either
    EXPECT_EQ(board.pixel(88, 88), dimColour);

    drawBoard(state, picture, flatPicture(picture.size(), dimColour),
              takeDimAllOnce(dimAllOnce, {}), board);
    EXPECT_EQ(board.pixel(45, 45), 0xff808080u);
}

TEST(DrawBitmap, SourcesOfOtherFormatsAndSizesAreSafe)
{
    // A 24-bit solution and a dim source smaller than the board: no read past either.
    const QImage picture = patternPicture(50, 40).convertToFormat(QImage::Format_RGB888);
    GameState state = solvedState(3, 3);
    state.blockList = {9, 2, 3, 4, 5, 6, 7, 8, 1};
    state.dimmedCell = 9;
    QImage board;
    drawBoard(state, picture, flatPicture({10, 10}, dimColour), {}, board);
    EXPECT_EQ(board.size(), QSize(50, 40));
    EXPECT_EQ(board.pixel(1, 1), picture.pixel(35, 27)); // tile 9 (home 34,26) in cell 1
    EXPECT_EQ(board.pixel(36, 28), dimColour);
    EXPECT_EQ(board.pixel(46, 37), black); // tile 1 read dim from beyond the small source
}

TEST(SelectionFrame, FiveWideAroundTheClickedCell)
{
    const QImage picture = flatPicture({300, 300}, 0xff808080);
    GameState state = solvedState(3, 3);
    QImage board;
    drawBoard(state, picture, picture, {}, board);
    state.clickedCol = 1;
    state.clickedRow = 2;
    drawSelectionFrame(board, state, red);
    EXPECT_EQ(board.pixel(100, 200), red);
    EXPECT_EQ(board.pixel(199, 299), red);
    EXPECT_EQ(board.pixel(104, 250), red);
    EXPECT_EQ(board.pixel(105, 250), 0xff808080u);
    EXPECT_EQ(board.pixel(150, 204), red);
    EXPECT_EQ(board.pixel(150, 205), 0xff808080u);
    EXPECT_EQ(board.pixel(99, 250), 0xff808080u);

    // Narrowed over a picture decoded reduced.
    drawBoard(state, picture, picture, {}, board);
    drawSelectionFrame(board, state, yellow, 2);
    EXPECT_EQ(board.pixel(101, 250), yellow);
    EXPECT_EQ(board.pixel(102, 250), 0xff808080u);
    EXPECT_EQ(board.pixel(197, 250), 0xff808080u);
    EXPECT_EQ(board.pixel(198, 250), yellow);
}
