// The board is rebuilt in full on every change, so the copies here are plain scan-line work.
#include "game/board_renderer.h"

#include "game/geometry.h"
#include "game/image_fill.h"

#include <algorithm>
#include <cstring>

namespace game {

namespace {

// Copies count pixels of a source line from column `from`; pixels past the line read as black.
void copySpan(QRgb *out, const QRgb *inLine, int from, int count, int lineWidth)
{
    const int available = std::clamp(lineWidth - from, 0, count);
    std::memcpy(out, inLine + from, std::size_t(available) * sizeof(QRgb));
    std::fill(out + available, out + count, black);
}

// Shrinks a tile's (W + 1) x (H + 1) source rectangle into its W x H cell, nearest neighbour
// sampled at pixel centres: that drops the source's middle column and middle row, so each
// row is two straight copies. The cell is clipped at the board's edge.
void copyTile(const QImage &source, QPoint from, QImage &board, QPoint to, QSize tile)
{
    const int visibleWidth = std::min(tile.width(), board.width() - to.x());
    if (visibleWidth <= 0)
        return;
    const int skippedColumn = tile.width() / 2;
    const int skippedRow = tile.height() / 2;
    const int firstSpan = std::min(skippedColumn, visibleWidth);
    const qsizetype outStride = board.bytesPerLine();
    const qsizetype inStride = source.bytesPerLine();
    uchar *outBits = board.bits();
    const uchar *inBits = source.constBits();

    for (int y = 0; y < tile.height() && to.y() + y < board.height(); ++y) {
        auto *out = reinterpret_cast<QRgb *>(outBits + (to.y() + y) * outStride) + to.x();
        const int sourceY = from.y() + y + (y >= skippedRow ? 1 : 0);
        if (sourceY >= source.height()) {
            std::fill(out, out + visibleWidth, black);
            continue;
        }
        const auto *in = reinterpret_cast<const QRgb *>(inBits + sourceY * inStride);
        copySpan(out, in, from.x(), firstSpan, source.width());
        if (visibleWidth > skippedColumn)
            copySpan(out + skippedColumn, in, from.x() + skippedColumn + 1,
                     visibleWidth - skippedColumn, source.width());
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

    for (int tileNumber = 1; tileNumber <= int(state.blockList.size()); ++tileNumber) {
        const int cell = state.blockList[std::size_t(tileNumber - 1)];
        if (cell < 1 || cell > state.tileCount)
            continue;
        const int d = cell - 1;
        const QPoint to = cellTopLeft(d, state.cols, tile);
        const QPoint from = cellTopLeft(tileNumber - 1, state.cols, tile);

        if (state.dimAllOnce || cell == state.dimmedCell || cell == state.dimmedTarget) {
            copyTile(dimSource, from, board, to, tile);
            continue;
        }
        const bool isGap = d == state.gapCell;
        if (!isGap) {
            const bool dim = look.dimIncorrect && cell != tileNumber;
            copyTile(dim ? dimSource : solution, from, board, to, tile);
        }
        const bool slidingGap = isGap && state.gameType == MoveBlocks;
        if (look.gridOverlay || slidingGap) {
            if (slidingGap)
                copyTile(dimSource, from, board, to, tile);
            paintBevel(board, to, tile, isGap);
        }
    }
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
