// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start-up state, its commands and menus.
#include "window_fixture.h"

#include "app/commands/command_table.h"
#include "app/widgets/picture_view.h"
#include "game/darkness.h"

#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <map>
#include <string>

TEST_F(WindowTest, StartsInTheSolutionViewOfTheBuiltInPicture)
{
    EXPECT_EQ(window->windowTitle(), "Pindrel");
    const game::GameState &state = window->session().state();
    EXPECT_EQ(state.rows, 4);
    EXPECT_EQ(state.cols, 4);
    EXPECT_EQ(state.tileCount(), 16);
    EXPECT_EQ(state.gameType, game::SwapBlocks);
    EXPECT_TRUE(window->session().solutionShown());
    EXPECT_FALSE(window->session().clock().clockRunning());

    EXPECT_EQ(window->boardView().solutionPicture().size(), QSize(329, 125));
    EXPECT_TRUE(find<PictureView>("imgSolution")->isVisible());
    EXPECT_FALSE(board()->isVisible());
    EXPECT_FALSE(action("mnuSolution")->isEnabled());
    EXPECT_EQ(text("txtMoveCount"), "0");
    EXPECT_EQ(text("txtStatus"), "00 : 00 : 00");
    EXPECT_TRUE(find<QLabel>("txtInfo")->isVisible());
    EXPECT_EQ(text("txtInfo"), "Try Again? ");
    // The fonts asked for; which installed fonts stand in for them is the machine's business.
    EXPECT_EQ(find<QLabel>("txtInfo")->font().family(), "Comic Sans MS");
    EXPECT_EQ(find<QLabel>("txtStatus")->font().family(), "Arial");

    // The dim source is the built-in picture darkened.
    QImage darkened = window->boardView().solutionPicture();
    game::darkenBitmap(darkened, 100);
    EXPECT_EQ(window->boardView().dimPicture(), darkened);

    EXPECT_TRUE(find<QTimer>("tmrTimer")->isActive());
    EXPECT_EQ(find<QTimer>("tmrTimer")->interval(), 500);
    EXPECT_FALSE(find<QTimer>("Timer1")->isActive());
    EXPECT_EQ(window->videoBoard().refreshInterval(), 40);
}

TEST_F(WindowTest, MenusCarryTheirCaptionsShortcutsAndStates)
{
    struct Item
    {
        const char *caption;
        const char *shortcuts;
        bool checked;
        bool enabled;
    };
    // What the player finds at start-up, by object name; every command of the table is here.
    const std::map<std::string, Item> items = {
        {"mnuOpen", {"&Open...", "Ctrl+O", false, true}},
        {"mnuOpenURL", {"Open &URL...", "Ctrl+U", false, true}},
        {"mnuWeb", {"Puzzles on the &Web", "Ctrl+W", false, true}},
        {"mnuExit", {"&Exit", "Ctrl+X", false, true}},
        {"Restart1", {"&Restart/Refresh", "F5", false, true}},
        {"Back1", {"&Back", "Ctrl+Alt+B", false, false}},
        {"Next1", {"&Next", "Ctrl+Alt+N", false, false}},
        {"mnuSolution", {"Show &Solution", "F4", false, false}},
        {"mnuFullScreen", {"&Full Screen", "F11", false, true}},
        {"mnuSetup", {"&Setup...", "Ctrl+S", false, true}},
        {"mnuShowToolbar", {"&Show Toolbar", "Ctrl+T", true, true}},
        {"FadeBlocks1", {"&Dim Selected Tiles", "Ctrl+F", true, true}},
        {"mnuDimTiles", {"Dim Incorrect Tiles", "", false, true}},
        {"mnuShowGrid", {"&Grid Overlay", "Ctrl+G", false, true}},
        {"mnuPlaySound", {"Play Sound", "", true, true}},
        {"mnuAbout", {"&About Pindrel...", "Ctrl+A", false, true}},
        {"mnuVisitOnline", {"Visit Pindrel Online...", "", false, true}},
        {"mnuUndo", {"&Undo", "Ctrl+Z", false, false}},
        {"mnuRedo", {"&Redo", "Ctrl+Shift+Z; Ctrl+Y", false, false}},
        {"mnuHint", {"&Hint\tH", "", false, false}},
        {"mnuRecords", {"Records...", "", false, true}},
        {"mnuPause", {"&Pause\tP", "", false, true}},
        {"mnuResume", {"Resume &Last Game", "", false, false}}, // nothing kept yet
        {"mnuKeys", {"&Keys...", "F1", false, true}},
    };
    EXPECT_EQ(commands::commandTable().size(), items.size());
    for (const commands::CommandRow &row : commands::commandTable()) {
        SCOPED_TRACE(row.objectName);
        const auto item = items.find(row.objectName);
        ASSERT_NE(item, items.end());
        QAction *menuItem = action(row.objectName);
        ASSERT_NE(menuItem, nullptr);
        EXPECT_EQ(menuItem->text(), item->second.caption);
        EXPECT_EQ(QKeySequence::listToString(menuItem->shortcuts()), item->second.shortcuts);
        EXPECT_EQ(menuItem->isChecked(), item->second.checked);
        EXPECT_EQ(menuItem->isEnabled(), item->second.enabled);
        // Held by the window, so the shortcut works without the menu bar in full screen.
        EXPECT_TRUE(window->actions().contains(menuItem));
    }
    EXPECT_FALSE(action("Back1")->isEnabled());
    EXPECT_FALSE(action("Next1")->isEnabled());
    EXPECT_FALSE(find<QToolButton>("btnBack")->isEnabled());
    EXPECT_FALSE(find<QToolButton>("btnForward")->isEnabled());

    QStringList menus;
    for (QAction *menu : window->menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, (QStringList{"&Game", "&View", "&Options", "&Help"}));

    const auto itemsOf = [this](int menu) {
        QStringList items;
        for (QAction *item : window->menuBar()->actions().at(menu)->menu()->actions())
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
        return items;
    };
    EXPECT_EQ(itemsOf(0), (QStringList{"&Open...", "Open &URL...", "-", "Puzzles on the &Web", "-",
                                       "&Exit", "-", "&Undo", "&Redo", "&Hint\tH", "&Pause\tP", "-",
                                       "Resume &Last Game"}));
    EXPECT_EQ(itemsOf(1), (QStringList{"&Restart/Refresh", "&Back", "&Next", "-", "Show &Solution",
                                       "-", "&Full Screen"}));
    EXPECT_EQ(itemsOf(2), (QStringList{"&Setup...", "-", "&Show Toolbar", "&Dim Selected Tiles",
                                       "Dim Incorrect Tiles", "&Grid Overlay", "Play Sound"}));
    EXPECT_EQ(itemsOf(3), (QStringList{"&About Pindrel...", "-", "Visit Pindrel Online...",
                                       "Records...", "&Keys..."}));
}

