// SPDX-License-Identifier: GPL-3.0-or-later
// Each step brings one or a few tiles home with the fewest slides that leave the tiles already
// home alone: a breadth-first search over where those tiles and the gap lie, inside the cells
// still free. The last two tiles of a row (and of a column of the last two rows) go home
// together, the usual way round the corner.
#include "game/row_solver.h"

#include <functional>

namespace game {

namespace {

class RowSolver
{
  public:
    explicit RowSolver(const SlideBoard &board)
        : m_board(board), m_locked(std::size_t(board.cellCount()), false),
          m_where(std::size_t(board.cellCount()))
    {
        for (int cell = 0; cell < board.cellCount(); ++cell)
            m_where[std::size_t(board.tileAt[std::size_t(cell)])] = cell;
    }

    std::vector<int> solve()
    {
        const int rows = m_board.rows;
        const int cols = m_board.cols;
        for (int row = 0; row + 2 < rows; ++row) {
            for (int col = 0; col + 2 < cols; ++col)
                if (!placeOne(row * cols + col, row * cols + col))
                    return {};
            const int first = row * cols + cols - 2;
            if (!placePair(first, first + 1, 1, cols, window(row, row + 2, cols - 3, cols - 1)))
                return {};
        }
        for (int col = 0; col + 2 < cols; ++col) {
            const int first = (rows - 2) * cols + col;
            if (!placePair(first, first + cols, cols, 1, window(rows - 2, rows - 1, col, col + 2)))
                return {};
        }
        const int corner = (rows - 2) * cols + cols - 2;
        const std::vector<int> last{corner, corner + 1, corner + cols};
        if (!placeTogether(last, last, free()))
            return {};
        return m_board.solved() ? m_slides : std::vector<int>{};
    }

  private:
    using Cells = std::vector<bool>;
    // Given where the tracked tiles and the gap lie, whether the step is done.
    using Goal = std::function<bool(const std::vector<int> &tracked, int gap)>;

    Cells free() const
    {
        Cells cells(m_locked.size());
        for (std::size_t i = 0; i < cells.size(); ++i)
            cells[i] = !m_locked[i];
        return cells;
    }

    // The free cells of a rectangle of rows and columns.
    Cells window(int top, int bottom, int left, int right) const
    {
        Cells cells(m_locked.size(), false);
        for (int row = top; row <= bottom; ++row)
            for (int col = left; col <= right; ++col)
                cells[std::size_t(row * m_board.cols + col)] =
                    !m_locked[std::size_t(row * m_board.cols + col)];
        return cells;
    }

    void slide(int cell)
    {
        const int tile = m_board.tileAt[std::size_t(cell)];
        m_where[std::size_t(tile)] = m_board.gap;
        m_where[std::size_t(m_board.cellCount() - 1)] = cell;
        m_board.slide(cell);
        m_slides.push_back(cell);
    }

