// SPDX-License-Identifier: GPL-3.0-or-later
// Play beyond the mouse, over the game session: keyboard play with its cursor, the Undo, Redo,
// Hint and Records commands, the hint's frames and the new-record note. A player who uses
// none of them sees no difference.
#pragma once

#include "app/play/record_keeper.h"
#include "game/board_cursor.h"

#include <QObject>
#include <QPoint>

#include <functional>

namespace commands {
class CommandSet;
}
class BoardOverlay;
class InputRouter;
class GameSession;
class PictureView;
class QAction;
class QLabel;
class QMainWindow;

class PlayAssist : public QObject
{
    Q_OBJECT

  public:
    // A left press on the board control at the point, exactly as the mouse makes it.
    using PressAt = std::function<void(QPoint)>;

    // Binds Undo, Redo, Hint and Records, and listens to the keyboard of the window.
    PlayAssist(QMainWindow *window, GameSession &session, InputRouter &router, PictureView *board,
               QLabel *caption, const commands::CommandSet &commands, PressAt pressAt);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    // The keys of play, from every key of the window.
    bool takeKey(QObject *watched, QEvent *event);
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);
    // A left press in the 1-based cell, as the mouse makes it.
    void pressCell(int cell);
    // Commands follow whether a game is played (after a pause, for one).
    void refreshCommands();
    // A new deal: the cursor starts over, on its grid.
    void newBoard();

    QMainWindow *m_window;
    GameSession &m_session;
    PictureView *m_board;
    BoardOverlay *m_overlay;
    RecordKeeper m_records;
    PressAt m_pressAt;
    game::BoardCursor m_cursor;
    QAction *m_undo;
    QAction *m_redo;
    QAction *m_hint;
};
