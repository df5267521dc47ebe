// SPDX-License-Identifier: GPL-3.0-or-later
// Full-screen mode and the tool strip's visibility: what the window hides and shows, the
// bounds it comes back to, the right-click copy of the main menu that stands in for the hidden
// menu bar, and the window's maximum size, which follows its screen outside full screen.
#pragma once

#include <QObject>
#include <QRect>

#include <functional>

namespace commands {
class CommandSet;
}
class QMainWindow;
class QMenu;
class QWidget;

class FullScreenMode : public QObject
{
    Q_OBJECT

  public:
    struct Parts
    {
        QWidget *toolStrip;
        QWidget *bevelLine; // under the tool strip, shown with it
        QWidget *board;     // takes the right click along with the central widget
    };

    // redraw draws the board again once the tool strip has come or gone. Creates the window's
    // native handle, so that the maximum size follows it to another screen.
    FullScreenMode(QMainWindow *window, const commands::CommandSet &commands, Parts parts,
                   std::function<void()> redraw);

    // As the Show Toolbar and Full Screen commands' marks now say.
    void showToolStripAsChecked();
    void switchAsChecked();

  private:
    void enter();
    void leave();
    void updateMaximumSize();

    QMainWindow *m_window;
    const commands::CommandSet &m_commands;
    Parts m_parts;
    std::function<void()> m_redraw;
    QMenu *m_menuCopy;
    QRect m_savedBounds; // the window's bounds before full-screen mode
};
