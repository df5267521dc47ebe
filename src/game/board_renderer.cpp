// The board is rebuilt in full on every change, so the copies here are plain scan-line work.
#include "game/board_renderer.h"

#include "game/geometry.h"
#include "game/image_fill.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace game {

namespace {

// Copies count pixels of a source line from column `from`; pixels past the line read as black.
void copySpan(QRgb *out, const QRgb *inLine, int from, int count, int lineWidth)
{
    const int available = std::clamp(lineWidth - from, 0, count);
    std::memcpy(out, inLine + from, std::size_t(available) * sizeof(QRgb));
    std::fill(out + available, out + count, black);
}

// One row of a tile: its (W + 1) x (H + 1) source rectangle shrinks into the W x H cell by
// nearest neighbour sampled at pixel centres, which drops the source's middle column and
// middle row, so each row is two straight copies. `visibleWidth` clips it at the board's edge.
void copyTileRow(const QImage &source, QPoint from, QSize tile, int y, QRgb *out, int visibleWidth)
{
    const int sourceY = from.y() + y + (y >= tile.height() / 2 ? 1 : 0);
    if (sourceY >= source.height()) {
        std::fill(out, out + visibleWidth, black);
        return;
    }
    const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(sourceY));
    const int skippedColumn = tile.width() / 2;
    copySpan(out, in, from.x(), std::min(skippedColumn, visibleWidth), source.width());
    if (visibleWidth > skippedColumn)
        copySpan(out + skippedColumn, in, from.x() + skippedColumn + 1,
                 visibleWidth - skippedColumn, source.width());
}

QPoint cellTopLeft(int zeroBasedCell, int cols, QSize tile)
{
    return {zeroBasedCell % cols * tile.width(), zeroBasedCell / cols * tile.height()};
}

enum class Bevel
{
    None,
    Raised,
    Sunken
};

// Where a cell's pixels come from (no source leaves the cell as it is) and its bevel.
struct Cell
{
    const QImage *picture = nullptr;
    QPoint from;
    Bevel bevel = Bevel::None;
};

// Four solid bands; the later band wins where they overlap.
void paintBevel(QImage &board, QPoint topLeft, QSize tile, int width, bool sunken)
{
    const int x0 = topLeft.x(), y0 = topLeft.y(), w = tile.width(), h = tile.height();
    const QRgb light = sunken ? black : white;
    const QRgb dark = sunken ? white : black;
    fillRect(board, QRect(x0, y0, w, width), light);
    fillRect(board, QRect(x0 + w - width, y0 + 1, width, h - 1), dark);
    fillRect(board, QRect(x0, y0 + h - width, w, width), dark);
    fillRect(board, QRect(x0, y0, width, h - 1), light);
}

// Fills span [from, to) of a cell's row, clipped to its visible width.
void fillSpan(QRgb *out, int from, int to, int visibleWidth, QRgb colour)
{
    std::fill(out + std::min(from, visibleWidth), out + std::min(to, visibleWidth), colour);
}

// Row y of a cell at least as wide and tall as its bevel, which then lies wholly inside it: the
// bands of paintBevel applied to this row alone, in the same order, skipping the copy of a row a
// band covers in full.
void drawCellRow(const Cell &cell, QSize tile, int bevelWidth, int y, QRgb *out, int visibleWidth)
{
    const int w = tile.width(), h = tile.height();
    const bool topBand = y < bevelWidth, bottomBand = y >= h - bevelWidth;
    if (cell.picture && (cell.bevel == Bevel::None || !(topBand || bottomBand)))
        copyTileRow(*cell.picture, cell.from, tile, y, out, visibleWidth);
    if (cell.bevel == Bevel::None)
        return;
    const QRgb light = cell.bevel == Bevel::Sunken ? black : white;
    const QRgb dark = cell.bevel == Bevel::Sunken ? white : black;
    if (topBand)
        fillSpan(out, 0, w, visibleWidth, light);
    if (y >= 1)
        fillSpan(out, w - bevelWidth, w, visibleWidth, dark);
    if (bottomBand)
        fillSpan(out, 0, w, visibleWidth, dark);
    if (y < h - 1)
        fillSpan(out, 0, bevelWidth, visibleWidth, light);
}

// How many board rows ahead a cell's source pixels are asked for: the copies are too short
// for the hardware to see the streams, and the cells of a board row read from far apart.
constexpr int prefetchDistance = 1;

void prefetchTileRow(const Cell &cell, QSize tile, int boardY, int boardHeight)
{
    if (!cell.picture || boardY >= boardHeight)
        return;
    const int y = boardY % tile.height();
    const int sourceY = cell.from.y() + y + (y >= tile.height() / 2 ? 1 : 0);
    if (sourceY >= cell.picture->height() || cell.from.x() >= cell.picture->width())
        return;
    const auto *in = cell.picture->constScanLine(sourceY) + cell.from.x() * 4;
    const int bytes = std::min(tile.width() + 1, cell.picture->width() - cell.from.x()) * 4;
    for (int offset = 0; offset < bytes; offset += 64)
        __builtin_prefetch(in + offset);
}

