// SPDX-License-Identifier: GPL-3.0-or-later
// Video puzzles as the window takes them: starting one from the Open command, the refresh
// tick and interval and the sound switch, handed to the video board; and the puzzle showing
// given up.
#include "app/window/mainform.h"

#include "app/commands/command_set.h"
#include "app/navigate/sibling_navigation.h"
#include "app/video_board/video_board.h"
#include "app/widgets/picture_view.h"
#include "app/widgets/wait_cursor.h"

#include <QAction>
#include <QFileInfo>

using commands::Command;

void TfrmMain::openVideo(const QString &path)
{
    leaveGame();
    m_video->stopRefresh();
    repaint();
    WaitCursor busy;
    setWindowTitle(QStringLiteral("Pindrel"));
    // Before anything can fail: the siblings belong to another folder than the one the
    // dialog now names, so stepping through them would open nonexistent paths.
    m_siblings->setEnabled(false, false);
    m_video->load(path);
    m_boardView->startVideo(*m_video);
    m_session->pictureOpened(game::KeptGame::Source::Video, path, QFileInfo(path).fileName());
    command(Command::FadeBlocks)->setEnabled(false);
    command(Command::FadeBlocks)->setChecked(true);
    m_video->showOnBoard();
    m_web->hidePaneFrame();

    btnRestartClick();
    m_video->startRefresh();
    m_video->play();
    showPuzzleTitle(QFileInfo(path).fileName());
    m_boardView->hideCaptions();
}

void TfrmMain::abandonShownPuzzle()
{
    leaveGame();
    m_video->leave();
    m_session->stopClock();
    for (PictureView *view : {ui.Image2, ui.imgSolution, ui.ProEffectImage1})
        view->hide();
}

void TfrmMain::Timer1Timer()
{
    m_video->refresh();
}

void TfrmMain::mnuPlaySoundClick()
{
    m_video->setPlaySound(command(Command::PlaySound)->isChecked());
}
