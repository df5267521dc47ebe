// SPDX-License-Identifier: GPL-3.0-or-later
// Iterative deepening A*: depth-first searches with a growing bound on moves made plus the
// estimate, which is kept up to date move by move.
#include "game/optimal_search.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

namespace game {

namespace {

constexpr int maxCells = 16;
constexpr int maxSide = 4;
// Every 4 x 4 board is solved in at most 80 slides.
constexpr int maxSlides = 80;

// Two extra slides for every tile that must leave its goal line to let the others pass: the
// tiles of the line that are not on its longest run in goal order. Indexed by the line's
// goals, a base-5 digit a cell: the goal position of a tile whose goal line it is, else 4.
class ConflictTable
{
  public:
    ConflictTable()
    {
        for (int code = 0; code < codes; ++code) {
            std::array<int, maxSide> goals{};
            int count = 0;
            for (int digit = code, i = 0; i < maxSide; ++i, digit /= 5)
                if (digit % 5 != 4)
                    goals[std::size_t(count++)] = digit % 5;
            std::array<int, maxSide> longest{};
            int best = 0;
            for (int i = 0; i < count; ++i) {
                longest[std::size_t(i)] = 1;
                for (int j = 0; j < i; ++j)
                    if (goals[std::size_t(j)] < goals[std::size_t(i)])
                        longest[std::size_t(i)] =
                            std::max(longest[std::size_t(i)], longest[std::size_t(j)] + 1);
                best = std::max(best, longest[std::size_t(i)]);
            }
            m_extra[std::size_t(code)] = std::uint8_t(2 * (count - best));
        }
    }
    int operator[](int code) const { return m_extra[std::size_t(code)]; }

    static constexpr int codes = 5 * 5 * 5 * 5;

  private:
    std::array<std::uint8_t, codes> m_extra{};
};

const ConflictTable &conflictTable()
{
    static const ConflictTable table;
    return table;
}

class Ida
{
  public:
    Ida(const SlideBoard &board, const SearchLimits &limits)
        : m_rows(board.rows), m_cols(board.cols), m_gapTile(board.cellCount() - 1),
          m_limits(limits), m_conflicts(conflictTable())
    {
        const int cells = board.cellCount();
        for (int cell = 0; cell < cells; ++cell) {
            m_tileAt[std::size_t(cell)] = board.tileAt[std::size_t(cell)];
            m_rowOf[std::size_t(cell)] = cell / m_cols;
            m_colOf[std::size_t(cell)] = cell % m_cols;
        }
        for (int tile = 0; tile < cells; ++tile)
            for (int cell = 0; cell < cells; ++cell)
                m_distance[std::size_t(tile)][std::size_t(cell)] =
                    tile == m_gapTile
                        ? 0
                        : std::abs(m_rowOf[std::size_t(tile)] - m_rowOf[std::size_t(cell)]) +
                              std::abs(m_colOf[std::size_t(tile)] - m_colOf[std::size_t(cell)]);
        for (int cell = 0; cell < cells; ++cell) {
            auto &next = m_neighbours[std::size_t(cell)];
            const int row = m_rowOf[std::size_t(cell)];
            const int col = m_colOf[std::size_t(cell)];
            if (row > 0)
                next[std::size_t(m_neighbourCount[std::size_t(cell)]++)] = cell - m_cols;
            if (row < m_rows - 1)
                next[std::size_t(m_neighbourCount[std::size_t(cell)]++)] = cell + m_cols;
            if (col > 0)
                next[std::size_t(m_neighbourCount[std::size_t(cell)]++)] = cell - 1;
            if (col < m_cols - 1)
                next[std::size_t(m_neighbourCount[std::size_t(cell)]++)] = cell + 1;
        }
        m_gap = board.gap;
    }

    int estimate()
    {
        int h = 0;
        for (int cell = 0; cell < m_rows * m_cols; ++cell)
            h += m_distance[std::size_t(m_tileAt[std::size_t(cell)])][std::size_t(cell)];
        for (int row = 0; row < m_rows; ++row)
            h += (m_rowConflicts[std::size_t(row)] = rowConflicts(row));
        for (int col = 0; col < m_cols; ++col)
            h += (m_colConflicts[std::size_t(col)] = colConflicts(col));
        return h;
    }

    std::optional<std::vector<int>> solve()
    {
        int h = estimate();
        int bound = h;
        while (true) {
            m_nextBound = 1 << 20;
            if (search(0, h, bound, -1))
                return std::vector<int>(m_path.begin(), m_path.begin() + m_length);
            // No board of this size needs more: the board cannot be solved at all.
            if (m_stopped || m_nextBound > maxSlides)
                return std::nullopt;
            bound = m_nextBound;
        }
    }