// Fills the cells row by row across the board rather than tile by tile, so the board is
// written front to back, each row once with its bevels while it is in the cache: on a large
// frame that halves the time. Bevels of cells narrower or shorter than them reach into their
// neighbours, so those are left to be painted afterwards.
void drawCells(const std::vector<Cell> &cells, int cols, QSize tile, int bevelWidth,
               bool bevelsInside, QImage &board)
{
    const int rows = int(cells.size()) / cols;
    for (int boardY = 0; boardY < std::min(rows * tile.height(), board.height()); ++boardY) {
        const int row = boardY / tile.height();
        const int y = boardY % tile.height();
        auto *line = reinterpret_cast<QRgb *>(board.scanLine(boardY));
        for (int col = 0; col < cols; ++col) {
            const Cell &cell = cells[std::size_t(row * cols + col)];
            const int x = col * tile.width();
            const int visibleWidth = std::min(tile.width(), board.width() - x);
            if (visibleWidth <= 0)
                continue;
            prefetchTileRow(cell, tile, boardY + prefetchDistance, board.height());
            if (bevelsInside)
                drawCellRow(cell, tile, bevelWidth, y, line + x, visibleWidth);
            else if (cell.picture)
                copyTileRow(*cell.picture, cell.from, tile, y, line + x, visibleWidth);
        }
    }
}

// The copies above read 32 bits a pixel.
const QImage &asRgb32(const QImage &image, QImage &converted)
{
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32)
        return image;
    converted = image.convertToFormat(QImage::Format_RGB32);
    return converted;
}

} // namespace

void drawBitmap(GameState &state, const QImage &solutionPicture, const QImage &dimPicture,
                const BoardLook &look, QImage &board)
{
    QImage convertedSolution, convertedDim;
    const QImage &solution = asRgb32(solutionPicture, convertedSolution);
    const QImage &dimSource = asRgb32(dimPicture, convertedDim);
    // A board shared with another picture gets new memory rather than a copy of what
    // is about to be overwritten.
    if (board.size() != solution.size() || board.format() != QImage::Format_RGB32 ||
        !board.isDetached())
        board = QImage(solution.size(), QImage::Format_RGB32);

    const QSize tile = tileSizeFor(solution.size(), state.rows, state.cols);
    // Every cell is drawn below; only the strips that rounding leaves outside all cells
    // need clearing.
    fillRect(board, QRect(state.cols * tile.width(), 0, board.width(), board.height()), black);
    fillRect(board, QRect(0, state.rows * tile.height(), board.width(), board.height()), black);

    std::vector<Cell> cells(std::size_t(state.rows * state.cols));
    std::vector<int> bevelledCells; // in the order of the tiles, which wins where bevels meet
    for (int tileNumber = 1; tileNumber <= int(state.blockList.size()); ++tileNumber) {
        const int cell = state.blockList[std::size_t(tileNumber - 1)];
        if (cell < 1 || cell > state.tileCount || cell > int(cells.size()))
            continue;
        const int d = cell - 1;
        Cell &target = cells[std::size_t(d)];
        target.from = cellTopLeft(tileNumber - 1, state.cols, tile);

        if (state.dimAllOnce || cell == state.dimmedCell || cell == state.dimmedTarget) {
            target.picture = &dimSource;
            continue;
        }
        const bool isGap = d == state.gapCell;
        if (!isGap) {
            const bool dim = look.dimIncorrect && cell != tileNumber;
            target.picture = dim ? &dimSource : &solution;
        }
        const bool slidingGap = isGap && state.gameType == MoveBlocks;
        if (slidingGap)
            target.picture = &dimSource;
        if (look.gridOverlay || slidingGap) {
            target.bevel = isGap ? Bevel::Sunken : Bevel::Raised;
            bevelledCells.push_back(d);
        }
    }
    const bool bevelsInside = tile.width() >= look.bevelWidth && tile.height() >= look.bevelWidth;
    drawCells(cells, state.cols, tile, look.bevelWidth, bevelsInside, board);
    if (!bevelsInside)
        for (const int d : bevelledCells)
            paintBevel(board, cellTopLeft(d, state.cols, tile), tile, look.bevelWidth,
                       cells[std::size_t(d)].bevel == Bevel::Sunken);
    state.dimAllOnce = false;
}

void drawSelectionFrame(QImage &board, const GameState &state, QRgb colour, int width)
{
    const int x0 = state.clickedCol * state.tileWidth;
    const int y0 = state.clickedRow * state.tileHeight;
    const int w = state.tileWidth, h = state.tileHeight;
    fillRect(board, QRect(x0, y0, w, width), colour);
    fillRect(board, QRect(x0 + w - width, y0 + 1, width, h - 1), colour);
    fillRect(board, QRect(x0, y0 + h - width, w, width), colour);
    fillRect(board, QRect(x0, y0, width, h - 1), colour);
}

} // namespace game
