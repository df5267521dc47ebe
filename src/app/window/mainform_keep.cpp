// SPDX-License-Identifier: GPL-3.0-or-later
// The game in progress as the keeper takes it and puts it back, and Pause's hold on the game.
#include "app/window/mainform.h"

#include "app/keep/game_keeper.h"
#include "app/play/pause_control.h"
#include "app/play/play_assist.h"
#include "app/widgets/picture_view.h"
#include "app/window/startup_picture.h"
#include "game/shuffle.h"
#include "sources/jpeg_decoder.h"
#include "video/AVIPlay.h"

#include <QAction>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

void TfrmMain::resumeLastGame()
{
    m_keeper->resume();
}

bool TfrmMain::gameToKeep(game::KeptGame &kept) const
{
    if (!gameOnBoard() || game::isSolved(m_state) || moveCount() == 0 ||
        m_dealtShape != Shape{m_state.rows, m_state.cols, m_state.gameType})
        return false;
    kept.videoFrame = isVideo ? avi->Position() : 0;
    kept.rows = m_state.rows;
    kept.cols = m_state.cols;
    kept.gameType = m_state.gameType;
    kept.blockList = m_state.blockList;
    kept.gapCell = m_state.gapCell;
    kept.dimSelected = FadeBlocks1->isChecked();
    kept.dimIncorrect = mnuDimTiles->isChecked();
    kept.grid = mnuShowGrid->isChecked();
    kept.moves = moveCount();
    kept.milliseconds = m_clock.elapsedMilliseconds();
    kept.done = m_play->history().done();
    kept.undone = m_play->history().undone();
    kept.hintUsed = m_play->hintUsed();
    return true;
}

void TfrmMain::openKeptPicture(const game::KeptGame &kept, const QByteArray &downloaded)
{
    using Source = game::KeptGame::Source;
    dropPendingOpens();
    switch (kept.source) {
    case Source::File:
        m_openDialogFileName = kept.path;
        openStillPicture(kept.path);
        return;
    case Source::Video:
        openVideo(kept.path);
        return;
    case Source::StartUp:
    case Source::Download:
        break;
    }
    const QImage picture =
        kept.source == Source::StartUp ? startupPicture() : sources::decodeJpegBytes(downloaded);
    abandonShownPuzzle();
    m_web->hidePaneFrame();
    fraImages->raise();
    if (kept.source == Source::StartUp) {
        m_play->setStartUpPicture();
        m_keeper->startUpPictureOpened();
        setWindowTitle(QStringLiteral("Pindrel"));
    } else {
        m_play->setPicture([address = kept.path] { return address; }, kept.path);
        m_keeper->downloadOpened(kept.path, downloaded);
        showPuzzleTitle(kept.path);
    }
    buildPuzzle(picture);
    // The page that held a downloaded picture's link is not there to go back to.
    siblingIndex = -1;
    setBackForwardEnabled(false, false);
}

void TfrmMain::resumeGame(const game::KeptGame &kept, const QByteArray &downloaded)
{
    // The picture is opened for the kept grid, so a video's pictures are built for it.
    m_state.rows = kept.rows;
    m_state.cols = kept.cols;
    m_state.tileCount = kept.rows * kept.cols;
    m_state.gameType = kept.gameType;
    openKeptPicture(kept, downloaded);

    m_state.blockList = kept.blockList;
    m_state.gapCell = kept.gapCell;
    m_state.clearSelection();
    m_dealtShape = {kept.rows, kept.cols, kept.gameType};
    if (FadeBlocks1->isEnabled() && FadeBlocks1->isChecked() != kept.dimSelected) {
        FadeBlocks1->setChecked(kept.dimSelected);
        FadeBlocks1Click();
    }
    mnuDimTiles->setChecked(kept.dimIncorrect);
    mnuShowGrid->setChecked(kept.grid);
    txtMoveCount->setText(QString::number(kept.moves));
    m_play->resumeGame(kept);
    m_clock.startAt(kept.milliseconds);
    setStatusText(m_clock.elapsedText());
    if (isVideo)
        avi->Play(0, avi->FrameCount() - 1, 0, kept.videoFrame);
    drawBitmap();
}

void TfrmMain::holdGame(bool held)
{
    if (held) {
        m_clock.hold();
        if (isVideo) {
            avi->Stop();
            stopVideoRefresh();
        }
    } else {
        m_clock.resume();
        tmrTimerTimer();
        if (isVideo && !avi->Active()) {
            avi->Play(0, avi->FrameCount() - 1, 0, avi->Position());
            startVideoRefresh();
        }
    }
    m_play->refreshCommands();
}
