// SPDX-License-Identifier: GPL-3.0-or-later
// P is taken from the window's keys, before any control sees them, only while a game is on the
// board, so it still types a "p" in the web pane and in dialogs. The menu shows it beside the item
// without making it a shortcut, which would take it from those too.
#include "app/play/pause_control.h"

#include "app/commands/command_set.h"
#include "app/widgets/input_router.h"
#include "session/game_session.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>

PauseControl::PauseControl(QMainWindow *window, GameSession &session, InputRouter &router,
                           QWidget *area, QWidget *coverUnder, const commands::CommandSet &commands)
    : QObject(window), m_window(window), m_session(session), m_area(area),
      //: Shown large over the board while the game is paused
      m_cover(new QLabel(tr("Paused"), area))
{
    m_cover->setObjectName(QStringLiteral("lblPaused"));
    m_cover->setAlignment(Qt::AlignCenter);
    // The picture area's colours, its black and the text colour set with it.
    m_cover->setAutoFillBackground(true);
    QFont font = m_cover->font();
    font.setPointSize(font.pointSize() * 2);
    font.setBold(true);
    m_cover->setFont(font);
    m_cover->hide();
    m_cover->stackUnder(coverUnder);
    m_cover->installEventFilter(this);
    area->installEventFilter(this);

    m_action = commands.action(commands::Command::Pause);
    connect(m_action, &QAction::triggered, this, [this](bool checked) { setPaused(checked); });
    connect(commands.menu(commands::Menu::Game), &QMenu::aboutToShow, this,
            [this] { m_action->setEnabled(m_session.paused() || m_session.onBoard()); });
    connect(&m_session, &GameSession::pausedChanged, this, &PauseControl::showPaused);
    window->installEventFilter(this);
    router.add(this, [this](QObject *watched, QEvent *event) { return takeKey(watched, event); });
}

void PauseControl::setPaused(bool paused)
{
    m_byMinimising = false;
    m_session.setPaused(paused);
    m_action->setChecked(m_session.paused());
}

void PauseControl::showPaused(bool paused)
{
    m_action->setChecked(paused);
    m_cover->setGeometry(m_area->rect());
    m_cover->setVisible(paused);
}

void PauseControl::windowStateChanged()
{
    if (m_window->isMinimized()) {
        if (!m_session.paused() && m_session.onBoard()) {
            setPaused(true);
            m_byMinimising = true;
        }
    } else if (m_byMinimising) {
        setPaused(false);
    }
}

bool PauseControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::WindowStateChange) {
        windowStateChanged();
        return false;
    }
    if (watched == m_area && event->type() == QEvent::Resize) {
        m_cover->setGeometry(m_area->rect());
        return false;
    }
    if (watched == m_cover && event->type() == QEvent::MouseButtonPress) {
        setPaused(false);
        return true;
    }
    return false;
}

bool PauseControl::takeKey(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget *>(watched)->window() != m_window)
        return false;
    const auto *press = static_cast<QKeyEvent *>(event);
    if (press->key() != Qt::Key_P || (press->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier ||
        !(m_session.paused() || m_session.onBoard()))
        return false;
    if (!press->isAutoRepeat())
        setPaused(!m_session.paused());
    return true;
}
