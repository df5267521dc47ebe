// SPDX-License-Identifier: GPL-3.0-or-later
// The board is rebuilt in full on every change, so the copies here are plain scan-line work.
#include "game/board_renderer.h"

#include "game/board_memory.h"
#include "game/darkness.h"
#include "game/geometry.h"
#include "game/image_fill.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace game {

namespace {

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

// Where a cell's pixels come from (no source leaves the cell as it is), darkened on the way
// when a darkener is given, and its bevel.
struct Cell
{
    const QImage *picture = nullptr;
    const Darkener *darkener = nullptr;
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

// The source row of a cell's row y: its (W + 1) x (H + 1) source rectangle shrinks into the
// W x H cell by nearest neighbour sampled at pixel centres, which drops the source's middle
// column and middle row, so each row is two straight copies.
int sourceRowOf(int y, QSize tile)
{
    return y + (y >= tile.height() / 2 ? 1 : 0);
}

// A cell as its rows are drawn, worked out once per drawing so that the row loop makes no
// calls into QImage: the two source spans either side of the dropped column, each as the
// pixels inside the picture and the width it fills (black past the picture's right edge),
// clipped at the board's edge.
struct CellRows
{
    bool copied = false; // the cell shows a picture, black where its source lies outside it
    const uchar *topLeft = nullptr; // the source rectangle's first pixel, if inside the picture
    qsizetype stride = 0;
    int rowsInside = 0; // source rows inside the picture; below them the cell is black
    int leftCopied = 0, leftWidth = 0, rightCopied = 0, rightWidth = 0;
    const Darkener *darkener = nullptr;
    Bevel bevel = Bevel::None;

