// SPDX-License-Identifier: GPL-3.0-or-later
// Video puzzles: starting one from the Open command, refreshing the board from the playing
// video, restarting and closing the video.
#include "app/window/mainform.h"

#include "app/commands/command_set.h"
#include "app/keep/game_keeper.h"
#include "app/play/play_assist.h"
#include "app/widgets/picture_view.h"
#include "app/widgets/progress_gauge.h"
#include "app/widgets/wait_cursor.h"
#include "game/board_renderer.h"
#include "game/geometry.h"
#include "game/puzzle_size.h"
#include "sources/decode_error.h"
#include "sources/records_file.h"
#include "video/AVIPlay.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

using commands::Command;

void TfrmMain::createVideoPlayer()
{
    // The player is only a frame source: it sits in a panel that never shows.
    auto *videoPanel = new QWidget(this);
    videoPanel->setObjectName(QStringLiteral("pnlVideo"));
    videoPanel->hide();
    avi = new TDCAviPlayer(videoPanel);
    avi->setObjectName(QStringLiteral("avi"));
    avi->SetTransparent(false);
    // Frames come scaled to the player's size, which is the size the board is shown at.
    avi->SetAutoSize(false);
    avi->SetStretch(true);
    // A video file without an index is read once when opened; a long read shows on the gauge.
    connect(avi, &TDCAviPlayer::Scanning, this, [this](int percent) {
        progressBar->setMaximum(100);
        progressBar->setValue(percent);
        progressBar->show();
        progressBar->raise();
        progressBar->repaint();
    });
}

void TfrmMain::openVideo(const QString &path)
{
    leaveGame();
    stopVideoRefresh();
    repaint();
    WaitCursor busy;
    setWindowTitle(QStringLiteral("Pindrel"));
    // Before anything can fail: the siblings belong to another folder than the one the
    // dialog now names, so stepping through them would open nonexistent paths.
    setBackForwardEnabled(false, false);
    avi->SetFileName(path);
    progressBar->hide();
    if (avi->FrameCount() <= 0)
        throw sources::DecodeError(tr("%1: not a playable video").arg(path));
    isVideo = true;
    m_session->pictureOpened(game::KeptGame::Source::Video, path, QFileInfo(path).fileName());
    m_session->setVideo([this] { return avi->Position(); });
    command(Command::FadeBlocks)->setEnabled(false);
    command(Command::FadeBlocks)->setChecked(true);

    sizeVideoPictures(shownVideoSize());
    // Smoothing a picture that changes every tick would cost a full rescale each time.
    setSmoothPictures(false);
    m_web->hidePaneFrame();

    btnRestartClick();
    startVideoRefresh();
    avi->Play(0, avi->FrameCount() - 1, 0);
    showPuzzleTitle(QFileInfo(path).fileName());
    hideCaptions();
}

void TfrmMain::startVideoRefresh()
{
    m_videoRefreshOn = true;
    applyVideoRefreshInterval();
}

void TfrmMain::stopVideoRefresh()
{
    m_videoRefreshOn = false;
    Timer1->stop();
}

void TfrmMain::applyVideoRefreshInterval()
{
    // An interval of 0 or less means no refresh at all, until a usable one is chosen.
    if (m_videoRefreshOn && Timer1->interval() > 0) {
        if (!Timer1->isActive())
            Timer1->start();
    } else {
        Timer1->stop();
    }
}

void TfrmMain::closeVideo()
{
    stopVideoRefresh();
    avi->SetFileName(QString());
}

void TfrmMain::setSmoothPictures(bool smooth)
{
    for (PictureView *view : {Image2, imgSolution, ProEffectImage1}) {
        view->setSmoothScaling(smooth);
        view->update();
    }
}

void TfrmMain::leaveVideoPuzzle()
{
    closeVideo();
    if (!isVideo)
        return;
    isVideo = false;
    m_session->setStill();
    setSmoothPictures(true);
    command(Command::FadeBlocks)->setEnabled(true);
    // The last frame stays as an ordinary still picture, which Restart deals with dimmed tiles.
    rebuildDimSource();
}

void TfrmMain::abandonShownPuzzle()
{
    leaveGame();
    leaveVideoPuzzle();
    m_session->stopClock();
    for (PictureView *view : {Image2, imgSolution, ProEffectImage1})
        view->hide();
}

void TfrmMain::restartVideoPlayback()
{
    avi->SetPosition(0);
    avi->Play(0, avi->FrameCount() - 1, 0);
}

QSize TfrmMain::shownVideoSize() const
{
    // Built at the size it is shown, each frame is scaled once, while libswscale converts it,
    // and the board is cut and drawn from no more pixels than the screen shows.
    const QSize frame(avi->FrameWidth(), avi->FrameHeight());
    const QSize shown =
        game::shownPictureSize(fraSolution->size(), frame, fraSolution->devicePixelRatioF());
    // In a window too small for the grid, tiles keep the frame's pixels, and frames smaller
    // than the grid are grown (smoothly, by the frame conversion) so that every tile shows some.
    return game::fitsGrid(shown, state().rows, state().cols)
               ? shown
               : game::upscaledForGrid(frame, state().rows, state().cols);
}

void TfrmMain::sizeVideoPictures(QSize size)
{
    avi->resize(size);
    QImage blank(size, QImage::Format_RGB32);
    blank.fill(Qt::black);
    // The board drawing gives a shared board memory of its own, in large pages when it is big.
    m_solutionPicture = blank;
    m_dimPicture.showAsIs(blank);
    m_board.showPicture(blank);
}

void TfrmMain::Timer1Timer()
{
    // The window was resized, went full screen or moved to a screen of another density.
    if (const QSize shown = shownVideoSize(); shown != avi->size())
        sizeVideoPictures(shown);
    avi->PaintTo(m_solutionPicture, 0, 0);
    m_dimPicture.showAsIs(m_solutionPicture);
    // In the solution view the board is the plain frame; otherwise it is drawn below.
    if (m_session->solutionShown())
        m_board.showPicture(m_solutionPicture);
    imgSolution->repaint();
    ProEffectImage1->repaint();
    drawBitmap();
    const GameSession::Frame frame = m_session->videoTick();
    if (frame == GameSession::Frame::None)
        return;
    m_board.showSelectionFrame(frame == GameSession::Frame::Swapped ? game::red : game::yellow, 5);
    Image2->repaintPicture();
}

void TfrmMain::mnuPlaySoundClick()
{
    avi->SetPlaySound(command(Command::PlaySound)->isChecked());
}
