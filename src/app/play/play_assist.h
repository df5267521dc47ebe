// SPDX-License-Identifier: GPL-3.0-or-later
// Play beyond the mouse, owned by the main window: keyboard play with its cursor, undo and
// redo, hints and personal records. A player who uses none of them sees no difference.
#pragma once

#include "app/play/hint_finder.h"
#include "app/play/play_host.h"
#include "app/play/record_keeper.h"
#include "game/board_cursor.h"
#include "game/kept_game.h"
#include "game/move_history.h"

#include <QObject>

namespace commands {
class CommandSet;
}
class BoardOverlay;
class PictureView;
class QAction;
class QLabel;
class QMainWindow;

class PlayAssist : public QObject
{
    Q_OBJECT

  public:
    // Runs the commands Undo, Redo, Hint and Records, and listens to the keyboard of the window.
    PlayAssist(QMainWindow *window, PlayHost &host, PictureView *board, QLabel *caption,
               const commands::CommandSet &commands);
    ~PlayAssist() override;

    // Restart, a new picture or a new video.
    void newGame();
    // A counted move made by a press on the board.
    void moveMade(const game::Exchange &move);
    void completed(int moves, qint64 milliseconds);
    // A kept game put back on the board: its history, and whether it used hints.
    void resumeGame(const game::KeptGame &kept);
    const game::MoveHistory &history() const { return m_history; }
    bool hintUsed() const { return m_records.hintWasUsed(); }
    // Commands follow whether a game is played (after a pause, for one).
    void refreshCommands();
    // The picture now played, for its records.
    void setPicture(RecordKeeper::Identity identity, const QString &name);
    // The game's own picture, under its name in the player's language.
    void setStartUpPicture();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);
    // A left press in the 1-based cell, as the mouse makes it.
    void pressCell(int cell);
    // Undo or redo, by the history's step of that name.
    void replay(std::optional<game::Exchange> (game::MoveHistory::*step)());
    void showHint(const game::Hint &hint);
    // After every change of the board: the hint goes, the commands follow the state.
    void boardChanged();
    void requestHint();

    QMainWindow *m_window;
    PlayHost &m_host;
    PictureView *m_board;
    BoardOverlay *m_overlay;
    RecordKeeper m_records;
    HintFinder m_hints;
    game::BoardCursor m_cursor;
    game::MoveHistory m_history;
    QAction *m_undo;
    QAction *m_redo;
    QAction *m_hint;
};
