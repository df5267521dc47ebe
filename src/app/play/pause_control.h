// SPDX-License-Identifier: GPL-3.0-or-later
// Pause: the "Pause" item of the game menu and P. A plain cover hides the board and the
// solution, so a paused picture cannot be studied for free; minimising the window pauses too.
#pragma once

#include <QObject>

namespace commands {
class CommandSet;
}
class GameSession;
class InputRouter;
class QAction;
class QLabel;
class QMainWindow;
class QWidget;

class PauseControl : public QObject
{
    Q_OBJECT

  public:
    // The cover lies over every child of area, under the one given.
    PauseControl(QMainWindow *window, GameSession &session, InputRouter &router, QWidget *area,
                 QWidget *coverUnder, const commands::CommandSet &commands);

    void setPaused(bool paused);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void windowStateChanged();
    // P, from every key of the window.
    bool takeKey(QObject *watched, QEvent *event);
    void showPaused(bool paused);

    QMainWindow *m_window;
    GameSession &m_session;
    QWidget *m_area;
    QLabel *m_cover;
    QAction *m_action;
    bool m_byMinimising = false;
};