    int visibleWidth() const { return leftWidth + rightWidth; }
};

CellRows cellRowsOf(const Cell &cell, QSize tile, int visibleWidth)
{
    CellRows rows;
    rows.bevel = cell.bevel;
    rows.darkener = cell.darkener;
    const int skippedColumn = tile.width() / 2;
    rows.leftWidth = std::min(skippedColumn, visibleWidth);
    rows.rightWidth = std::max(visibleWidth - skippedColumn, 0);
    const QImage *picture = cell.picture;
    rows.copied = picture != nullptr;
    // A source wholly below the picture (tiles of a picture smaller than the grid) is all
    // black: rowsInside stays 0.
    if (!picture || cell.from.y() >= picture->height())
        return rows;
    rows.stride = picture->bytesPerLine();
    rows.rowsInside = picture->height() - cell.from.y();
    const auto inside = [&](int column, int width) {
        return std::clamp(picture->width() - column, 0, width);
    };
    rows.leftCopied = inside(cell.from.x(), rows.leftWidth);
    rows.rightCopied = inside(cell.from.x() + skippedColumn + 1, rows.rightWidth);
    // A rectangle wholly right of the picture reads nothing, so it points at the line's start.
    // A tile one pixel wide has no left span: its one column is on the right.
    const int column = cell.from.x() < picture->width() ? cell.from.x() : 0;
    rows.topLeft = picture->constBits() + cell.from.y() * rows.stride + column * sizeof(QRgb);
    return rows;
}

// Copies count pixels a cache line at a time in moves the compiler writes out in place: for
// spans of a few hundred bytes a call to memcpy costs as much as the copy.
void copyPixels(QRgb *out, const QRgb *in, int count)
{
    constexpr int line = 64 / sizeof(QRgb);
    for (; count >= line; count -= line, out += line, in += line)
        std::memcpy(out, in, line * sizeof(QRgb));
    if (count > 0)
        std::memcpy(out, in, std::size_t(count) * sizeof(QRgb));
}

// The same with stores that bypass the caches, for a board that someone else reads next:
// each cache line is written without first being fetched, which halves the memory traffic.
// Spans of a few cache lines are copied the usual way: lines only partly written past the
// caches are each a slow trip to memory, and such small tiles make a board that fits in them.
void streamPixels(QRgb *out, const QRgb *in, int count)
{
#if defined(__SSE2__)
    if (count < 64) {
        copyPixels(out, in, count);
        return;
    }
    for (; count > 0 && reinterpret_cast<std::uintptr_t>(out) % 16 != 0; --count)
        *out++ = *in++;
    for (; count >= 4; count -= 4, out += 4, in += 4)
        _mm_stream_si128(reinterpret_cast<__m128i *>(out),
                         _mm_loadu_si128(reinterpret_cast<const __m128i *>(in)));
    for (; count > 0; --count)
        *out++ = *in++;
#else
    copyPixels(out, in, count);
#endif
}

// Dimmed tiles are few, and darkened in ordinary stores.
template <bool Streaming>
void copySpan(QRgb *out, const QRgb *in, int count, const Darkener *darkener)
{
    if (darkener)
        (*darkener)(in, out, count);
    else if constexpr (Streaming)
        streamPixels(out, in, count);
    else
        copyPixels(out, in, count);
}

template <bool Streaming> void copyRow(const CellRows &cell, QSize tile, int y, QRgb *out)
{
    const int sourceRow = sourceRowOf(y, tile);
    if (sourceRow >= cell.rowsInside) {
        std::fill(out, out + cell.visibleWidth(), black);
        return;
    }
    const auto *in = reinterpret_cast<const QRgb *>(cell.topLeft + sourceRow * cell.stride);
    copySpan<Streaming>(out, in, cell.leftCopied, cell.darkener);
    std::fill(out + cell.leftCopied, out + cell.leftWidth, black);
    out += cell.leftWidth;
    copySpan<Streaming>(out, in + cell.leftWidth + 1, cell.rightCopied, cell.darkener);
    std::fill(out + cell.rightCopied, out + cell.rightWidth, black);
}

// Row y of a cell at least as wide and tall as its bevel, which then lies wholly inside it: the
// bands of paintBevel applied to this row alone, in the same order, skipping the copy of a row a
// band covers in full.
template <bool Streaming>
void drawCellRow(const CellRows &cell, QSize tile, int bevelWidth, int y, QRgb *out)
{
    const int w = tile.width(), h = tile.height(), visibleWidth = cell.visibleWidth();
    const bool topBand = y < bevelWidth, bottomBand = y >= h - bevelWidth;
    if (cell.copied && (cell.bevel == Bevel::None || !(topBand || bottomBand)))
        copyRow<Streaming>(cell, tile, y, out);
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

// Draws the cells in the order of the tiles they show, each row of tiles a row of source lines
// at a time: the picture is read front to back, and each cell's row is written where it lies.
// The scattered writes are cheap with the board in large pages and each cell's next row asked
// for ahead; the other way round, scattered reads from a picture in small pages cost a
// page-table walk for nearly every span and half as much again as the whole copy. Bevels of
// cells narrower or shorter than them reach into their neighbours, so those are left to be
// painted afterwards.
template <bool Streaming>
void drawCells(const std::vector<Cell> &cells, int cols, QSize tile, int bevelWidth,
               bool bevelsInside, QImage &board)
{
    std::vector<CellRows> rows;
    std::vector<int> order; // the cells with something to draw, by where their pixels come from
    for (std::size_t d = 0; d < cells.size(); ++d) {
        const int x = int(d) % cols * tile.width();
        rows.push_back(cellRowsOf(cells[d], tile, std::clamp(board.width() - x, 0, tile.width())));
        if ((cells[d].picture || cells[d].bevel != Bevel::None) && rows.back().visibleWidth() > 0)
            order.push_back(int(d));
    }
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const QPoint p = cells[std::size_t(a)].from, q = cells[std::size_t(b)].from;
        return std::pair(p.y(), p.x()) < std::pair(q.y(), q.x());
    });
    uchar *bits = board.bits();
    const qsizetype stride = board.bytesPerLine();
    const int height = board.height();
    for (auto first = order.begin(); first != order.end();) {
        const int fromY = cells[std::size_t(*first)].from.y();
        const auto last = std::find_if(
            first, order.end(), [&](int d) { return cells[std::size_t(d)].from.y() != fromY; });
        for (int y = 0; y < tile.height(); ++y)
            for (auto d = first; d != last; ++d) {
                const CellRows &cell = rows[std::size_t(*d)];
                const int boardY = *d / cols * tile.height() + y;
                if (boardY >= height)
                    continue;
                uchar *start = bits + boardY * stride + *d % cols * tile.width() * sizeof(QRgb);
                if (!Streaming && y + 1 < tile.height() && boardY + 1 < height)
                    for (std::size_t offset = 0; offset < cell.visibleWidth() * sizeof(QRgb);
                         offset += 64)
                        __builtin_prefetch(start + stride + offset, 1);
                auto *out = reinterpret_cast<QRgb *>(start);
                if (bevelsInside)
                    drawCellRow<Streaming>(cell, tile, bevelWidth, y, out);
                else if (cell.copied)
                    copyRow<Streaming>(cell, tile, y, out);
            }
        first = last;
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

void drawBoard(const GameState &state, const QImage &solutionPicture, const DimTiles &dim,
               const BoardLook &look, QImage &board)
{
    QImage convertedSolution, convertedDim;
    const QImage &solution = asRgb32(solutionPicture, convertedSolution);
    const QImage &dimSource = asRgb32(dim.picture, convertedDim);
    const std::optional<Darkener> darkener =
        dim.darkenBy ? std::optional<Darkener>(*dim.darkenBy) : std::nullopt;
    const auto showDimmed = [&](Cell &cell) {
        cell.picture = &dimSource;
        cell.darkener = darkener ? &*darkener : nullptr;
    };
    // A board shared with another picture gets new memory rather than a copy of what
    // is about to be overwritten.
    if (board.size() != solution.size() || board.format() != QImage::Format_RGB32 ||
        !board.isDetached())
        board = imageInLargePages(solution.size());

    const QSize tile = tileSizeFor(solution.size(), state.rows, state.cols);
    // Every cell is drawn below; only the strips that rounding leaves outside all cells
    // need clearing.
    fillRect(board, QRect(state.cols * tile.width(), 0, board.width(), board.height()), black);
    fillRect(board, QRect(0, state.rows * tile.height(), board.width(), board.height()), black);

    std::vector<Cell> cells(std::size_t(state.rows * state.cols));
    std::vector<int> bevelledCells; // in the order of the tiles, which wins where bevels meet
    for (int tileNumber = 1; tileNumber <= int(state.blockList.size()); ++tileNumber) {
        const int cell = state.blockList[std::size_t(tileNumber - 1)];
        if (cell < 1 || cell > state.tileCount() || cell > int(cells.size()))
            continue;
        const int d = cell - 1;
        Cell &target = cells[std::size_t(d)];
        target.from = cellTopLeft(tileNumber - 1, state.cols, tile);

        if (look.dimAll || cell == state.dimmedCell || cell == state.dimmedTarget) {
            showDimmed(target);
            continue;
        }
        const bool isGap = d == state.gapCell;
        const bool slidingGap = isGap && state.gameType == MoveBlocks;
        if (slidingGap || (!isGap && look.dimIncorrect && cell != tileNumber))
            showDimmed(target);
        else if (!isGap)
            target.picture = &solution;
        if (look.gridOverlay || slidingGap) {
            target.bevel = isGap ? Bevel::Sunken : Bevel::Raised;
            bevelledCells.push_back(d);
        }
    }
    const bool bevelsInside = tile.width() >= look.bevelWidth && tile.height() >= look.bevelWidth;
    if (look.forAnotherReader) {
        drawCells<true>(cells, state.cols, tile, look.bevelWidth, bevelsInside, board);
#if defined(__SSE2__)
        _mm_sfence();
#endif
    } else {
        drawCells<false>(cells, state.cols, tile, look.bevelWidth, bevelsInside, board);
    }
    if (!bevelsInside)
        for (const int d : bevelledCells)
            paintBevel(board, cellTopLeft(d, state.cols, tile), tile, look.bevelWidth,
                       cells[std::size_t(d)].bevel == Bevel::Sunken);
}

BoardLook takeDimAllOnce(bool &dimAllOnce, BoardLook look)
{
    look.dimAll = look.dimAll || dimAllOnce;
    dimAllOnce = false;
    return look;
}

void drawSelectionFrame(QImage &board, const GameState &state, QRgb colour, int width)
{
    const QSize tile = tileSizeFor(board.size(), state.rows, state.cols);
    const int x0 = state.clickedCol * tile.width();
    const int y0 = state.clickedRow * tile.height();
    const int w = tile.width(), h = tile.height();
    fillRect(board, QRect(x0, y0, w, width), colour);
    fillRect(board, QRect(x0 + w - width, y0 + 1, width, h - 1), colour);
    fillRect(board, QRect(x0, y0 + h - width, w, width), colour);
    fillRect(board, QRect(x0, y0, width, h - 1), colour);
}

} // namespace game
