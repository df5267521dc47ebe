// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the wiring of the game, its widgets, menus, timers and handlers.
#pragma once

#include "app/web_pane/web_pane.h"
#include "app/window/board_view.h"
#include "app/window/window_parts.h"
#include "session/game_session.h"
#include "web/link_rules.h"

#include <QImage>
#include <QMainWindow>

#include <functional>

namespace commands {
class CommandSet;
enum class Command;
} // namespace commands
struct OpenRequest;
class GameKeeper;
class FullScreenMode;
class InputRouter;
class PauseControl;
class PlayAssist;
class SiblingNavigation;
class WebPuzzles;
class QAction;
class QFileDialog;

class TfrmMain : public QMainWindow
{
    Q_OBJECT

  public:
    explicit TfrmMain(QWidget *parent = nullptr);
    ~TfrmMain() override;

    // The game as played, and what the board shows of it, read by tests and by the dialogs.
    GameSession &session() const { return *m_session; }
    const SiblingNavigation &navigation() const { return *m_siblings; }
    const BoardView &boardView() const { return *m_boardView; }
    VideoBoard &videoBoard() const { return *m_video; }

    void btnRestartClick();
    void mnuSolutionClick();
    // The video refresh tick.
    void Timer1Timer();
    void drawBitmap();
    void openPuzzle(const QString &path);
    // What the Open command does with the file chosen in its dialog.
    void openChosenFile(const QString &path);
    // A file or address from the command line or a drop, opened through the same commands
    // the player uses.
    void openRequested(const OpenRequest &request);

    // What the options dialog reads and sets.
    bool restartsVideo() const { return restartVideo; }
    void applyOptions(int gameType, int rows, int cols, bool restartVideoOption);

    // The web pane, in mainform_web.cpp; the browser exists once the pane was first used.
    void PuzzlesontheWeb1Click();
    void OpenURL1Click();
    web::Browser *browser() const { return m_web->browser(); }
    // What OK in the Open URL dialog does with the typed text: the pane opens, a picture
    // address is fetched, any other goes to the browser.
    void openTypedAddress(const QString &typed);
    // Starts downloading a picture to start a puzzle from, and returns: webPictureEnded tells
    // how it ended.
    void openImageFromWeb(const QString &address, web::LinkOrigin origin = web::LinkOrigin::Page);
    // Opened; Failed when the address is not one its origin may reach, or the download or the
    // decoding failed, which the player has been told; Dropped when a newer picture link,
    // another command or the end of the program took over, and nothing was done.
    enum class WebPicture
    {
        Opened,
        Failed,
        Dropped
    };
    Q_ENUM(WebPicture)

  signals:
    void webPictureEnded(const QString &address, TfrmMain::WebPicture outcome);

  protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    // mainform.cpp: start-up, restart, presses, the clock, drawing and shutdown.
    void FormCreate();
    void Restart1Click();
    void Image2MouseDown(Qt::MouseButton button, QPoint position);
    void tmrTimerTimer();
    void mnuShowGridClick();
    void FadeBlocks1Click();
    void mnuExitClick();
    void randomBlocks();
    void setStatusText(const QString &text);
    void connectSession();
    void showPuzzleTitle(const QString &name);
    // The game on the board is left: a pause ends, and the game is kept.
    void leaveGame();

    // mainform_keep.cpp: a kept game's picture opened for its resume.
    void openKeptPicture(const game::KeptGame &kept, const QByteArray &downloaded);

    // mainform_ui.cpp: widgets, menus and their connections.
    void createWidgets();
    void connectCommands();
    QAction *command(commands::Command id) const;

    // mainform_open.cpp: the Open command and the puzzle from a picture file.
    void mnuOpenClick();
    void openStillPicture(const QString &path);
    void findOtherFiles();
    void openPuzzleFromMenu(QAction *item);
    // A recent picture or a sibling: a still puzzle, or a video puzzle when its content is
    // one, with Back and Forward left going through the folder.
    void openKnownFile(const QString &path);
    // The steps every still picture takes from decoded to a dealt board, file or download.
    void buildPuzzle(const QImage &picture);

    // mainform_navigate.cpp: Back, Forward and the mouse's side buttons.
    void btnBackClick();
    void btnForwardClick();
    void Back1Click();
    void Next1Click();
    bool handleAppMessage(QEvent *event);
    // How the video puzzle closes Back and Forward.
    // The board dims a moment before next runs; over the solution view the dimmed picture
    // shows instead, or nothing, and then next runs at once.
    void playLeavingEffect(bool dimmedSolution, std::function<void()> next);

    // mainform_modes.cpp: tool strip, full screen and the dialogs.
    void mnuSetupClick();
    void mnuShowToolbarClick();
    void mnuFullScreenClick();
    void mnuAboutClick();
    void mnuVisitOnlineClick();

    // mainform_video.cpp: the video branch of the Open command, and the puzzle showing given
    // up: its views hidden, no video, refresh or clock of it runs.
    void openVideo(const QString &path);
    void mnuPlaySoundClick();
    void abandonShownPuzzle();

    // mainform_web.cpp: the web pane's and its puzzles' wiring.
    void connectWebPane();

    GameSession *m_session;
    // The one application-wide event filter: keys, side buttons and drops for every part.
    InputRouter *m_input;
    bool restartVideo = true;
    int openCount = 0;

    WindowParts ui;                                   // the controls
    std::unique_ptr<commands::CommandSet> m_commands; // the menu bar and every command

    WebPane *m_web = nullptr;
    WebPuzzles *m_webPuzzles = nullptr;
    SiblingNavigation *m_siblings = nullptr;
    FullScreenMode *m_fullScreen = nullptr;
    PlayAssist *m_play = nullptr;
    GameKeeper *m_keeper = nullptr;
    PauseControl *m_pause = nullptr;
    VideoBoard *m_video = nullptr;
    BoardView *m_boardView = nullptr;
};
