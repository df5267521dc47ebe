// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/full_screen_mode.h"

#include "app/commands/command_set.h"
#include "app/commands/full_screen_menu.h"
#include "app/widgets/widget_colour.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

using commands::Command;

FullScreenMode::FullScreenMode(QMainWindow *window, const commands::CommandSet &commands,
                               Parts parts, std::function<void()> redraw)
    : QObject(window), m_window(window), m_commands(commands), m_parts(parts),
      m_redraw(std::move(redraw)), m_menuCopy(new QMenu(window))
{
    m_menuCopy->setObjectName(QStringLiteral("PopupMenu1"));
    for (QWidget *area : {window->centralWidget(), m_parts.board})
        connect(area, &QWidget::customContextMenuRequested, this,
                [this, area](QPoint at) { m_menuCopy->popup(area->mapToGlobal(at)); });
    updateMaximumSize();
    window->winId();
    connect(window->windowHandle(), &QWindow::screenChanged, this,
            &FullScreenMode::updateMaximumSize);
}

void FullScreenMode::showToolStripAsChecked()
{
    const bool shown = m_commands.action(Command::ShowToolbar)->isChecked();
    m_parts.toolStrip->setVisible(shown);
    m_parts.bevelLine->setVisible(shown);
    m_redraw();
}

void FullScreenMode::switchAsChecked()
{
    if (m_commands.action(Command::FullScreen)->isChecked())
        enter();
    else
        leave();
}

void FullScreenMode::enter()
{
    // The tool strip is always hidden in full-screen mode.
    m_commands.action(Command::ShowToolbar)->setChecked(false);
    showToolStripAsChecked();

    // A snapshot of the main menu: later changes of check marks are not carried over.
    commands::copyMenusInto(m_menuCopy, m_commands);

    m_savedBounds = m_window->geometry();
    setBackground(m_window->centralWidget(), Qt::black);
    m_window->menuBar()->hide();
    m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_window->showFullScreen();

    for (QWidget *area : {m_window->centralWidget(), m_parts.board})
        area->setContextMenuPolicy(Qt::CustomContextMenu);
    // Escape leaves full screen too; only then, so it stays with dialogs and menus otherwise.
    m_commands.action(Command::FullScreen)
        ->setShortcuts({QKeySequence(Qt::Key_F11), QKeySequence(Qt::Key_Escape)});
}

void FullScreenMode::leave()
{
    m_commands.action(Command::FullScreen)->setShortcut(QKeySequence(Qt::Key_F11));
    // The tool strip is always shown after leaving, whatever it was before.
    m_commands.action(Command::ShowToolbar)->setChecked(true);
    showToolStripAsChecked();

    for (QWidget *area : {m_window->centralWidget(), m_parts.board})
        area->setContextMenuPolicy(Qt::DefaultContextMenu);

    m_window->menuBar()->show();
    m_window->showNormal();
    m_window->setGeometry(m_savedBounds);
    m_window->centralWidget()->setPalette(QPalette());
    m_window->centralWidget()->setAutoFillBackground(false);
    updateMaximumSize();
}

void FullScreenMode::updateMaximumSize()
{
    if (m_commands.action(Command::FullScreen)->isChecked())
        return;
    // The window may grow until the area below its menu bar equals the screen. The menu bar
    // counts before the window is first shown as well.
    const QSize screen = m_window->screen()->geometry().size();
    const int menuBarHeight =
        m_window->menuBar()->isVisibleTo(m_window) ? m_window->menuBar()->sizeHint().height() : 0;
    m_window->setMaximumSize(screen.width(), screen.height() + menuBarHeight);
}
