// SPDX-License-Identifier: GPL-3.0-or-later
// Every command of the window's menus, declared once: its name, text, menu and place there,
// keys and first state. The menu bar, the window's shortcuts, the full-screen menu and the
// Keys table are all made from it; what a command does is bound by the part of the game that
// owns it.
#pragma once

#include <QString>

#include <cstddef>
#include <span>

namespace commands {

// In the table's order.
enum class Command
{
    Open,
    OpenURL,
    Web,
    Exit,
    Restart,
    Back,
    Next,
    Solution,
    FullScreen,
    Setup,
    ShowToolbar,
    FadeBlocks,
    DimTiles,
    ShowGrid,
    PlaySound,
    About,
    VisitOnline,
    Undo,
    Redo,
    Hint,
    Records,
    Pause,
    Resume,
    Keys,
};
inline constexpr std::size_t commandCount = std::size_t(Command::Keys) + 1;

// In the menu bar's order.
enum class Menu
{
    Game,
    View,
    Options,
    Help,
};
inline constexpr std::size_t menuCount = std::size_t(Menu::Help) + 1;

// A text as QT_TRANSLATE_NOOP3 gives it, which leaves out the context.
struct Text
{
    const char *source;
    const char *disambiguation;
};

// What a command's copy in the full-screen menu does when chosen. The copies are a snapshot
// taken on entering full screen, so a copy's mark stays as it was taken unless said here.
enum class FullScreenCopy
{
    RunsCommand,
    RunsCommandAndFlipsMark,
    // Only for an item whose mark is all it has: there is no command for the copy to run.
    DoesNothing,
};

struct CommandRow
{
    Command id;
    const char *objectName;
    // The translation context the text is filed under in translations/.
    const char *context;
    Text text;
    Menu menu;
    bool separatorBefore = false;
    // Portable key texts, several separated by "; ".
    const char *shortcuts = "";
    // A key shown after a tab in the item without being its shortcut: it is taken by play only
    // while a game is on the board, and stays with the web pane and dialogs otherwise.
    const char *shownKey = "";
    bool checkable = false;
    bool checked = false;
    bool enabled = true;
    FullScreenCopy fullScreenCopy = FullScreenCopy::RunsCommand;
};

struct MenuRow
{
    Menu id;
    const char *objectName;
    Text title; // filed under TfrmMain
};

// Each menu's items in the order the table gives; the ids in their enum's order.
std::span<const CommandRow> commandTable();
std::span<const MenuRow> menuTable();
const CommandRow &commandRow(Command id);

// The texts in the player's language; a command's without its shown key.
QString caption(const CommandRow &row);
QString title(const MenuRow &row);

} // namespace commands
