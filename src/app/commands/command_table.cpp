// SPDX-License-Identifier: GPL-3.0-or-later
// Rows are grouped by the part of the game that binds them, and each keeps the translation
// context it had there. A menu takes its rows in the table's order, so the commands of play,
// Pause, the keeper and the Keys table follow the window's own at the ends of their menus.
#include "app/commands/command_table.h"

#include <QCoreApplication>

namespace commands {

namespace {

constexpr MenuRow menus[] = {
    {Menu::Game, "mnuGame", QT_TRANSLATE_NOOP3("TfrmMain", "&Game", "menu bar")},
    {Menu::View, "mnuView", QT_TRANSLATE_NOOP3("TfrmMain", "&View", "menu bar")},
    {Menu::Options, "mnuOptions", QT_TRANSLATE_NOOP3("TfrmMain", "&Options", "menu bar")},
    {Menu::Help, "mnuHelp", QT_TRANSLATE_NOOP3("TfrmMain", "&Help", "menu bar")},
};

constexpr CommandRow rows[] = {
    // The window's own.
    {.id = Command::Open,
     .objectName = "mnuOpen",
     .context = "TfrmMain",
     .text = QT_TRANSLATE_NOOP3("TfrmMain", "&Open...", "Game menu"),
     .menu = Menu::Game,
     .shortcuts = "Ctrl+O"},
    {.id = Command::OpenURL,
     .objectName = "mnuOpenURL",
     .context = "TfrmMain",
     .text = QT_TRANSLATE_NOOP3("TfrmMain", "Open &URL...", "Game menu"),
     .menu = Menu::Game,
     .shortcuts = "Ctrl+U"},
    {.id = Command::Web,
     .objectName = "mnuWeb",
     .context = "TfrmMain",
     .text = QT_TRANSLATE_NOOP3("TfrmMain", "Puzzles on the &Web", "Game menu"),
     .menu = Menu::Game,
     .separatorBefore = true,
     .shortcuts = "Ctrl+W"},
    {.id = Command::Exit,
     .objectName = "mnuExit",
     .context = "TfrmMain",
     .text = QT_TRANSLATE_NOOP3("TfrmMain", "&Exit", "Game menu"),
     .menu = Menu::Game,
     .separatorBefore = true,
     .shortcuts = "Ctrl+X"},
    {.id = Command::Restart,
     .objectName = "Restart1",
     .context = "TfrmMain",
     .text = QT_TRANSLATE_NOOP3("TfrmMain", "&Restart/Refresh", "View menu"),
     .menu = Menu::View,
     .shortcuts = "F5"},
    {.id = Command::Back,
     .objectName = "Back1",
     .context = "TfrmMain",
     .text = QT_TRANSLATE_NOOP3("TfrmMain", "&Back", "View menu"),
     .menu = Menu::View,
     .shortcuts = "Ctrl+Alt+B",
     .enabled = false},
    {.id = Command::Next,
     .objectName = "Next1",
     .context = "TfrmMain",
     .text = QT_TRANSLATE_NOOP3("TfrmMain", "&Next", "View menu"),
     .menu = Menu::View,
     .shortcuts = "Ctrl+Alt+N",
     .enabled = false},
    {.id = Command::Solution,
     .objectName = "mnuSolution",
     .context = "TfrmMain",
     .text = QT_TRANSLATE_NOOP3("TfrmMain", "Show &Solution", "View menu"),
     .menu = Menu::View,
     .separatorBefore = true,
     .shortcuts = "F4",
     .enabled = false},
    {.id = Command::FullScreen,
     .objectName = "mnuFullScreen",
     .context = "TfrmMain",
     .text = QT_TRANSLATE_NOOP3("TfrmMain", "&Full Screen", "View menu"),
     .menu = Menu::View,
     .separatorBefore = true,
     .shortcuts = "F11",
     .checkable = true},
    {.id = Command::Setup,
     .objectName = "mnuSetup",
     .context = "TfrmMain",
     .text = QT_TRANSLATE_NOOP3("TfrmMain", "&Setup...", "Options menu"),
     .menu = Menu::Options,
     .shortcuts = "Ctrl+S"},
    {.id = Command::ShowToolbar,
     .objectName = "mnuShowToolbar",
     .context = "TfrmMain",
     .text = QT_TRANSLATE_NOOP3("TfrmMain", "&Show Toolbar", "Options menu"),
     .menu = Menu::Options,
     .separatorBefore = true,
     .shortcuts = "Ctrl+T",
     .checkable = true,
     .checked = true},
    {.id = Command::FadeBlocks,
     .objectName = "FadeBlocks1",
     .context = "TfrmMain",
     .text = QT_TRANSLATE_NOOP3("TfrmMain", "&Dim Selected Tiles", "Options menu"),
     .menu = Menu::Options,
     .shortcuts = "Ctrl+F",
     .checkable = true,
     .checked = true},
    // Only a mark, which the board reads when it dims.
    {.id = Command::DimTiles,
     .objectName = "mnuDimTiles",
     .context = "TfrmMain",
     .text = QT_TRANSLATE_NOOP3("TfrmMain", "Dim Incorrect Tiles", "Options menu"),
     .menu = Menu::Options,
     .checkable = true,
     .fullScreenCopy = FullScreenCopy::DoesNothing},
    {.id = Command::ShowGrid,
     .objectName = "mnuShowGrid",
     .context = "TfrmMain",
     .text = QT_TRANSLATE_NOOP3("TfrmMain", "&Grid Overlay", "Options menu"),
     .menu = Menu::Options,
     .shortcuts = "Ctrl+G",
     .checkable = true,
     .fullScreenCopy = FullScreenCopy::RunsCommandAndFlipsMark},
    {.id = Command::PlaySound,
     .objectName = "mnuPlaySound",
     .context = "TfrmMain",
     .text = QT_TRANSLATE_NOOP3("TfrmMain", "Play Sound", "Options menu"),
     .menu = Menu::Options,
     .checkable = true,
     .checked = true},
    {.id = Command::About,
     .objectName = "mnuAbout",
     .context = "TfrmMain",
     .text = QT_TRANSLATE_NOOP3("TfrmMain", "&About Pindrel...", "Help menu"),
     .menu = Menu::Help,
     .shortcuts = "Ctrl+A"},
    {.id = Command::VisitOnline,
     .objectName = "mnuVisitOnline",
     .context = "TfrmMain",
     .text = QT_TRANSLATE_NOOP3("TfrmMain", "Visit Pindrel Online...", "Help menu"),
     .menu = Menu::Help,
     .separatorBefore = true},

    // Play beyond the mouse (PlayAssist); its enabled states follow the game.
    {.id = Command::Undo,
     .objectName = "mnuUndo",
     .context = "PlayAssist",
     .text = QT_TRANSLATE_NOOP3("PlayAssist", "&Undo", "Game menu"),
     .menu = Menu::Game,
     .separatorBefore = true,
     .shortcuts = "Ctrl+Z"},
    {.id = Command::Redo,
     .objectName = "mnuRedo",
     .context = "PlayAssist",
     .text = QT_TRANSLATE_NOOP3("PlayAssist", "&Redo", "Game menu"),
     .menu = Menu::Game,
     .shortcuts = "Ctrl+Shift+Z; Ctrl+Y"},
    {.id = Command::Hint,
     .objectName = "mnuHint",
     .context = "PlayAssist",
     //: Shows which tile to move next on the board
     .text = QT_TRANSLATE_NOOP3("PlayAssist", "&Hint", "Game menu"),
     .menu = Menu::Game,
     .shownKey = "H"},
    {.id = Command::Records,
     .objectName = "mnuRecords",
     .context = "PlayAssist",
     .text = QT_TRANSLATE_NOOP3("PlayAssist", "Records...", "Help menu"),
     .menu = Menu::Help},

    // Pause (PauseControl).
    {.id = Command::Pause,
     .objectName = "mnuPause",
     .context = "PauseControl",
     //: Stops the clock and covers the board until chosen again
     .text = QT_TRANSLATE_NOOP3("PauseControl", "&Pause", "Game menu"),
     .menu = Menu::Game,
     .shownKey = "P",
     .checkable = true},

    // The keeper of the game in progress (GameKeeper).
    {.id = Command::Resume,
     .objectName = "mnuResume",
     .context = "GameKeeper",
     //: Brings back the game in progress when the game last ended or another picture was opened
     .text = QT_TRANSLATE_NOOP3("GameKeeper", "Resume &Last Game", "Game menu"),
     .menu = Menu::Game,
     .separatorBefore = true},

    // The table of keys (KeysDialog).
    {.id = Command::Keys,
     .objectName = "mnuKeys",
     .context = "KeysDialog",
     //: Opens the table of every key the game answers
     .text = QT_TRANSLATE_NOOP3("KeysDialog", "&Keys...", "Help menu"),
     .menu = Menu::Help,
     .shortcuts = "F1"},
};

constexpr bool inEnumOrder()
{
    for (std::size_t i = 0; i < std::size(rows); ++i)
        if (std::size_t(rows[i].id) != i)
            return false;
    for (std::size_t i = 0; i < std::size(menus); ++i)
        if (std::size_t(menus[i].id) != i)
            return false;
    return true;
}
static_assert(std::size(rows) == commandCount && std::size(menus) == menuCount && inEnumOrder());

} // namespace

std::span<const CommandRow> commandTable()
{
    return rows;
}

std::span<const MenuRow> menuTable()
{
    return menus;
}

const CommandRow &commandRow(Command id)
{
    return rows[std::size_t(id)];
}

QString caption(const CommandRow &row)
{
    return QCoreApplication::translate(row.context, row.text.source, row.text.disambiguation);
}

QString title(const MenuRow &row)
{
    return QCoreApplication::translate("TfrmMain", row.title.source, row.title.disambiguation);
}

} // namespace commands
