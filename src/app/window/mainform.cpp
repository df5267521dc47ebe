// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's handlers: start-up, restart, the solution view, presses on the board,
// the clock tick and shutdown.
#include "app/window/mainform.h"

#include "app/commands/command_set.h"
#include "app/keep/game_keeper.h"
#include "app/navigate/sibling_navigation.h"
#include "app/open/drop_opener.h"
#include "app/play/pause_control.h"
#include "app/play/play_assist.h"
#include "app/settings/settings.h"
#include "app/video_board/video_board.h"
#include "app/web_pane/web_puzzles.h"
#include "app/widgets/input_router.h"
#include "app/widgets/picture_view.h"
#include "app/widgets/wait_cursor.h"
#include "app/window/accessible_names.h"
#include "app/window/full_screen_mode.h"
#include "app/window/native_window_keeper.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QToolButton>

using commands::Command;

namespace {

game::PressButton pressButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton:
        return game::PressButton::Right;
    case Qt::MiddleButton:
        return game::PressButton::Middle;
    default:
        return game::PressButton::Left;
    }
}

} // namespace

TfrmMain::TfrmMain(QWidget *parent)
    : QMainWindow(parent), m_session(new GameSession(this)), m_input(new InputRouter(this))
{
    m_commands = std::make_unique<commands::CommandSet>(this);
    createWidgets();
    m_siblings = new SiblingNavigation(
        this, {ui.btnBack, ui.btnForward, command(Command::Back), command(Command::Next)},
        {.leave = [this](std::function<void()> step) { playLeavingEffect(true, std::move(step)); },
         .open = [this](const QString &path) { openKnownFile(path); },
         .dropPendingOpens = [this] { m_webPuzzles->dropPendingOpens(); },
         .browseBack = [this] { m_webPuzzles->back(); },
         .browseForward = [this] { m_webPuzzles->forward(); }});
    m_play = new PlayAssist(this, *m_session, *m_input, ui.Image2, ui.txtInfo, *m_commands,
                            [this](QPoint at) { Image2MouseDown(Qt::LeftButton, at); });
    m_pause =
        new PauseControl(this, *m_session, *m_input, ui.fraSolution, m_web->frame(), *m_commands);
    m_keeper = new GameKeeper(this, *m_session, *m_commands,
                              [this](const game::KeptGame &kept, const QByteArray &downloaded) {
                                  openKeptPicture(kept, downloaded);
                              });
    connectCommands();
    connectSession();
    nameControls(this);
    FormCreate();
    resize(331, 331 + menuBar()->sizeHint().height());
    m_fullScreen = new FullScreenMode(this, *m_commands, {ui.toolStrip, ui.bevelLine, ui.Image2},
                                      [this] { drawBitmap(); });
    // The web pane's first opening re-creates the native window.
    new NativeWindowKeeper(this);
    new DropOpener(this, *m_input, [this](const OpenRequest &request) { openRequested(request); });
}

TfrmMain::~TfrmMain()
{
    // No part sees input once the window starts to go.
    delete m_input;
    m_input = nullptr;
    // It asks the window about the game from its event filters, and closing the web view
    // below still sends events: it must be gone before the window's members go.
    delete m_play;
    m_play = nullptr;
    delete m_pause;
    m_pause = nullptr;
    // The browser goes while the frame it was made in is still there.
    delete m_web;
    m_web = nullptr;
    m_video->stopRefresh();
}

void TfrmMain::FormCreate()
{
    setWindowTitle(QStringLiteral("Pindrel"));
    restartVideo = true;
    m_session->setSolutionShown(true);
    openCount = 0;
    m_boardView->setSolution(m_boardView->boardPicture());
    m_session->setShape(4, 4, game::SwapBlocks);
    mnuSolutionClick();
    // What the window itself takes of every event: whether the board shows a game, and the
    // mouse's side buttons.
    m_input->add(this, [this](QObject *watched, QEvent *event) {
        if ((watched == ui.Image2 || watched == m_web->frame()) &&
            (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent ||
             event->type() == QEvent::EnabledChange))
            m_session->setBoardShown(!ui.Image2->isHidden() && ui.Image2->isEnabled() &&
                                     m_web->frame()->isHidden());
        return handleAppMessage(event);
    });
    m_video->setRefreshInterval(
        settings::aviTimerFrom(settings::ReadSetting(QStringLiteral("avi_timer"))));
}

