// SPDX-License-Identifier: GPL-3.0-or-later
// Pause: the "Pause" item of the game menu and P. A plain cover hides the board and the
// solution, so a paused picture cannot be studied for free; minimising the window pauses too.
#pragma once

#include "app/play/pause_host.h"

#include <QObject>

namespace commands {
class CommandSet;
}
class QAction;
class QLabel;
class QMainWindow;
class QWidget;

class PauseControl : public QObject
{
    Q_OBJECT

  public:
    // The cover lies over every child of area, under the one given.
    PauseControl(QMainWindow *window, PauseHost &host, QWidget *area, QWidget *coverUnder,
                 const commands::CommandSet &commands);
    ~PauseControl() override;

    bool paused() const { return m_paused; }
    void setPaused(bool paused);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void windowStateChanged();

    QMainWindow *m_window;
    PauseHost &m_host;
    QWidget *m_area;
    QLabel *m_cover;
    QAction *m_action;
    bool m_paused = false;
    bool m_byMinimising = false;
};