    // Breadth-first over where the tracked tiles and the gap lie, sliding only inside the
    // allowed cells; the other tiles there may end anywhere. Carries out the shortest way.
    bool reach(const std::vector<int> &tiles, const Cells &allowed, const Goal &goal)
    {
        std::vector<int> cellOf; // index among the allowed cells -> cell
        std::vector<int> indexOf(allowed.size(), -1);
        for (std::size_t cell = 0; cell < allowed.size(); ++cell)
            if (allowed[cell]) {
                indexOf[cell] = int(cellOf.size());
                cellOf.push_back(int(cell));
            }
        const std::size_t k = tiles.size();
        std::vector<int> start;
        for (int tile : tiles)
            start.push_back(m_where[std::size_t(tile)]);
        start.push_back(m_board.gap);
        for (int cell : start)
            if (cell < 0 || !allowed[std::size_t(cell)])
                return false;

        const long long base = static_cast<long long>(cellOf.size());
        auto encode = [&](const std::vector<int> &cells) {
            long long id = 0;
            for (int cell : cells)
                id = id * base + indexOf[std::size_t(cell)];
            return id;
        };
        auto decode = [&](long long id) {
            std::vector<int> cells(k + 1);
            for (std::size_t i = k + 1; i-- > 0;) {
                cells[i] = cellOf[std::size_t(id % base)];
                id /= base;
            }
            return cells;
        };
        long long states = 1;
        for (std::size_t i = 0; i <= k; ++i)
            states *= base;
        std::vector<int> from(std::size_t(states), -2); // state reached from; -1 the start
        std::vector<int> via(std::size_t(states), -1);  // the cell slid to reach it

        const long long first = encode(start);
        from[std::size_t(first)] = -1;
        std::vector<long long> queue{first};
        long long found = -1;
        for (std::size_t head = 0; head < queue.size() && found < 0; ++head) {
            const std::vector<int> now = decode(queue[head]);
            const std::vector<int> tracked(now.begin(), now.end() - 1);
            if (goal(tracked, now.back())) {
                found = queue[head];
                break;
            }
            const int gap = now.back();
            const int row = gap / m_board.cols;
            const int col = gap % m_board.cols;
            for (const auto &[dr, dc] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
                const int r = row + dr;
                const int c = col + dc;
                if (r < 0 || r >= m_board.rows || c < 0 || c >= m_board.cols)
                    continue;
                const int cell = r * m_board.cols + c;
                if (!allowed[std::size_t(cell)])
                    continue;
                std::vector<int> next = now;
                for (std::size_t i = 0; i < k; ++i)
                    if (next[i] == cell)
                        next[i] = gap;
                next.back() = cell;
                const long long id = encode(next);
                if (from[std::size_t(id)] != -2)
                    continue;
                from[std::size_t(id)] = int(queue[head]);
                via[std::size_t(id)] = cell;
                queue.push_back(id);
            }
        }
        if (found < 0)
            return false;
        std::vector<int> way;
        for (long long id = found; from[std::size_t(id)] != -1; id = from[std::size_t(id)])
            way.push_back(via[std::size_t(id)]);
        for (auto it = way.rbegin(); it != way.rend(); ++it)
            slide(*it);
        return true;
    }

    // Tile t's home is cell t (0-based). Takes the tile to the cell and keeps it there.
    bool placeOne(int tile, int cell)
    {
        if (!reach({tile}, free(), [cell](const auto &at, int) { return at[0] == cell; }))
            return false;
        m_locked[std::size_t(cell)] = true;
        return true;
    }

    // Takes the tiles to the cells, in order, and keeps them there.
    bool placeTogether(const std::vector<int> &tiles, const std::vector<int> &cells,
                       const Cells &allowed)
    {
        const bool reached =
            reach(tiles, allowed, [cells](const auto &at, int) { return at == cells; });
        if (reached)
            for (int cell : cells)
                m_locked[std::size_t(cell)] = true;
        return reached;
    }

    // The last two tiles of a line, a home and its neighbour beyond it (step apart): the second
    // goes to the first's home, the first beside it (side apart), the gap beyond the second's
    // home; two slides then turn both home.
    bool placePair(int first, int second, int step, int side, const Cells &area)
    {
        if (m_where[std::size_t(first)] == first && m_where[std::size_t(second)] == second) {
            m_locked[std::size_t(first)] = m_locked[std::size_t(second)] = true;
            return true;
        }
        if (!placeOne(second, first))
            return false;
        if (!placeOne(first, first + side)) {
            // The first tile is caught beyond the second's home: both go round together
            // inside the window, with the gap brought in first.
            m_locked[std::size_t(first)] = false;
            Cells outside = free();
            outside[std::size_t(m_where[std::size_t(first)])] = false;
            outside[std::size_t(m_where[std::size_t(second)])] = false;
            if (!reach({}, outside, [&](const auto &, int gap) { return area[std::size_t(gap)]; }))
                return false;
            if (!placeTogether({second, first}, {first, first + side}, area))
                return false;
        }
        Cells around = free();
        around[std::size_t(first + side)] = false;
        if (!reach({}, around, [&](const auto &, int gap) { return gap == first + step; }))
            return false;
        slide(first);        // the second tile into its home
        slide(first + side); // the first tile into its home
        m_locked[std::size_t(first + side)] = false;
        m_locked[std::size_t(first)] = m_locked[std::size_t(second)] = true;
        return true;
    }

    SlideBoard m_board;
    Cells m_locked;
    std::vector<int> m_where; // tile -> cell
    std::vector<int> m_slides;
};

} // namespace

std::vector<int> rowByRowSlides(const SlideBoard &board)
{
    if (board.rows < 2 || board.cols < 2 || board.solved())
        return {};
    return RowSolver(board).solve();
}

} // namespace game
