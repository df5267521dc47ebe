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

// Where a cell's pixels come from; no source leaves the cell as it is.
struct CellSource
{
    const QImage *picture = nullptr;
    QPoint from;
};

// Fills the cells row by row across the board rather than tile by tile, so the board is
// written front to back: on a large frame that halves the time.
void copyCells(const std::vector<CellSource> &cells, int cols, QSize tile, QImage &board)
{
    const int rows = int(cells.size()) / cols;
    for (int boardY = 0; boardY < std::min(rows * tile.height(), board.height()); ++boardY) {
        const int row = boardY / tile.height();
        const int y = boardY % tile.height();
        auto *line = reinterpret_cast<QRgb *>(board.scanLine(boardY));
        for (int col = 0; col < cols; ++col) {
            const CellSource &cell = cells[std::size_t(row * cols + col)];
            const int x = col * tile.width();
            const int visibleWidth = std::min(tile.width(), board.width() - x);
            if (cell.picture && visibleWidth > 0)
                copyTileRow(*cell.picture, cell.from, tile, y, line + x, visibleWidth);
        }
    }
}

// Four solid bands; the later band wins where they overlap.
void paintBevel(QImage &board, QPoint topLeft, QSize tile, bool sunken)
{
    const int x0 = topLeft.x(), y0 = topLeft.y(), w = tile.width(), h = tile.height();
    const QRgb light = sunken ? black : white;
    const QRgb dark = sunken ? white : black;
    fillRect(board, QRect(x0, y0, w, 3), light);
    fillRect(board, QRect(x0 + w - 3, y0 + 1, 3, h - 1), dark);
    fillRect(board, QRect(x0, y0 + h - 3, w, 3), dark);
    fillRect(board, QRect(x0, y0, 3, h - 1), light);
}

QPoint cellTopLeft(int zeroBasedCell, int cols, QSize tile)
{
    return {zeroBasedCell % cols * tile.width(), zeroBasedCell / cols * tile.height()};
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

    std::vector<CellSource> cells(std::size_t(state.rows * state.cols));
    struct Bevel
    {
        QPoint topLeft;
        bool sunken;
    };
    std::vector<Bevel> bevels;
    for (int tileNumber = 1; tileNumber <= int(state.blockList.size()); ++tileNumber) {
        const int cell = state.blockList[std::size_t(tileNumber - 1)];
        if (cell < 1 || cell > state.tileCount || cell > int(cells.size()))
            continue;
        const int d = cell - 1;
        CellSource &source = cells[std::size_t(d)];
        source.from = cellTopLeft(tileNumber - 1, state.cols, tile);

        if (state.dimAllOnce || cell == state.dimmedCell || cell == state.dimmedTarget) {
            source.picture = &dimSource;
            continue;
        }
        const bool isGap = d == state.gapCell;
        if (!isGap) {
            const bool dim = look.dimIncorrect && cell != tileNumber;
            source.picture = dim ? &dimSource : &solution;
        }
        const bool slidingGap = isGap && state.gameType == MoveBlocks;
        if (slidingGap)
            source.picture = &dimSource;
        if (look.gridOverlay || slidingGap)
            bevels.push_back({cellTopLeft(d, state.cols, tile), isGap});
    }
    copyCells(cells, state.cols, tile, board);
    for (const Bevel &bevel : bevels)
        paintBevel(board, bevel.topLeft, tile, bevel.sunken);
    state.dimAllOnce = false;
}

void drawSelectionFrame(QImage &board, const GameState &state, QRgb colour)
{
    const int x0 = state.clickedCol * state.tileWidth;
    const int y0 = state.clickedRow * state.tileHeight;
    const int w = state.tileWidth, h = state.tileHeight;
    fillRect(board, QRect(x0, y0, w, 5), colour);
    fillRect(board, QRect(x0 + w - 5, y0 + 1, 5, h - 1), colour);
    fillRect(board, QRect(x0, y0 + h - 5, w, 5), colour);
    fillRect(board, QRect(x0, y0, 5, h - 1), colour);
}

} // namespace game
