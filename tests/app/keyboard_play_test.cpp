// SPDX-License-Identifier: GPL-3.0-or-later
// Playing with the keyboard alone, taking moves back, hints and records, through the window's
// own key handling.
#include "window_fixture.h"

#include "app/play/board_overlay.h"
#include "app/widgets/progress_gauge.h"
#include "game/board_cursor.h"
#include "game/hints.h"
#include "game/move_history.h"
#include "game/row_solver.h"

#include <QAbstractButton>
#include <QFile>
#include <QMessageBox>
#include <QTableWidget>
#include <QTest>

class KeyboardPlayTest : public WindowTest
{
  protected:
    BoardOverlay *overlay() { return find<BoardOverlay>("boardOverlay"); }
    const game::GameState &state() { return window->session().state(); }
    int moves() { return text("txtMoveCount").toInt(); }

    void key(Qt::Key pressed, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window->windowHandle(), pressed, modifiers);
        waitForSwapFrame();
    }

    // Arrow keys until the cursor is on the 1-based cell.
    void cursorTo(int cell)
    {
        const int cols = state().cols;
        if (overlay()->cursorCell() < 0)
            key(Qt::Key_Right); // shows it where it was
        for (int steps = 0; overlay()->cursorCell() != cell && steps < 40; ++steps) {
            const int at = overlay()->cursorCell() - 1;
            const int to = cell - 1;
            if (at / cols != to / cols)
                key(at / cols < to / cols ? Qt::Key_Down : Qt::Key_Up);
            else
                key(at % cols < to % cols ? Qt::Key_Right : Qt::Key_Left);
        }
        ASSERT_EQ(overlay()->cursorCell(), cell);
    }

    // The arrow that slides the tile in the 1-based cell into the gap.
    Qt::Key slideArrow(int cell)
    {
        for (const auto &[direction, arrow] : {std::pair{game::Direction::Left, Qt::Key_Left},
                                               {game::Direction::Right, Qt::Key_Right},
                                               {game::Direction::Up, Qt::Key_Up},
                                               {game::Direction::Down, Qt::Key_Down}})
            if (game::cellSlidingTowards(state(), direction) == cell)
                return arrow;
        ADD_FAILURE() << "cell " << cell << " is not next to the gap";
        return Qt::Key_Left;
    }

    void expectCompleted(int moveCount)
    {
        ASSERT_TRUE(game::isSolved(state()));
        EXPECT_EQ(text("txtInfo"), QStringLiteral("Puzzle Completed! (%1 moves)").arg(moveCount));
        EXPECT_FALSE(board()->isVisible());
        EXPECT_FALSE(action("mnuUndo")->isEnabled());
        EXPECT_FALSE(action("mnuRedo")->isEnabled());
    }

    QLabel *recordNote() { return find<QLabel>("txtRecord"); }
};

TEST_F(KeyboardPlayTest, ASwapBlocksGameIsPlayedWithTheKeyboardAlone)
{
    window->applyOptions(game::SwapBlocks, 4, 4, true);
    EXPECT_EQ(overlay()->cursorCell(), -1); // hidden until the first arrow
    key(Qt::Key_Down);
    EXPECT_EQ(overlay()->cursorCell(), 1); // shown on the top-left cell, not moved
    int swaps = 0;
    for (int tile = 1; tile <= 16 && !game::isSolved(state()); ++tile) {
        const int cell = state().blockList[std::size_t(tile - 1)];
        if (cell == tile)
            continue;
        cursorTo(tile);
        key(Qt::Key_Space); // picks, as a left press would
        EXPECT_EQ(state().selectedCell, tile);
        cursorTo(cell);
        key(swaps % 2 ? Qt::Key_Return : Qt::Key_Enter);
        EXPECT_EQ(state().blockList[std::size_t(tile - 1)], tile);
        ++swaps;
        if (!game::isSolved(state()))
            EXPECT_EQ(moves(), swaps);
    }
    expectCompleted(swaps);
    EXPECT_TRUE(recordNote()->isVisible());
    EXPECT_EQ(recordNote()->text(), "New record: best time and fewest moves");
}

