// SPDX-License-Identifier: GPL-3.0-or-later
// The keys are taken from the application's event stream before any control of the window
// sees them, and only while a game is played, so the web pane keeps its arrows and the
// toolbar its Space when no board shows.
#include "app/play/play_assist.h"

#include "app/commands/command_set.h"
#include "app/play/board_overlay.h"
#include "app/widgets/picture_view.h"
#include "game/geometry.h"

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

PlayAssist::PlayAssist(QMainWindow *window, PlayHost &host, PictureView *board, QLabel *caption,
                       const commands::CommandSet &commands)
    : QObject(window), m_window(window), m_host(host), m_board(board),
      m_overlay(new BoardOverlay(board)), m_records(caption)
{
    setStartUpPicture();
    m_undo = commands.action(commands::Command::Undo);
    m_redo = commands.action(commands::Command::Redo);
    // H is taken only while a game is played (see handleKey); the menu only shows it.
    m_hint = commands.action(commands::Command::Hint);
    QAction *records = commands.action(commands::Command::Records);
    connect(m_undo, &QAction::triggered, this, [this] { replay(&game::MoveHistory::undo); });
    connect(m_redo, &QAction::triggered, this, [this] { replay(&game::MoveHistory::redo); });
    connect(m_hint, &QAction::triggered, this, &PlayAssist::requestHint);
    connect(records, &QAction::triggered, this, [this] { m_records.showRecords(m_window); });
    connect(&m_hints, &HintFinder::found, this, &PlayAssist::showHint);
    board->installEventFilter(this);
    qApp->installEventFilter(this);
    refreshCommands();
}

PlayAssist::~PlayAssist()
{
    qApp->removeEventFilter(this);
}

void PlayAssist::newGame()
{
    const game::GameState &state = m_host.playState();
    m_history.clear();
    m_hints.reset();
    m_records.newGame();
    m_cursor.reset();
    m_overlay->setGrid(state.rows, state.cols);
    m_overlay->setCursorCell(-1);
    m_overlay->setHint(-1, -1);
    refreshCommands();
}

void PlayAssist::moveMade(const game::Exchange &move)
{
    m_history.record(move);
    boardChanged();
}

void PlayAssist::boardChanged()
{
    m_hints.boardChanged();
    m_overlay->setHint(-1, -1);
    refreshCommands();
}

void PlayAssist::completed(int moves, qint64 milliseconds)
{
    const game::GameState &state = m_host.playState();
    m_records.completed(state.rows, state.cols, state.gameType, moves, milliseconds);
    refreshCommands();
}

void PlayAssist::setPicture(RecordKeeper::Identity identity, const QString &name)
{
    m_records.setPicture(std::move(identity), name);
}

void PlayAssist::setStartUpPicture()
{
    //: Name of the game's own picture in the Records table
    const QString name = tr("Start-up picture");
    setPicture([] { return QStringLiteral("pindrel:start-up picture"); }, name);
}

void PlayAssist::refreshCommands()
{
    const bool inPlay = m_host.boardInPlay();
    m_undo->setEnabled(inPlay && m_history.canUndo());
    m_redo->setEnabled(inPlay && m_history.canRedo());
    m_hint->setEnabled(inPlay);
}

void PlayAssist::requestHint()
{
    if (m_host.boardInPlay())
        m_hints.request(m_host.playState());
}

void PlayAssist::resumeGame(const game::KeptGame &kept)
{
    newGame();
    m_history.restore(kept.done, kept.undone);
    if (kept.hintUsed)
        m_records.hintUsed();
    refreshCommands();
}

void PlayAssist::replay(std::optional<game::Exchange> (game::MoveHistory::*step)())
{
    if (!m_host.boardInPlay())
        return;
    if (const std::optional<game::Exchange> move = (m_history.*step)()) {
        m_host.exchangeByCommand(move->first, move->second);
        boardChanged();
    }
}

void PlayAssist::showHint(const game::Hint &hint)
{
    if (!hint.valid() || !m_host.boardInPlay())
        return;
    m_records.hintUsed();
    m_overlay->setHint(hint.tileCell, hint.targetCell);
}

void PlayAssist::pressCell(int cell)
{
    const game::GameState &state = m_host.playState();
    const QSize picture = m_board->pictureSize();
    if (picture.isEmpty())
        return;
    const game::ScreenLayout layout =
        game::screenLayoutFor(m_board->size(), picture, state.rows, state.cols);
    m_host.pressBoardAt(game::pressPointOf(layout, m_board->size(),
                                           {(cell - 1) / state.cols, (cell - 1) % state.cols}));
}

bool PlayAssist::handleKey(int key, Qt::KeyboardModifiers modifiers)
{
    const game::GameState &state = m_host.playState();
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
        requestHint();
        return true;
    }
    return false;
}

bool PlayAssist::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_board) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            m_cursor.hide();
            m_overlay->setCursorCell(-1);
            break;
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
        case QEvent::EnabledChange:
            refreshCommands();
            break;
        default:
            break;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget *>(watched)->window() != m_window || !m_host.boardInPlay())
        return false;
    const auto *press = static_cast<QKeyEvent *>(event);
    return handleKey(press->key(), press->modifiers() & ~Qt::KeypadModifier);
}
