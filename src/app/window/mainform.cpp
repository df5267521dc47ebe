// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's handlers: start-up, restart, the solution view, presses on the board,
// the clock tick, the menu switches and shutdown.
#include "app/window/mainform.h"

#include "app/dialogs/keys_dialog.h"
#include "app/keep/game_keeper.h"
#include "app/open/drop_opener.h"
#include "app/play/pause_control.h"
#include "app/play/play_assist.h"
#include "app/widgets/picture_view.h"
#include "app/widgets/wait_cursor.h"
#include "app/window/accessible_names.h"
#include "app/window/native_window_keeper.h"
#include "app/window/settings.h"
#include "app/window/startup_picture.h"
#include "game/board_renderer.h"
#include "game/geometry.h"
#include "game/shuffle.h"
#include "sources/picture_cover.h"
#include "video/AVIPlay.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

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

TfrmMain::TfrmMain(QWidget *parent) : QMainWindow(parent)
{
    m_board.showPicture(startupPicture());
    createWidgets();
    createMenus();
    QMenu *const gameMenu = findChild<QMenu *>(QStringLiteral("mnuGame"));
    QMenu *const helpMenu = findChild<QMenu *>(QStringLiteral("mnuHelp"));
    m_play = new PlayAssist(this, *this, Image2, txtInfo, gameMenu, helpMenu);
    m_pause = new PauseControl(this, *this, fraSolution, m_web->frame(), gameMenu);
    m_keeper = new GameKeeper(this, *this, gameMenu);
    addKeysCommand(this, helpMenu);
    connectCommands();
    nameControls(this);
    FormCreate();
    resize(331, 331 + menuBar()->sizeHint().height());
    updateMaximumSize();
    // Creating the window handle now lets the limit follow the window to another screen.
    winId();
    connect(windowHandle(), &QWindow::screenChanged, this, &TfrmMain::updateMaximumSize);
    // The web pane's first opening re-creates the native window.
    new NativeWindowKeeper(this);
    tmrTimer->start();
    new DropOpener(this, [this](const OpenRequest &request) { openRequested(request); });
}

TfrmMain::~TfrmMain()
{
    qApp->removeEventFilter(this);
    // It asks the window about the game from its event filters, and closing the web view
    // below still sends events: it must be gone before the window's members go.
    delete m_play;
    m_play = nullptr;
    delete m_pause;
    m_pause = nullptr;
    // The browser goes while the frame it was made in is still there.
    delete m_web;
    m_web = nullptr;
    Timer1->stop();
}

void TfrmMain::FormCreate()
{
    setWindowTitle(QStringLiteral("Pindrel"));
    restartVideo = true;
    isVideo = false;
    m_state.solutionShown = true;
    openCount = 0;
    m_solutionPicture = m_board.picture();
    rebuildDimSource();
    m_state.rows = m_state.cols = 4;
    m_state.tileCount = 16;
    mnuSolutionClick();
    m_state.gameType = game::SwapBlocks;
    qApp->installEventFilter(this);
    Timer1->setInterval(settings::aviTimerFrom(settings::ReadSetting(QStringLiteral("avi_timer"))));
}

int TfrmMain::videoRefreshInterval() const
{
    return Timer1->interval();
}

void TfrmMain::setVideoRefreshInterval(int milliseconds)
{
    Timer1->setInterval(milliseconds);
    applyVideoRefreshInterval();
}

int TfrmMain::moveCount() const
{
    return txtMoveCount->text().toInt();
}

bool TfrmMain::gameInProgress() const
{
    return mnuSolution->isEnabled();
}

void TfrmMain::applyOptions(int gameType, int rows, int cols, bool restartVideoOption)
{
    m_state.gameType = gameType;
    m_state.rows = rows;
    m_state.cols = cols;
    m_state.tileCount = cols * rows;
    if (isVideo && restartVideoOption)
        restartVideoPlayback();
    restartVideo = restartVideoOption;
    btnRestartClick();
}

void TfrmMain::setStatusText(const QString &text)
{
    txtStatus->setText(text);
    txtStatus->repaint();
}

void TfrmMain::hideCaptions()
{
    txtInfo->hide();
    txtInfoShadow->hide();
}

void TfrmMain::switchForwardOff()
{
    btnForward->setEnabled(false);
    Next1->setEnabled(false);
}

void TfrmMain::showPuzzleTitle(const QString &name)
{
    setWindowTitle(QStringLiteral("Pindrel - ") + name);
}

void TfrmMain::rebuildDimSource()
{
    if (FadeBlocks1->isChecked())
        m_dimPicture.showDarkened(m_solutionPicture, 100);
    else
        m_dimPicture.showAsIs(m_solutionPicture.convertToFormat(QImage::Format_RGB32));
}

void TfrmMain::randomBlocks()
{
    //: In the clock's place on the tool bar, 88 pixels wide: keep it short
    setStatusText(tr("Randomizing"));
    game::randomBlocks(m_state, game::clockSeed());
    m_dealtShape = {m_state.rows, m_state.cols, m_state.gameType};
}

void TfrmMain::placeInfoLabels()
{
    const int paneHeight = fraSolution->height();
    txtInfo->move(txtInfo->x() > 0 ? txtInfo->x() : 9, paneHeight - 27);
    txtInfoShadow->move(txtInfo->x() - 1, paneHeight - 26);
}

