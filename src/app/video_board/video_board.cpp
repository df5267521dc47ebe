// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/video_board/video_board.h"

#include "app/widgets/picture_view.h"
#include "app/widgets/progress_gauge.h"
#include "app/widgets/board_picture.h"
#include "app/widgets/dimmed_picture.h"
#include "game/board_renderer.h"
#include "game/geometry.h"
#include "game/puzzle_size.h"
#include "session/game_session.h"
#include "sources/decode_error.h"
#include "video/AVIPlay.h"

#include <QCoreApplication>
#include <QTimer>

VideoBoard::VideoBoard(QWidget *window, GameSession &session, const Views &views,
                       ProgressGauge *gauge)
    : QObject(window), m_session(session), m_views(views), m_gauge(gauge)
{
    // The player is only a frame source: it sits in a panel that never shows.
    auto *videoPanel = new QWidget(window);
    videoPanel->setObjectName(QStringLiteral("pnlVideo"));
    videoPanel->hide();
    m_player = new TDCAviPlayer(videoPanel);
    m_player->setObjectName(QStringLiteral("avi"));
    m_player->SetTransparent(false);
    // Frames come scaled to the player's size, which is the size the board is shown at.
    m_player->SetAutoSize(false);
    m_player->SetStretch(true);
    // A video file without an index is read once when opened; a long read shows on the gauge.
    connect(m_player, &TDCAviPlayer::Scanning, gauge, [gauge](int percent) {
        gauge->setMaximum(100);
        gauge->setValue(percent);
        gauge->show();
        gauge->raise();
        gauge->repaint();
    });

    m_refresh = new QTimer(this);
    m_refresh->setObjectName(QStringLiteral("Timer1"));
    m_refresh->setInterval(40);
    connect(m_refresh, &QTimer::timeout, this, &VideoBoard::refresh);
    connect(&session, &GameSession::pausedChanged, this, &VideoBoard::hold);
}

void VideoBoard::load(const QString &path)
{
    m_player->SetFileName(path);
    m_gauge->hide();
    if (m_player->FrameCount() <= 0)
        throw sources::DecodeError(
            QCoreApplication::translate("TfrmMain", "%1: not a playable video").arg(path));
}

void VideoBoard::showOnBoard()
{
    m_session.setVideo([this] { return m_player->Position(); });
    sizePictures(shownSize());
    // Smoothing a picture that changes every tick would cost a full rescale each time.
    setSmoothPictures(false);
}

void VideoBoard::play(int atFrame)
{
    m_player->Play(0, m_player->FrameCount() - 1, 0, atFrame);
}

void VideoBoard::restart()
{
    m_player->SetPosition(0);
    play();
}

void VideoBoard::hold(bool held)
{
    if (!m_session.isVideo())
        return;
    if (held) {
        m_player->Stop();
        stopRefresh();
    } else if (!m_player->Active()) {
        play(m_player->Position());
        startRefresh();
    }
}

void VideoBoard::close()
{
    stopRefresh();
    m_player->SetFileName(QString());
}

void VideoBoard::leave()
{
    close();
    if (!m_session.isVideo())
        return;
    m_session.setStill();
    setSmoothPictures(true);
    emit videoLeft();
}

void VideoBoard::startRefresh()
{
    m_refreshOn = true;
    applyRefreshInterval();
}

void VideoBoard::stopRefresh()
{
    m_refreshOn = false;
    m_refresh->stop();
}

int VideoBoard::refreshInterval() const
{
    return m_refresh->interval();
}

void VideoBoard::setRefreshInterval(int milliseconds)
{
    m_refresh->setInterval(milliseconds);
    applyRefreshInterval();
}

void VideoBoard::applyRefreshInterval()
{
    // An interval of 0 or less means no refresh at all, until a usable one is chosen.
    if (m_refreshOn && m_refresh->interval() > 0) {
        if (!m_refresh->isActive())
            m_refresh->start();
    } else {
        m_refresh->stop();
    }
}

void VideoBoard::refresh()
{
    // The window was resized, went full screen or moved to a screen of another density.
    if (const QSize shown = shownSize(); shown != m_player->size())
        sizePictures(shown);
    m_player->PaintTo(m_views.solution, 0, 0);
    m_views.dim.showAsIs(m_views.solution);
    // In the solution view the board is the plain frame; otherwise the window draws it.
    if (m_session.solutionShown())
        m_views.board.showPicture(m_views.solution);
    m_views.solutionView->repaint();
    m_views.dimView->repaint();
    emit frameShown();
    const GameSession::Frame frame = m_session.videoTick();
    if (frame == GameSession::Frame::None)
        return;
    m_views.board.showSelectionFrame(
        frame == GameSession::Frame::Swapped ? game::red : game::yellow, 5);
    m_views.boardView->repaintPicture();
}

void VideoBoard::setPlaySound(bool on)
{
    m_player->SetPlaySound(on);
}

int VideoBoard::frameWidth() const
{
    return m_player->FrameWidth();
}

void VideoBoard::setSmoothPictures(bool smooth)
{
    for (PictureView *view : {m_views.boardView, m_views.solutionView, m_views.dimView}) {
        view->setSmoothScaling(smooth);
        view->update();
    }
}

QSize VideoBoard::shownSize() const
{
    // Built at the size it is shown, each frame is scaled once, while libswscale converts it,
    // and the board is cut and drawn from no more pixels than the screen shows.
    const QSize frame(m_player->FrameWidth(), m_player->FrameHeight());
    const QWidget *area = m_views.area;
    const QSize shown = game::shownPictureSize(area->size(), frame, area->devicePixelRatioF());
    // In a window too small for the grid, tiles keep the frame's pixels, and frames smaller
    // than the grid are grown (smoothly, by the frame conversion) so that every tile shows some.
    const game::GameState &state = m_session.state();
    return game::fitsGrid(shown, state.rows, state.cols)
               ? shown
               : game::upscaledForGrid(frame, state.rows, state.cols);
}

void VideoBoard::sizePictures(QSize size)
{
    m_player->resize(size);
    QImage blank(size, QImage::Format_RGB32);
    blank.fill(Qt::black);
    // The board drawing gives a shared board memory of its own, in large pages when it is big.
    m_views.solution = blank;
    m_views.dim.showAsIs(blank);
    m_views.board.showPicture(blank);
}