TEST_F(KeyboardPlayTest, AMoveBlocksGameIsPlayedWithTheKeyboardAlone)
{
    window->applyOptions(game::MoveBlocks, 4, 4, true);
    const std::vector<int> plan = game::rowByRowSlides(game::SlideBoard::of(state()));
    ASSERT_FALSE(plan.empty());
    for (std::size_t i = 0; i < plan.size(); ++i) {
        const int cell = plan[i] + 1;
        if (i % 3 == 0) {
            cursorTo(cell);
            key(Qt::Key_Space);
        } else {
            key(slideArrow(cell), Qt::ControlModifier);
        }
        EXPECT_EQ(state().gapCell + 1, cell) << "slide " << i;
        if (i + 1 < plan.size())
            EXPECT_EQ(moves(), int(i) + 1);
    }
    expectCompleted(int(plan.size()));
}

TEST_F(KeyboardPlayTest, MouseAndKeysMeetAtTheBoardsEdges)
{
    window->applyOptions(game::MoveBlocks, 3, 3, true);
    // A Ctrl+arrow with no tile on that side of the gap does nothing.
    const int before = moves();
    const std::vector<int> arrangement = state().blockList;
    for (auto [direction, arrow] : {std::pair{game::Direction::Left, Qt::Key_Left},
                                    {game::Direction::Right, Qt::Key_Right},
                                    {game::Direction::Up, Qt::Key_Up},
                                    {game::Direction::Down, Qt::Key_Down}})
        if (game::cellSlidingTowards(state(), direction) < 0)
            key(arrow, Qt::ControlModifier);
    EXPECT_EQ(moves(), before);
    EXPECT_EQ(state().blockList, arrangement);
    // The cursor stops at the edges, and a mouse press hides it.
    key(Qt::Key_Right);
    for (int i = 0; i < 5; ++i)
        key(Qt::Key_Right);
    EXPECT_EQ(overlay()->cursorCell(), 3);
    pressCell(5, Qt::RightButton);
    EXPECT_EQ(overlay()->cursorCell(), -1);
    key(Qt::Key_Space); // shows it again, pressing nothing
    EXPECT_EQ(overlay()->cursorCell(), 3);
    EXPECT_EQ(state().blockList, arrangement);

    // Outside a game the keys are left to the window: nothing moves.
    action("mnuSolution")->trigger();
    key(Qt::Key_Left);
    key(Qt::Key_Up, Qt::ControlModifier);
    key(Qt::Key_Down, Qt::ControlModifier);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(overlay()->cursorCell(), 3);
    EXPECT_EQ(state().blockList, arrangement);
    EXPECT_EQ(moves(), before);
}

