// SPDX-License-Identifier: GPL-3.0-or-later
// The game as it is played, without any window: the board, the clock, the moves and their
// history, pause, hints, records and the kept game. The window sends it commands and shows
// what its signals say.
#pragma once

#include "game/game_clock.h"
#include "game/game_state.h"
#include "game/kept_game.h"
#include "game/move_history.h"
#include "game/press_rules.h"
#include "session/game_keeping.h"
#include "session/hint_finder.h"
#include "session/record_keeping.h"

#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>

class GameSession : public QObject
{
    Q_OBJECT

  public:
    // How long a swap's red frame shows before its tiles change places.
    static constexpr int swapFrameMs = 150;

    // The menu switches that change how the board looks and plays; a kept game keeps them.
    struct Switches
    {
        bool dimSelected = true;
        bool dimIncorrect = false;
        bool grid = false;
    };
    // The frame over the clicked cell: yellow over a pick, red over a swap.
    enum class Frame
    {
        None,
        Picked,
        Swapped
    };
    struct ResumeOutcome
    {
        bool resumed = false;
        QString message; // for the player when nothing was resumed
    };
    // Opens the kept game's picture for its grid, a video at its frame; throws when it cannot.
    using PictureOpener = std::function<void(const game::KeptGame &, const QByteArray &)>;

    explicit GameSession(QObject *parent = nullptr, game::GameClock::Now now = {},
                         QString keptGamePath = defaultKeptGamePath());
    ~GameSession() override;
    static QString defaultKeptGamePath();

    const game::GameState &state() const { return m_state; }
    int moves() const { return m_moves; }
    const game::GameClock &clock() const { return m_clock; }
    const game::MoveHistory &history() const { return m_history; }
    const Switches &switches() const { return m_switches; }
    bool hintUsed() const { return m_records.hintWasUsed(); }
    // Show Solution has a game to end.
    bool inProgress() const { return m_inProgress; }
    bool solutionShown() const { return m_solutionShown; }
    bool paused() const { return m_paused; }
    // A swap's red frame is showing; presses meanwhile are played after it.
    bool holding() const { return m_pending.has_value(); }
    // A game is on the board (a paused one included), or being played.
    bool onBoard() const { return !m_solutionShown && m_boardShown; }
    bool inPlay() const { return onBoard() && !m_paused; }
    bool anyKept() const { return m_keeping.anyKept(); }

    // What the window tells: the board control shows the game (shown, enabled, not covered by
    // the web pane), and a video is the picture (its frame now, for keeping).
    void setBoardShown(bool shown);
    void setVideo(std::function<qint64()> framePosition);
    void setStill() { m_videoFrame = nullptr; }
    bool isVideo() const { return bool(m_videoFrame); }

    // Commands.
    void setShape(int rows, int cols, int gameType);
    void setSwitches(const Switches &switches);
    void setInProgress(bool inProgress);
    // A new arrangement for the shape: no moves, no history, the clock from nought.
    void deal();
    void showSolution();
    void setSolutionShown(bool shown) { m_solutionShown = shown; }
    // A press on the board; its "Dim Selected Tiles" is the session's own switch.
    void press(game::Press press);
    void deselect();
    void undo();
    void redo();
    void requestHint();
    void setPaused(bool paused);
    void stopClock();
    // The game is given up for browsing: no clock, no moves.
    void endGame();
    // The game on the board is left: a swap showing is carried out, a pause ends, and the
    // game is kept if it is worth keeping.
    void leave();
    void keepNow();
    // A playing video's refresh tick: a swap's red frame lasts a few ticks over it.
    Frame videoTick();

    // The picture now played: how records and the kept game know it again.
    void startUpPictureOpened();
    void pictureOpened(game::KeptGame::Source source, const QString &path, const QString &name,
                       const QByteArray &downloaded = {});
    ResumeOutcome resume(const PictureOpener &openPicture);

  signals:
    // A new game on the board: dealt, or resumed.
    void dealt();
    void boardChanged();
    void frameShown(Frame frame);
    void movesChanged(int moves);
    void completed(int moves, const QString &recordNote);
    void clockTicked();
    void pausedChanged(bool paused);
    // A resumed game brought its own switches.
    void switchesChanged();
    // Undo, Redo, Hint and Resume may have become available or not.
    void commandsChanged();
    // The tile to move next and where it goes; -1, -1 when no hint shows.
    void hintShown(int tileCell, int targetCell);

  private:
    void carryOut(const game::PressOutcome &outcome);
    void endHold();
    void settle();
    void replay(std::optional<game::Exchange> (game::MoveHistory::*step)());
    void moveMade(const game::Exchange &move);
    // A move on the board, made, undone or redone: the hint goes and the count goes up.
    void countMove();
    void testCompletion();
    void newGame();
    bool gameToKeep(game::KeptGame &kept) const;
    void showHint(const game::Hint &hint);

    // The grid and game type the board was dealt for: changed options make it another game.
    struct Shape
    {
        int rows = 0;
        int cols = 0;
        int gameType = 0;
        bool operator==(const Shape &) const = default;
    };

    game::GameState m_state;
    game::GameClock m_clock;
    Shape m_dealtShape;
    int m_moves = 0;
    game::MoveHistory m_history;
    Switches m_switches;
    bool m_inProgress = false;
    bool m_solutionShown = true;
    bool m_boardShown = false;
    bool m_paused = false;
    std::function<qint64()> m_videoFrame;
    int m_videoFlash = 0; // ticks of a swap's red frame left over a playing video, in tens
    std::optional<game::PressOutcome> m_pending; // the swap whose red frame shows
    std::deque<game::Press> m_queued;            // presses made meanwhile
    QTimer m_holdTimer;
    QTimer *m_clockTick; // the clock's display tick, always on
    QTimer m_keepTimer;
    HintFinder m_hints;
    RecordKeeping m_records;
    GameKeeping m_keeping;
    bool m_resuming = false;
};