int TfrmMain::lineWidth(int fullWidth) const
{
    // Over a picture kept reduced or a video built at its shown size, bevels and frames are
    // narrowed alike, so that they look as wide on the screen as over the full picture. Over
    // frames grown for a fine grid they stay as wide as over a still picture grown alike.
    const double reduction =
        isVideo ? std::min(1.0, double(m_solutionPicture.width()) / avi->FrameWidth())
                : sources::decodedEighths(m_solutionPicture) / 8.0;
    return std::max(1, game::roundHalfEven(fullWidth * reduction));
}

void TfrmMain::drawBitmap()
{
    placeInfoLabels();
    if (m_state.solutionShown)
        return;
    imgSolution->hide();
    ProEffectImage1->hide();
    m_board.showGame(m_state, m_solutionPicture, m_dimPicture,
                     game::takeDimAllOnce(m_state, {mnuShowGrid->isChecked(),
                                                    mnuDimTiles->isChecked(), lineWidth(3)}));
    Image2->updatePicture();
}

void TfrmMain::leaveGame()
{
    m_pause->setPaused(false);
    m_keeper->keepNow();
}

void TfrmMain::mnuSolutionClick()
{
    leaveGame();
    m_clock.StopTimer();
    m_web->hidePaneFrame();
    m_state.solutionShown = true;
    imgSolution->show();
    imgSolution->update();
    mnuSolution->setEnabled(false);
    Image2->hide();
    placeInfoLabels();
    txtInfoShadow->adjustSize();
    txtInfo->adjustSize();
    txtInfoShadow->show();
    txtInfo->show();
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
        Image2->hide();
        m_state.solutionShown = false;
        m_state.clearSelection();
        randomBlocks();
        drawBitmap();
        mnuSolution->setEnabled(true);
        setStatusText(QStringLiteral("00 : 00 : 00"));
        txtMoveCount->setText(QStringLiteral("0"));
        m_play->newGame();
        Image2->show();
        txtInfo->clear();
        txtInfoShadow->clear();
        m_clock.StopTimer();
        m_clock.StartTimer();
    }
    if (isVideo && restartVideo)
        restartVideoPlayback();
    hideCaptions();
}

void TfrmMain::Restart1Click()
{
    if (btnRestart->isEnabled())
        btnRestartClick();
}

void TfrmMain::Image2MouseDown(Qt::MouseButton button, QPoint position)
{
    const game::Press press{pressButtonOf(button),
                            position.x(),
                            position.y(),
                            Image2->size(),
                            m_solutionPicture.size(),
                            m_board.size(),
                            FadeBlocks1->isChecked(),
                            isVideo};
    // A paused game takes no move, whatever reaches the board under its cover.
    if (m_pause->paused())
        return;
    const game::PressOutcome outcome = game::pressBoard(m_state, press, *this);
    if (outcome.countsMove)
        m_play->moveMade(outcome.exchange);
    countMoveAndTestCompletion(outcome.ruled, outcome.countsMove);
}

void TfrmMain::countMoveAndTestCompletion(bool ruled, bool countsMove)
{
    if (countsMove)
        txtMoveCount->setText(QString::number(txtMoveCount->text().toInt() + 1));
    if (ruled && game::isSolved(m_state))
        showCompletion();
}

bool TfrmMain::gameOnBoard() const
{
    return !m_state.solutionShown && !Image2->isHidden() && Image2->isEnabled() &&
           m_web->frame()->isHidden();
}

bool TfrmMain::boardInPlay() const
{
    return gameOnBoard() && !m_pause->paused();
}

void TfrmMain::pressBoardAt(QPoint position)
{
    Image2MouseDown(Qt::LeftButton, position);
}

void TfrmMain::exchangeByCommand(int firstCell, int secondCell)
{
    // A pending pick is forgotten, as a right press would.
    m_state.clearSelection();
    m_state.swapFlash = 0;
    game::exchangeCells(m_state, {firstCell, secondCell});
    drawBitmap();
    countMoveAndTestCompletion(true, true);
}

void TfrmMain::showCompletion()
{
    const QString message =
        tr("Puzzle Completed! (%n moves)", nullptr, txtMoveCount->text().toInt());
    txtInfo->setText(message);
    txtInfoShadow->setText(message);
    m_play->completed(txtMoveCount->text().toInt(), m_clock.elapsedMilliseconds());
    m_keeper->completed();
    txtInfo->show();
    txtInfoShadow->show();
    mnuSolutionClick();
}

void TfrmMain::redraw()
{
    drawBitmap();
}

void TfrmMain::showFrame(QRgb colour)
{
    m_board.showSelectionFrame(colour, lineWidth(5));
    Image2->repaintPicture();
}

void TfrmMain::holdSwapFrame()
{
    // Blocking on purpose: the red frame stays up and no other press is handled meanwhile.
    QThread::msleep(150);
}

void TfrmMain::tmrTimerTimer()
{
    if (m_clock.clockRunning())
        txtStatus->setText(m_clock.elapsedText());
}

void TfrmMain::mnuShowGridClick()
{
    drawBitmap();
}

void TfrmMain::FadeBlocks1Click()
{
    if (FadeBlocks1->isChecked())
        rebuildDimSource();
}

void TfrmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    m_state.clearSelection();
    drawBitmap();
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == fraSolution && event->type() == QEvent::Resize)
        placeInfoLabels();
    if (handleAppMessage(event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::mnuExitClick()
{
    leaveGame();
    m_state.solutionShown = true;
    closeVideo();
    QCoreApplication::quit();
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    leaveGame();
    closeVideo();
    QCoreApplication::quit();
    m_state.solutionShown = true;
    event->accept();
}