  private:
    // The conflicts of the line of cells from first, step apart; the line is number line of
    // its kind, which a tile's lineOf names and positionOf places it in.
    int lineConflicts(int first, int step, int length, int line,
                      const std::array<int, maxCells> &lineOf,
                      const std::array<int, maxCells> &positionOf) const
    {
        int code = 0;
        for (int i = maxSide - 1; i >= 0; --i) {
            int digit = 4;
            if (i < length) {
                const int tile = m_tileAt[std::size_t(first + i * step)];
                if (tile != m_gapTile && lineOf[std::size_t(tile)] == line)
                    digit = positionOf[std::size_t(tile)];
            }
            code = code * 5 + digit;
        }
        return m_conflicts[code];
    }

    int rowConflicts(int row) const
    {
        return lineConflicts(row * m_cols, 1, m_cols, row, m_rowOf, m_colOf);
    }

    int colConflicts(int col) const
    {
        return lineConflicts(col, m_cols, m_rows, col, m_colOf, m_rowOf);
    }

    bool outOfLimits()
    {
        if ((++m_nodes & 0xfff) != 0)
            return m_stopped;
        if ((m_limits.cancelled && m_limits.cancelled->load(std::memory_order_relaxed)) ||
            std::chrono::steady_clock::now() >= m_limits.deadline)
            m_stopped = true;
        return m_stopped;
    }

    // Slides the tile in the cell into the gap and returns the change of the estimate.
    int slide(int cell)
    {
        const int tile = m_tileAt[std::size_t(cell)];
        const int to = m_gap;
        int change = m_distance[std::size_t(tile)][std::size_t(to)] -
                     m_distance[std::size_t(tile)][std::size_t(cell)];
        m_tileAt[std::size_t(to)] = tile;
        m_tileAt[std::size_t(cell)] = m_gapTile;
        m_gap = cell;
        // A tile moving along a column leaves one row for another; along a row, one column.
        if (m_colOf[std::size_t(cell)] == m_colOf[std::size_t(to)]) {
            for (int row : {m_rowOf[std::size_t(cell)], m_rowOf[std::size_t(to)]}) {
                const int now = rowConflicts(row);
                change += now - m_rowConflicts[std::size_t(row)];
                m_rowConflicts[std::size_t(row)] = now;
            }
        } else {
            for (int col : {m_colOf[std::size_t(cell)], m_colOf[std::size_t(to)]}) {
                const int now = colConflicts(col);
                change += now - m_colConflicts[std::size_t(col)];
                m_colConflicts[std::size_t(col)] = now;
            }
        }
        return change;
    }

    bool search(int moves, int h, int bound, int previousGap)
    {
        const int f = moves + h;
        if (f > bound) {
            m_nextBound = std::min(m_nextBound, f);
            return false;
        }
        if (h == 0) {
            m_length = moves;
            return true;
        }
        if (outOfLimits())
            return false;
        const int gap = m_gap;
        const auto &next = m_neighbours[std::size_t(gap)];
        for (int i = 0; i < m_neighbourCount[std::size_t(gap)]; ++i) {
            const int cell = next[std::size_t(i)];
            if (cell == previousGap)
                continue;
            const int change = slide(cell);
            m_path[std::size_t(moves)] = cell;
            if (search(moves + 1, h + change, bound, gap))
                return true;
            slide(gap); // back
            if (m_stopped)
                return false;
        }
        return false;
    }

    int m_rows;
    int m_cols;
    int m_gapTile;
    SearchLimits m_limits;
    const ConflictTable &m_conflicts;
    std::array<int, maxCells> m_tileAt{};
    std::array<int, maxCells> m_rowOf{};
    std::array<int, maxCells> m_colOf{};
    std::array<std::array<int, maxCells>, maxCells> m_distance{};
    std::array<std::array<int, 4>, maxCells> m_neighbours{};
    std::array<int, maxCells> m_neighbourCount{};
    int m_gap = 0;
    std::array<int, maxSide> m_rowConflicts{};
    std::array<int, maxSide> m_colConflicts{};
    std::array<int, maxSlides + 1> m_path{};
    int m_length = 0;
    int m_nextBound = 0;
    unsigned m_nodes = 0;
    bool m_stopped = false;
};

} // namespace

bool optimalSearchFits(int rows, int cols)
{
    return rows >= 2 && cols >= 2 && rows <= maxSide && cols <= maxSide;
}

std::optional<std::vector<int>> optimalSlides(const SlideBoard &board, const SearchLimits &limits)
{
    if (!optimalSearchFits(board.rows, board.cols))
        return std::nullopt;
    return Ida(board, limits).solve();
}

int manhattanWithLinearConflicts(const SlideBoard &board)
{
    if (!optimalSearchFits(board.rows, board.cols))
        return 0;
    return Ida(board, {}).estimate();
}

} // namespace game
