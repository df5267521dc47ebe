// SPDX-License-Identifier: GPL-3.0-or-later
// A swap's red frame is a length of time the session times, not a sleep: the board keeps
// painting meanwhile, presses wait their turn, and any other command carries the swap out at
// once so that it acts on the board as the player saw it last.
#include "session/game_session.h"

#include "game/shuffle.h"
#include "sources/kept_game_file.h"

#include <QCoreApplication>

namespace {

constexpr int clockTickMs = 500;
constexpr int keepIntervalMs = 5000;
// A swap over a playing video keeps its red frame for this many tens of refresh ticks.
constexpr int videoSwapFlash = 50;

} // namespace

GameSession::GameSession(QObject *parent, game::GameClock::Now now, QString keptGamePath)
    : QObject(parent), m_clock(std::move(now)), m_clockTick(new QTimer(this)),
      m_keeping(std::move(keptGamePath))
{
    m_holdTimer.setSingleShot(true);
    m_holdTimer.setInterval(swapFrameMs);
    connect(&m_holdTimer, &QTimer::timeout, this, &GameSession::endHold);
    m_clockTick->setObjectName(QStringLiteral("tmrTimer"));
    m_clockTick->setInterval(clockTickMs);
    connect(m_clockTick, &QTimer::timeout, this, [this] {
        if (m_clock.clockRunning())
            emit clockTicked();
    });
    m_clockTick->start();
    connect(&m_keepTimer, &QTimer::timeout, this, &GameSession::keepNow);
    m_keepTimer.start(keepIntervalMs);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &GameSession::leave);
    connect(&m_hints, &HintFinder::found, this, &GameSession::showHint);
    startUpPictureOpened();
}

GameSession::~GameSession() = default;

QString GameSession::defaultKeptGamePath()
{
    return sources::keptGamePath();
}

void GameSession::setBoardShown(bool shown)
{
    if (shown == m_boardShown)
        return;
    m_boardShown = shown;
    emit commandsChanged();
}

void GameSession::setVideo(std::function<qint64()> framePosition)
{
    m_videoFrame = std::move(framePosition);
}

void GameSession::setShape(int rows, int cols, int gameType)
{
    settle();
    m_state.rows = rows;
    m_state.cols = cols;
    m_state.gameType = gameType;
}

void GameSession::setSwitches(const Switches &switches)
{
    m_switches = switches;
}

void GameSession::setInProgress(bool inProgress)
{
    m_inProgress = inProgress;
    emit commandsChanged();
}

void GameSession::newGame()
{
    m_moves = 0;
    m_videoFlash = 0;
    m_history.clear();
    m_hints.reset();
    m_records.newGame();
    emit dealt();
    emit hintShown(-1, -1);
    emit movesChanged(m_moves);
    emit commandsChanged();
}

void GameSession::deal()
{
    settle();
    m_solutionShown = false;
    m_state.clearSelection();
    game::randomBlocks(m_state, game::clockSeed());
    m_dealtShape = {m_state.rows, m_state.cols, m_state.gameType};
    m_inProgress = true;
    newGame();
    m_clock.StopTimer();
    m_clock.StartTimer();
    emit boardChanged();
}

void GameSession::showSolution()
{
    leave();
    m_queued.clear();
    m_clock.StopTimer();
    m_solutionShown = true;
    m_inProgress = false;
    emit commandsChanged();
}

void GameSession::stopClock()
{
    m_clock.StopTimer();
}

void GameSession::endGame()
{
    settle();
    m_clock.StopTimer();
    m_moves = 0;
    emit movesChanged(m_moves);
}