TEST_F(KeyboardPlayTest, UndoAndRedoCountAsMovesAndRestoreTheArrangement)
{
    // 'm' slides a tile with Ctrl+arrow, 'u' Ctrl+Z, 'y' Ctrl+Y, 'Y' Ctrl+Shift+Z, 'U' and 'R'
    // the menu items. Then how many moves are in effect and how many can be redone.
    const struct
    {
        const char *steps;
        int inEffect, toRedo, counted;
    } cases[] = {
        {"u", 0, 0, 0},      {"mu", 0, 1, 2},    {"muy", 1, 0, 3},     {"mmuuYy", 2, 0, 6},
        {"mmmUUR", 2, 1, 6}, {"mmuum", 1, 0, 5}, {"mmuumyY", 1, 0, 5},
    };
    for (const auto &c : cases) {
        window->applyOptions(game::MoveBlocks, 4, 4, true);
        EXPECT_FALSE(action("mnuUndo")->isEnabled());
        std::vector<std::vector<int>> line{state().blockList};
        std::size_t at = 0;
        for (std::size_t i = 0; c.steps[i]; ++i) {
            switch (c.steps[i]) {
            case 'm': {
                // A slide that does not lead back to where the last one came from.
                for (auto [direction, arrow] : {std::pair{game::Direction::Left, Qt::Key_Left},
                                                {game::Direction::Up, Qt::Key_Up},
                                                {game::Direction::Right, Qt::Key_Right},
                                                {game::Direction::Down, Qt::Key_Down}}) {
                    const int cell = game::cellSlidingTowards(state(), direction);
                    game::GameState next = state();
                    game::exchangeCells(next, {cell, next.gapCell + 1});
                    if (cell < 0 || (at > 0 && next.blockList == line[at - 1]))
                        continue;
                    key(arrow, Qt::ControlModifier);
                    line.resize(++at);
                    line.push_back(state().blockList);
                    break;
                }
                break;
            }
            case 'u':
                key(Qt::Key_Z, Qt::ControlModifier);
                break;
            case 'U':
                action("mnuUndo")->trigger();
                break;
            case 'y':
                key(Qt::Key_Y, Qt::ControlModifier);
                break;
            case 'Y':
                key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
                break;
            case 'R':
                action("mnuRedo")->trigger();
                break;
            }
            if (c.steps[i] == 'u' || c.steps[i] == 'U')
                at = at > 0 ? at - 1 : 0;
            else if (c.steps[i] != 'm' && at + 1 < line.size())
                ++at;
            EXPECT_EQ(state().blockList, line[at]) << c.steps << " step " << i;
            EXPECT_EQ(state().gapCell + 1, state().blockList.back());
            EXPECT_EQ(action("mnuUndo")->isEnabled(), at > 0) << c.steps << " step " << i;
            EXPECT_EQ(action("mnuRedo")->isEnabled(), at + 1 < line.size())
                << c.steps << " step " << i;
        }
        EXPECT_EQ(int(at), c.inEffect) << c.steps;
        EXPECT_EQ(int(line.size() - 1 - at), c.toRedo) << c.steps;
        EXPECT_EQ(moves(), c.counted) << c.steps;
    }
    // Restart forgets the moves.
    window->btnRestartClick();
    EXPECT_FALSE(action("mnuUndo")->isEnabled());
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(moves(), 0);
}

TEST_F(KeyboardPlayTest, UndoForgetsAPendingPickAndIsOffOnceCompleted)
{
    window->applyOptions(game::SwapBlocks, 3, 3, true);
    const std::vector<int> dealt = state().blockList;
    pressCell(1);
    pressCell(2);
    pressCell(5); // a pick is pending
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(state().selectedCell, -1);
    EXPECT_EQ(state().blockList, dealt);
    EXPECT_EQ(moves(), 2);
    // Solve it with the mouse; then undo is off.
    for (int tile = 1; tile <= 9 && !game::isSolved(state()); ++tile) {
        const int cell = state().blockList[std::size_t(tile - 1)];
        if (cell != tile) {
            pressCell(tile);
            pressCell(cell);
        }
    }
    expectCompleted(moves());
    const std::vector<int> solved = state().blockList;
    key(Qt::Key_Z, Qt::ControlModifier);
    action("mnuUndo")->trigger();
    EXPECT_EQ(state().blockList, solved);
}

