// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's handlers: start-up, restart, the solution view, presses on the board,
// the clock tick, the menu switches and shutdown.
#include "app/window/mainform.h"

#include "app/commands/command_set.h"
#include "app/keep/game_keeper.h"
#include "app/open/drop_opener.h"
#include "app/play/pause_control.h"
#include "app/play/play_assist.h"
#include "app/video_board/video_board.h"
#include "app/web_pane/picture_fetch.h"
#include "app/widgets/input_router.h"
#include "app/widgets/picture_view.h"
#include "app/widgets/wait_cursor.h"
#include "app/window/accessible_names.h"
#include "app/window/full_screen_mode.h"
#include "app/window/native_window_keeper.h"
#include "app/window/settings.h"
#include "app/window/sibling_navigation.h"
#include "app/window/startup_picture.h"
#include "game/board_renderer.h"
#include "game/geometry.h"
#include "sources/picture_cover.h"

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
    m_board.showPicture(startupPicture());
    createWidgets();
    createMenus();
    m_siblings = new SiblingNavigation(
        this, {ui.btnBack, ui.btnForward, command(Command::Back), command(Command::Next)},
        {.leave = [this](std::function<void()> step) { playLeavingEffect(true, std::move(step)); },
         .open = [this](const QString &path) { openKnownFile(path); },
         .dropPendingOpens = [this] { dropPendingOpens(); },
         // A download still running has its connection closed: it fails with its message,
         // which brings the page back.
         .browseBack =
             [this] {
                 m_web->pictures()->abort();
                 browseBack();
             },
         .browseForward =
             [this] {
                 dropPendingOpens();
                 m_web->browseForward();
             }});
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
    isVideo = false;
    m_session->setSolutionShown(true);
    openCount = 0;
    m_solutionPicture = m_board.picture();
    rebuildDimSource();
    m_session->setShape(4, 4, game::SwapBlocks);
    mnuSolutionClick();
    // What the window itself takes of every event: whether the board shows a game, and the
    // mouse's side buttons.
    m_input->add(this, [this](QObject *watched, QEvent *event) {
        if ((watched == ui.Image2 || watched == m_web->frame()) &&
            (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent ||
             event->type() == QEvent::EnabledChange))
            boardShownChanged();
        return handleAppMessage(event);
    });
    setVideoRefreshInterval(
        settings::aviTimerFrom(settings::ReadSetting(QStringLiteral("avi_timer"))));
}

void TfrmMain::connectSession()
{
    connect(m_session, &GameSession::boardChanged, this, &TfrmMain::drawBitmap);
    connect(m_session, &GameSession::frameShown, this, &TfrmMain::showFrame);
    connect(m_session, &GameSession::movesChanged, this,
            [this](int moves) { ui.txtMoveCount->setText(QString::number(moves)); });
    connect(m_session, &GameSession::completed, this, &TfrmMain::showCompletion);
    connect(m_session, &GameSession::clockTicked, this, &TfrmMain::tmrTimerTimer);
    // The clock's display catches up when a pause ends; the video board holds itself.
    connect(m_session, &GameSession::pausedChanged, this, [this](bool paused) {
        if (!paused)
            tmrTimerTimer();
    });
    connect(m_session, &GameSession::switchesChanged, this, &TfrmMain::showSwitches);
    connect(m_session, &GameSession::commandsChanged, this,
            [this] { command(Command::Solution)->setEnabled(m_session->inProgress()); });
    for (Command item : {Command::FadeBlocks, Command::DimTiles, Command::ShowGrid})
        connect(command(item), &QAction::toggled, this, &TfrmMain::switchesToggled);
    switchesToggled();
}

void TfrmMain::switchesToggled()
{
    m_session->setSwitches({command(Command::FadeBlocks)->isChecked(),
                            command(Command::DimTiles)->isChecked(),
                            command(Command::ShowGrid)->isChecked()});
}

void TfrmMain::showSwitches()
{
    const GameSession::Switches switches = m_session->switches();
    const bool dimChanged = command(Command::FadeBlocks)->isChecked() != switches.dimSelected;
    command(Command::FadeBlocks)->setChecked(switches.dimSelected);
    if (dimChanged)
        FadeBlocks1Click();
    command(Command::DimTiles)->setChecked(switches.dimIncorrect);
    command(Command::ShowGrid)->setChecked(switches.grid);
}

