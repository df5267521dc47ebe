// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start-up state, its commands and menus.
#include "window_fixture.h"

#include "app/widgets/picture_view.h"
#include "game/darkness.h"

#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

TEST_F(WindowTest, StartsInTheSolutionViewOfTheBuiltInPicture)
{
    EXPECT_EQ(window->windowTitle(), "Pindrel");
    const game::GameState &state = window->state();
    EXPECT_EQ(state.rows, 4);
    EXPECT_EQ(state.cols, 4);
    EXPECT_EQ(state.tileCount(), 16);
    EXPECT_EQ(state.gameType, game::SwapBlocks);
    EXPECT_TRUE(window->session().solutionShown());
    EXPECT_FALSE(window->clockRunning());

    EXPECT_EQ(window->solutionPicture().size(), QSize(329, 125));
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
    QImage darkened = window->solutionPicture();
    game::darkenBitmap(darkened, 100);
    EXPECT_EQ(window->dimPicture(), darkened);

    EXPECT_TRUE(find<QTimer>("tmrTimer")->isActive());
    EXPECT_EQ(find<QTimer>("tmrTimer")->interval(), 500);
    EXPECT_FALSE(find<QTimer>("Timer1")->isActive());
    EXPECT_EQ(window->videoRefreshInterval(), 40);
}

TEST_F(WindowTest, MenusCarryTheirCaptionsShortcutsAndStates)
{
    struct Item
    {
        const char *name;
        const char *caption;
        const char *shortcut;
        bool checked;
    };
    const Item items[] = {
        {"mnuOpen", "&Open...", "Ctrl+O", false},
        {"mnuOpenURL", "Open &URL...", "Ctrl+U", false},
        {"mnuWeb", "Puzzles on the &Web", "Ctrl+W", false},
        {"mnuExit", "&Exit", "Ctrl+X", false},
        {"Restart1", "&Restart/Refresh", "F5", false},
        {"Back1", "&Back", "Ctrl+Alt+B", false},
        {"Next1", "&Next", "Ctrl+Alt+N", false},
        {"mnuSolution", "Show &Solution", "F4", false},
        {"mnuFullScreen", "&Full Screen", "F11", false},
        {"mnuSetup", "&Setup...", "Ctrl+S", false},
        {"mnuShowToolbar", "&Show Toolbar", "Ctrl+T", true},
        {"FadeBlocks1", "&Dim Selected Tiles", "Ctrl+F", true},
        {"mnuDimTiles", "Dim Incorrect Tiles", "", false},
        {"mnuShowGrid", "&Grid Overlay", "Ctrl+G", false},
        {"mnuPlaySound", "Play Sound", "", true},
        {"mnuAbout", "&About Pindrel...", "Ctrl+A", false},
        {"mnuVisitOnline", "Visit Pindrel Online...", "", false},
    };
    for (const Item &item : items) {
        QAction *menuItem = action(item.name);
        ASSERT_NE(menuItem, nullptr);
        EXPECT_EQ(menuItem->text(), item.caption);
        EXPECT_EQ(menuItem->shortcut().toString(), item.shortcut) << item.name;
        EXPECT_EQ(menuItem->isChecked(), item.checked) << item.name;
    }
    EXPECT_FALSE(action("Back1")->isEnabled());
    EXPECT_FALSE(action("Next1")->isEnabled());
    EXPECT_FALSE(find<QToolButton>("btnBack")->isEnabled());
    EXPECT_FALSE(find<QToolButton>("btnForward")->isEnabled());

    QStringList menus;
    for (QAction *menu : window->menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, (QStringList{"&Game", "&View", "&Options", "&Help"}));

    QStringList viewItems;
    for (QAction *item : window->menuBar()->actions().at(1)->menu()->actions())
        viewItems << (item->isSeparator() ? QStringLiteral("-") : item->text());
    EXPECT_EQ(viewItems, (QStringList{"&Restart/Refresh", "&Back", "&Next", "-", "Show &Solution",
                                      "-", "&Full Screen"}));
}

TEST_F(WindowTest, RestartTurnsThePictureIntoAShuffledGame)
{
    clickButton("btnRestart");
    const game::GameState &state = window->state();
    EXPECT_FALSE(window->session().solutionShown());
    EXPECT_EQ(state.blockList.size(), 16u);
    EXPECT_FALSE(game::isSolved(state));
    EXPECT_TRUE(board()->isVisible());
    EXPECT_FALSE(find<PictureView>("imgSolution")->isVisible());
    EXPECT_TRUE(action("mnuSolution")->isEnabled());
    EXPECT_EQ(text("txtMoveCount"), "0");
    EXPECT_EQ(text("txtStatus"), "00 : 00 : 00");
    EXPECT_FALSE(find<QLabel>("txtInfo")->isVisible());
    EXPECT_TRUE(window->clockRunning());

    // The clock tick writes the elapsed time while the clock runs.
    EXPECT_TRUE(QTest::qWaitFor([&] { return text("txtStatus") == "00 : 00 : 01"; }, 5000));

    // Show Solution stops the clock; the panel keeps its time and the item is disabled.
    action("mnuSolution")->trigger();
    EXPECT_FALSE(window->clockRunning());
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
    const QRgb plain = window->boardPicture().pixel(0, 0);

    // The grid switch redraws at once: the top-left bevel pixel turns white.
    action("mnuShowGrid")->trigger();
    EXPECT_TRUE(action("mnuShowGrid")->isChecked());
    EXPECT_EQ(window->boardPicture().pixel(0, 0), 0xffffffffu);
    action("mnuShowGrid")->trigger();
    EXPECT_EQ(window->boardPicture().pixel(0, 0), plain);

    // Switching dimming off and on again rebuilds the dim source from the picture once.
    QImage darkened = window->solutionPicture();
    game::darkenBitmap(darkened, 100);
    action("FadeBlocks1")->trigger();
    EXPECT_FALSE(action("FadeBlocks1")->isChecked());
    EXPECT_EQ(window->dimPicture(), darkened);
    action("FadeBlocks1")->trigger();
    action("FadeBlocks1")->trigger();
    action("FadeBlocks1")->trigger();
    EXPECT_EQ(window->dimPicture(), darkened);

    // Dim Incorrect Tiles only flips its check mark.
    const QImage before = window->boardPicture();
    action("mnuDimTiles")->trigger();
    EXPECT_TRUE(action("mnuDimTiles")->isChecked());
    EXPECT_EQ(window->boardPicture(), before);
}