void GameSession::press(game::Press press)
{
    press.dimSelected = m_switches.dimSelected;
    // A paused game takes no move, whatever reaches the board under its cover, and a board
    // no longer played takes none left over from it.
    if (m_paused || m_solutionShown)
        return;
    if (holding()) {
        m_queued.push_back(press);
        return;
    }
    const game::PressOutcome outcome = game::pressBoard(m_state, press);
    switch (outcome.result) {
    case game::PressResult::Outside:
        return;
    case game::PressResult::Deselected:
    case game::PressResult::Refused:
        emit boardChanged();
        return;
    case game::PressResult::Picked:
        m_videoFlash = 0;
        emit boardChanged();
        if (m_state.gameType == game::SwapBlocks)
            emit frameShown(Frame::Picked);
        testCompletion();
        return;
    case game::PressResult::Swapped:
        m_videoFlash = videoSwapFlash;
        emit boardChanged();
        emit frameShown(Frame::Swapped);
        // Over a playing video the frame lasts a few refresh ticks instead, and the tiles
        // change places at once.
        if (!isVideo()) {
            m_pending = outcome;
            m_holdTimer.start();
            return;
        }
        carryOut(outcome);
        return;
    case game::PressResult::Slid:
        m_videoFlash = 0;
        carryOut(outcome);
        return;
    }
}

void GameSession::carryOut(const game::PressOutcome &outcome)
{
    game::finishExchange(m_state, outcome);
    emit boardChanged();
    if (outcome.countsMove)
        moveMade(outcome.exchange);
    testCompletion();
}

void GameSession::endHold()
{
    if (!m_pending)
        return;
    const game::PressOutcome outcome = *std::exchange(m_pending, std::nullopt);
    m_holdTimer.stop();
    carryOut(outcome);
    // Presses made during the frame, in their order, until one holds the board again.
    while (!holding() && !m_queued.empty()) {
        const game::Press next = m_queued.front();
        m_queued.pop_front();
        press(next);
    }
}

void GameSession::settle()
{
    while (holding())
        endHold();
}

void GameSession::moveMade(const game::Exchange &move)
{
    m_history.record(move);
    countMove();
}

void GameSession::countMove()
{
    m_hints.boardChanged();
    emit hintShown(-1, -1);
    ++m_moves;
    emit movesChanged(m_moves);
    emit commandsChanged();
}

void GameSession::testCompletion()
{
    if (!game::isSolved(m_state))
        return;
    const QString note = m_records.completed(m_state.rows, m_state.cols, m_state.gameType, m_moves,
                                             m_clock.elapsedMilliseconds());
    m_keeping.completed();
    emit completed(m_moves, note);
    emit commandsChanged();
}

void GameSession::deselect()
{
    settle();
    m_state.clearSelection();
}

void GameSession::undo()
{
    replay(&game::MoveHistory::undo);
}

void GameSession::redo()
{
    replay(&game::MoveHistory::redo);
}

void GameSession::replay(std::optional<game::Exchange> (game::MoveHistory::*step)())
{
    settle();
    if (!inPlay())
        return;
    const std::optional<game::Exchange> move = (m_history.*step)();
    if (!move)
        return;
    // A pending pick is forgotten, as a right press would.
    m_state.clearSelection();
    m_videoFlash = 0;
    game::exchangeCells(m_state, *move);
    emit boardChanged();
    countMove();
    testCompletion();
}

void GameSession::requestHint()
{
    settle();
    if (inPlay())
        m_hints.request(m_state);
}

void GameSession::showHint(const game::Hint &hint)
{
    if (!hint.valid() || !inPlay())
        return;
    m_records.hintUsed();
    emit hintShown(hint.tileCell, hint.targetCell);
}

void GameSession::setPaused(bool paused)
{
    settle();
    if (paused && !onBoard())
        paused = false;
    if (paused == m_paused)
        return;
    m_paused = paused;
    if (paused)
        m_clock.hold();
    else
        m_clock.resume();
    emit pausedChanged(paused);
    emit commandsChanged();
}

void GameSession::leave()
{
    settle();
    setPaused(false);
    keepNow();
}

