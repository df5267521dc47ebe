// SPDX-License-Identifier: GPL-3.0-or-later
// The keys are taken from the window's input router before any control of the window sees
// them, and only while a game is played, so the web pane keeps its arrows and the
// toolbar its Space when no board shows.
#include "app/play/play_assist.h"

#include "app/commands/command_set.h"
#include "app/play/board_overlay.h"
#include "app/widgets/input_router.h"
#include "app/widgets/picture_view.h"
#include "game/geometry.h"
#include "session/game_session.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>

namespace {

std::optional<game::Direction> arrowOf(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return game::Direction::Left;
    case Qt::Key_Right:
        return game::Direction::Right;
    case Qt::Key_Up:
        return game::Direction::Up;
    case Qt::Key_Down:
        return game::Direction::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

PlayAssist::PlayAssist(QMainWindow *window, GameSession &session, InputRouter &router,
                       PictureView *board, QLabel *caption, const commands::CommandSet &commands,
                       PressAt pressAt)
    : QObject(window), m_window(window), m_session(session), m_board(board),
      m_overlay(new BoardOverlay(board)), m_records(caption), m_pressAt(std::move(pressAt))
{
    m_undo = commands.action(commands::Command::Undo);
    m_redo = commands.action(commands::Command::Redo);
    // H is taken only while a game is played (see handleKey); the menu only shows it.
    m_hint = commands.action(commands::Command::Hint);
    QAction *records = commands.action(commands::Command::Records);
    connect(m_undo, &QAction::triggered, &m_session, &GameSession::undo);
    connect(m_redo, &QAction::triggered, &m_session, &GameSession::redo);
    connect(m_hint, &QAction::triggered, &m_session, &GameSession::requestHint);
    connect(records, &QAction::triggered, this, [this] { m_records.showRecords(m_window); });
    connect(&m_session, &GameSession::commandsChanged, this, &PlayAssist::refreshCommands);
    connect(&m_session, &GameSession::hintShown, m_overlay, &BoardOverlay::setHint);
    connect(&m_session, &GameSession::completed, this,
            [this](int, const QString &note) { m_records.showNote(note); });
    connect(&m_session, &GameSession::dealt, this, &PlayAssist::newBoard);
    board->installEventFilter(this);
    router.add(this, [this](QObject *watched, QEvent *event) { return takeKey(watched, event); });
    refreshCommands();
}

void PlayAssist::newBoard()
{
    const game::GameState &state = m_session.state();
    m_cursor.reset();
    m_overlay->setGrid(state.rows, state.cols);
    m_overlay->setCursorCell(-1);
}

void PlayAssist::refreshCommands()
{
    const bool inPlay = m_session.inPlay();
    m_undo->setEnabled(inPlay && m_session.history().canUndo());
    m_redo->setEnabled(inPlay && m_session.history().canRedo());
    m_hint->setEnabled(inPlay);
}

void PlayAssist::pressCell(int cell)
{
    const game::GameState &state = m_session.state();
    const QSize picture = m_board->pictureSize();
    if (picture.isEmpty())
        return;
    const game::ScreenLayout layout =
        game::screenLayoutFor(m_board->size(), picture, state.rows, state.cols);
    m_pressAt(game::pressPointOf(layout, m_board->size(),
                                 {(cell - 1) / state.cols, (cell - 1) % state.cols}));
}

bool PlayAssist::handleKey(int key, Qt::KeyboardModifiers modifiers)
{
    const game::GameState &state = m_session.state();
    const std::optional<game::Direction> arrow = arrowOf(key);
    if (arrow && modifiers == Qt::NoModifier) {
        m_cursor.step(*arrow, state.rows, state.cols);
        m_overlay->setCursorCell(m_cursor.cell(state.cols));
        return true;
    }
    if (arrow && modifiers == Qt::ControlModifier && state.gameType == game::MoveBlocks) {
        const int cell = game::cellSlidingTowards(state, *arrow);
        if (cell > 0)
            pressCell(cell);
        return true;
    }
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
        modifiers == Qt::NoModifier) {
        // A hidden cursor first shows where it would press.
        if (m_cursor.shown()) {
            pressCell(m_cursor.cell(state.cols));
        } else {
            m_cursor.show();
            m_overlay->setCursorCell(m_cursor.cell(state.cols));
        }
        return true;
    }
    if (key == Qt::Key_H && modifiers == Qt::NoModifier) {
        m_session.requestHint();
        return true;
    }
    return false;
}

bool PlayAssist::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_board && event->type() == QEvent::MouseButtonPress) {
        m_cursor.hide();
        m_overlay->setCursorCell(-1);
    }
    return false;
}

bool PlayAssist::takeKey(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget *>(watched)->window() != m_window || !m_session.inPlay())
        return false;
    const auto *press = static_cast<QKeyEvent *>(event);
    return handleKey(press->key(), press->modifiers() & ~Qt::KeypadModifier);
}