void TfrmMain::connectSession()
{
    connect(m_session, &GameSession::movesChanged, this,
            [this](int moves) { ui.txtMoveCount->setText(QString::number(moves)); });
    connect(m_session, &GameSession::completed, this, [this](int moves) {
        m_boardView->showCompletion(moves);
        mnuSolutionClick();
    });
    connect(m_session, &GameSession::clockTicked, this, &TfrmMain::tmrTimerTimer);
    // The clock's display catches up when a pause ends; the video board holds itself.
    connect(m_session, &GameSession::pausedChanged, this, [this](bool paused) {
        if (!paused)
            tmrTimerTimer();
    });
    connect(m_session, &GameSession::commandsChanged, this,
            [this] { command(Command::Solution)->setEnabled(m_session->inProgress()); });
}

void TfrmMain::applyOptions(int gameType, int rows, int cols, bool restartVideoOption)
{
    m_session->setShape(rows, cols, gameType);
    if (m_boardView->isVideo() && restartVideoOption)
        m_video->restart();
    restartVideo = restartVideoOption;
    btnRestartClick();
}

void TfrmMain::setStatusText(const QString &text)
{
    ui.txtStatus->setText(text);
    ui.txtStatus->repaint();
}

void TfrmMain::showPuzzleTitle(const QString &name)
{
    setWindowTitle(QStringLiteral("Pindrel - ") + name);
}

void TfrmMain::randomBlocks()
{
    //: In the clock's place on the tool bar, 88 pixels wide: keep it short
    setStatusText(tr("Randomizing"));
    m_session->deal();
}

void TfrmMain::drawBitmap()
{
    m_boardView->draw();
}

void TfrmMain::leaveGame()
{
    m_pause->setPaused(false);
    m_session->leave();
}

void TfrmMain::mnuSolutionClick()
{
    m_pause->setPaused(false);
    m_session->showSolution();
    m_web->hidePaneFrame();
    m_boardView->showSolution();
}

void TfrmMain::btnRestartClick()
{
    leaveGame();
    // A picture still downloading is given up: the page that held its link comes back, and
    // is what restarts.
    if (m_webPuzzles->dropPendingOpens()) {
        m_web->showPane();
        //: In the clock's place on the tool bar, 88 pixels wide: keep it short
        setStatusText(tr("Browsing"));
    }
    if (m_web->restartReloadsPage()) {
        m_web->browser()->refresh();
        return;
    }
    {
        WaitCursor busy;
        ui.Image2->hide();
        randomBlocks();
        setStatusText(QStringLiteral("00 : 00 : 00"));
        ui.Image2->show();
        ui.txtInfo->clear();
        ui.txtInfoShadow->clear();
    }
    if (m_boardView->isVideo() && restartVideo)
        m_video->restart();
    m_boardView->hideCaptions();
}

void TfrmMain::Restart1Click()
{
    if (ui.btnRestart->isEnabled())
        btnRestartClick();
}

void TfrmMain::Image2MouseDown(Qt::MouseButton button, QPoint position)
{
    m_session->press({pressButtonOf(button), position.x(), position.y(), ui.Image2->size(),
                      m_boardView->solutionPicture().size(), false});
}

void TfrmMain::tmrTimerTimer()
{
    if (m_session->clock().clockRunning())
        ui.txtStatus->setText(m_session->clock().elapsedText());
}

void TfrmMain::mnuShowGridClick()
{
    drawBitmap();
}

void TfrmMain::FadeBlocks1Click()
{
    m_boardView->followFadeBlocks();
}

void TfrmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    m_session->deselect();
    drawBitmap();
}

void TfrmMain::mnuExitClick()
{
    leaveGame();
    m_session->setSolutionShown(true);
    m_video->close();
    QCoreApplication::quit();
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    leaveGame();
    m_video->close();
    QCoreApplication::quit();
    m_session->setSolutionShown(true);
    event->accept();
}