GameSession::Frame GameSession::videoTick()
{
    if (m_videoFlash > 1)
        m_videoFlash -= 10;
    if (m_state.gameType == game::MoveBlocks || (m_state.dimmedCell == -1 && m_videoFlash <= 0))
        return Frame::None;
    return m_videoFlash > 0 ? Frame::Swapped : Frame::Picked;
}

bool GameSession::gameToKeep(game::KeptGame &kept) const
{
    if (!onBoard() || game::isSolved(m_state) || m_moves == 0 ||
        m_dealtShape != Shape{m_state.rows, m_state.cols, m_state.gameType})
        return false;
    kept.videoFrame = m_videoFrame ? m_videoFrame() : 0;
    kept.rows = m_state.rows;
    kept.cols = m_state.cols;
    kept.gameType = m_state.gameType;
    kept.blockList = m_state.blockList;
    kept.gapCell = m_state.gapCell;
    kept.dimSelected = m_switches.dimSelected;
    kept.dimIncorrect = m_switches.dimIncorrect;
    kept.grid = m_switches.grid;
    kept.moves = m_moves;
    kept.milliseconds = m_clock.elapsedMilliseconds();
    kept.done = m_history.done();
    kept.undone = m_history.undone();
    kept.hintUsed = m_records.hintWasUsed();
    return true;
}

void GameSession::keepNow()
{
    game::KeptGame kept;
    if (m_resuming || !gameToKeep(kept))
        return;
    m_keeping.keep(std::move(kept));
    emit commandsChanged();
}

void GameSession::startUpPictureOpened()
{
    //: Name of the game's own picture in the Records table
    const QString name = QCoreApplication::translate("PlayAssist", "Start-up picture");
    m_records.setPicture([] { return QStringLiteral("pindrel:start-up picture"); }, name);
    m_keeping.pictureOpened(game::KeptGame::Source::StartUp, QString());
}

void GameSession::pictureOpened(game::KeptGame::Source source, const QString &path,
                                const QString &name, const QByteArray &downloaded)
{
    m_keeping.pictureOpened(source, path, downloaded);
    // A file is known by its content, hashed once for both; a downloaded picture by its
    // address.
    if (source == game::KeptGame::Source::Download)
        m_records.setPicture([path] { return path; }, name);
    else
        m_records.setPicture([this] { return m_keeping.pictureHash(); }, name);
}

GameSession::ResumeOutcome GameSession::resume(const PictureOpener &openPicture)
{
    settle();
    const GameKeeping::Found found = m_keeping.find();
    if (!found.game)
        return {false, found.message};
    const game::KeptGame &kept = *found.game;
    m_resuming = true;
    const game::GameState before = m_state;
    try {
        // The picture is opened for the kept grid, so a video's pictures are built for it.
        setShape(kept.rows, kept.cols, kept.gameType);
        openPicture(kept, found.downloaded);
    } catch (const std::exception &) {
        // The game on the board stays as it was, its grid with it.
        setShape(before.rows, before.cols, before.gameType);
        m_resuming = false;
        return {false, QCoreApplication::translate("GameKeeper",
                                                   "The picture of the kept game could not be "
                                                   "opened:\n%1")
                           .arg(kept.path)};
    }
    m_resuming = false;
    m_state.blockList = kept.blockList;
    m_state.gapCell = kept.gapCell;
    m_state.clearSelection();
    m_dealtShape = {kept.rows, kept.cols, kept.gameType};
    // A video always dims its selected tiles.
    m_switches = {isVideo() ? m_switches.dimSelected : kept.dimSelected, kept.dimIncorrect,
                  kept.grid};
    emit switchesChanged();
    newGame();
    m_moves = kept.moves;
    m_history.restore(kept.done, kept.undone);
    if (kept.hintUsed)
        m_records.hintUsed();
    m_clock.startAt(kept.milliseconds);
    m_keeping.resumed(kept.hash);
    emit movesChanged(m_moves);
    emit commandsChanged();
    emit clockTicked();
    emit boardChanged();
    keepNow();
    return {true, {}};
}