TEST_F(KeyboardPlayTest, FollowingHintsSolvesTheBoardAndKeepsNoRecord)
{
    window->applyOptions(game::SwapBlocks, 3, 3, true);
    key(Qt::Key_H);
    const game::Hint swap = game::swapHint(state());
    EXPECT_EQ(overlay()->hintTileCell(), swap.tileCell);
    EXPECT_EQ(overlay()->hintTargetCell(), swap.targetCell);

    window->applyOptions(game::MoveBlocks, 3, 3, true);
    EXPECT_EQ(overlay()->hintTileCell(), -1);
    int slides = 0;
    while (!game::isSolved(state()) && slides < 40) {
        key(Qt::Key_H);
        ASSERT_TRUE(QTest::qWaitFor([&] { return overlay()->hintTileCell() > 0; }, 5000));
        EXPECT_EQ(overlay()->hintTargetCell(), state().gapCell + 1);
        cursorTo(overlay()->hintTileCell());
        key(Qt::Key_Return);
        ++slides;
        EXPECT_EQ(overlay()->hintTileCell(), -1); // the board changed
    }
    expectCompleted(slides);
    EXPECT_LE(slides, 31); // every 3 x 3 board is solved in 31 slides or fewer
    EXPECT_FALSE(recordNote()->isVisible());
    EXPECT_FALSE(QFile::exists(settingsDir.filePath(QStringLiteral("data/Pindrel/records.json"))));
}

TEST_F(KeyboardPlayTest, RecordsAreKeptAcrossARestartOfTheProgramAndCanBeCleared)
{
    const QString path = settingsDir.filePath(QStringLiteral("data/Pindrel/records.json"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    {
        QFile corrupt(path);
        ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
        corrupt.write("{\"format\":\"pindrel-records\",\"records\":[{\"rows\":");
    }
    const auto solveWithMouse = [&] {
        for (int tile = 1; tile <= 9 && !game::isSolved(state()); ++tile) {
            const int cell = state().blockList[std::size_t(tile - 1)];
            if (cell != tile) {
                pressCell(tile);
                pressCell(cell);
            }
        }
        ASSERT_TRUE(game::isSolved(state()));
    };
    window->applyOptions(game::SwapBlocks, 3, 3, true);
    solveWithMouse();
    const int best = moves();
    EXPECT_EQ(text("txtInfo"), QStringLiteral("Puzzle Completed! (%1 moves)").arg(best));
    EXPECT_EQ(recordNote()->text(), "New record: best time and fewest moves");
    // The note goes with the caption.
    window->btnRestartClick();
    EXPECT_FALSE(recordNote()->isVisible());

    // The program again: the record is there, newest first, and can be cleared.
    window.reset();
    window = std::make_unique<TfrmMain>();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    int rows = -1;
    QStringList first;
    whenModal("RecordsDialog", [&](QWidget *dialog) {
        auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("tblRecords"));
        rows = table->rowCount();
        for (int col = 0; col < table->columnCount() && rows > 0; ++col)
            first << table->item(0, col)->text();
        whenModal("QMessageBox", [](QWidget *box) {
            qobject_cast<QMessageBox *>(box)->button(QMessageBox::Yes)->click();
        });
        dialog->findChild<QAbstractButton *>(QStringLiteral("btnClearRecords"))->click();
        rows = std::min(rows, 10) * 100 + table->rowCount();
        dialog->close();
    });
    action("mnuRecords")->trigger();
    EXPECT_EQ(rows, 100); // one record before clearing, none after
    ASSERT_EQ(first.size(), 6);
    EXPECT_EQ(first[0], "Start-up picture");
    EXPECT_EQ(first[1], "3 x 3");
    EXPECT_EQ(first[2], "Swap Blocks");
    EXPECT_EQ(first[4], QString::number(best));
    EXPECT_TRUE(QFile::exists(path + QStringLiteral(".unreadable")));
}

TEST_F(KeyboardPlayTest, EveryControlHasAnAccessibleName)
{
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control->window() != window.get())
            continue; // the dialogs' own
        const bool isControl =
            qobject_cast<QAbstractButton *>(control) || qobject_cast<QLabel *>(control) ||
            qobject_cast<PictureView *>(control) || qobject_cast<ProgressGauge *>(control) ||
            qobject_cast<BoardOverlay *>(control);
        if (isControl)
            EXPECT_FALSE(control->accessibleName().isEmpty())
                << control->metaObject()->className() << " " << control->objectName().toStdString();
    }
}