TEST_F(WindowTest, RestartTurnsThePictureIntoAShuffledGame)
{
    clickButton("btnRestart");
    const game::GameState &state = window->session().state();
    EXPECT_FALSE(window->session().solutionShown());
    EXPECT_EQ(state.blockList.size(), 16u);
    EXPECT_FALSE(game::isSolved(state));
    EXPECT_TRUE(board()->isVisible());
    EXPECT_FALSE(find<PictureView>("imgSolution")->isVisible());
    EXPECT_TRUE(action("mnuSolution")->isEnabled());
    EXPECT_EQ(text("txtMoveCount"), "0");
    EXPECT_EQ(text("txtStatus"), "00 : 00 : 00");
    EXPECT_FALSE(find<QLabel>("txtInfo")->isVisible());
    EXPECT_TRUE(window->session().clock().clockRunning());

    // The clock tick writes the elapsed time while the clock runs.
    EXPECT_TRUE(QTest::qWaitFor([&] { return text("txtStatus") == "00 : 00 : 01"; }, 5000));

    // Show Solution stops the clock; the panel keeps its time and the item is disabled.
    action("mnuSolution")->trigger();
    EXPECT_FALSE(window->session().clock().clockRunning());
    EXPECT_FALSE(board()->isVisible());
    EXPECT_FALSE(action("mnuSolution")->isEnabled());
    EXPECT_EQ(text("txtStatus"), "00 : 00 : 01");

    // F5 starts a new game from the solution view.
    pressKeys(QStringLiteral("F5"));
    EXPECT_TRUE(board()->isVisible());
    EXPECT_EQ(text("txtStatus"), "00 : 00 : 00");
}

TEST_F(WindowTest, MenuSwitchesRedrawOrRebuildWhatTheyShould)
{
    clickButton("btnRestart");
    const QRgb plain = window->boardView().boardPicture().pixel(0, 0);

    // The grid switch redraws at once: the top-left bevel pixel turns white.
    action("mnuShowGrid")->trigger();
    EXPECT_TRUE(action("mnuShowGrid")->isChecked());
    EXPECT_EQ(window->boardView().boardPicture().pixel(0, 0), 0xffffffffu);
    action("mnuShowGrid")->trigger();
    EXPECT_EQ(window->boardView().boardPicture().pixel(0, 0), plain);

    // Switching dimming off and on again rebuilds the dim source from the picture once.
    QImage darkened = window->boardView().solutionPicture();
    game::darkenBitmap(darkened, 100);
    action("FadeBlocks1")->trigger();
    EXPECT_FALSE(action("FadeBlocks1")->isChecked());
    EXPECT_EQ(window->boardView().dimPicture(), darkened);
    action("FadeBlocks1")->trigger();
    action("FadeBlocks1")->trigger();
    action("FadeBlocks1")->trigger();
    EXPECT_EQ(window->boardView().dimPicture(), darkened);

    // Dim Incorrect Tiles only flips its check mark.
    const QImage before = window->boardView().boardPicture();
    action("mnuDimTiles")->trigger();
    EXPECT_TRUE(action("mnuDimTiles")->isChecked());
    EXPECT_EQ(window->boardView().boardPicture(), before);
}