void TfrmMain::applyOptions(int gameType, int rows, int cols, bool restartVideoOption)
{
    m_session->setShape(rows, cols, gameType);
    if (isVideo && restartVideoOption)
        m_video->restart();
    restartVideo = restartVideoOption;
    btnRestartClick();
}

void TfrmMain::setStatusText(const QString &text)
{
    ui.txtStatus->setText(text);
    ui.txtStatus->repaint();
}

void TfrmMain::hideCaptions()
{
    ui.txtInfo->hide();
    ui.txtInfoShadow->hide();
}

void TfrmMain::showPuzzleTitle(const QString &name)
{
    setWindowTitle(QStringLiteral("Pindrel - ") + name);
}

void TfrmMain::rebuildDimSource()
{
    if (command(Command::FadeBlocks)->isChecked())
        m_dimPicture.showDarkened(m_solutionPicture, 100);
    else
        m_dimPicture.showAsIs(m_solutionPicture.convertToFormat(QImage::Format_RGB32));
}

void TfrmMain::randomBlocks()
{
    //: In the clock's place on the tool bar, 88 pixels wide: keep it short
    setStatusText(tr("Randomizing"));
    m_session->deal();
}

void TfrmMain::placeInfoLabels()
{
    const int paneHeight = ui.fraSolution->height();
    ui.txtInfo->move(ui.txtInfo->x() > 0 ? ui.txtInfo->x() : 9, paneHeight - 27);
    ui.txtInfoShadow->move(ui.txtInfo->x() - 1, paneHeight - 26);
}

int TfrmMain::lineWidth(int fullWidth) const
{
    // Over a picture kept reduced or a video built at its shown size, bevels and frames are
    // narrowed alike, so that they look as wide on the screen as over the full picture. Over
    // frames grown for a fine grid they stay as wide as over a still picture grown alike.
    const double reduction =
        isVideo ? std::min(1.0, double(m_solutionPicture.width()) / m_video->frameWidth())
                : sources::decodedEighths(m_solutionPicture) / 8.0;
    return std::max(1, game::roundHalfEven(fullWidth * reduction));
}

void TfrmMain::drawBitmap()
{
    placeInfoLabels();
    if (m_session->solutionShown())
        return;
    ui.imgSolution->hide();
    ui.ProEffectImage1->hide();
    const GameSession::Switches &switches = m_session->switches();
    m_board.showGame(m_session->state(), m_solutionPicture, m_dimPicture,
                     {switches.grid, switches.dimIncorrect, lineWidth(3)});
    ui.Image2->updatePicture();
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
    ui.imgSolution->show();
    ui.imgSolution->update();
    ui.Image2->hide();
    placeInfoLabels();
    ui.txtInfoShadow->adjustSize();
    ui.txtInfo->adjustSize();
    ui.txtInfoShadow->show();
    ui.txtInfo->show();
}

void TfrmMain::btnRestartClick()
{
    leaveGame();
    // A picture still downloading is given up: the page that held its link comes back, and
    // is what restarts.
    if (dropPendingOpens()) {
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
    if (isVideo && restartVideo)
        m_video->restart();
    hideCaptions();
}

void TfrmMain::Restart1Click()
{
    if (ui.btnRestart->isEnabled())
        btnRestartClick();
}

void TfrmMain::Image2MouseDown(Qt::MouseButton button, QPoint position)
{
    m_session->press({pressButtonOf(button), position.x(), position.y(), ui.Image2->size(),
                      m_solutionPicture.size(), false});
}

void TfrmMain::showCompletion(int moves)
{
    const QString message = tr("Puzzle Completed! (%n moves)", nullptr, moves);
    ui.txtInfo->setText(message);
    ui.txtInfoShadow->setText(message);
    ui.txtInfo->show();
    ui.txtInfoShadow->show();
    mnuSolutionClick();
}

void TfrmMain::showFrame(GameSession::Frame frame)
{
    m_board.showSelectionFrame(frame == GameSession::Frame::Swapped ? game::red : game::yellow,
                               lineWidth(5));
    ui.Image2->repaintPicture();
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
    if (command(Command::FadeBlocks)->isChecked())
        rebuildDimSource();
}

void TfrmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    m_session->deselect();
    drawBitmap();
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui.fraSolution && event->type() == QEvent::Resize)
        placeInfoLabels();
    return QMainWindow::eventFilter(watched, event);
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
