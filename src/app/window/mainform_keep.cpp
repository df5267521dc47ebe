// SPDX-License-Identifier: GPL-3.0-or-later
// A kept game's picture opened for its resume, and what the session is told of the board.
#include "app/window/mainform.h"

#include "app/commands/command_set.h"
#include "app/keep/game_keeper.h"
#include "app/navigate/sibling_navigation.h"
#include "app/video_board/video_board.h"
#include "app/web_pane/web_puzzles.h"
#include "app/widgets/picture_view.h"
#include "app/window/startup_picture.h"
#include "sources/jpeg_decoder.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>

using commands::Command;

void TfrmMain::openKeptPicture(const game::KeptGame &kept, const QByteArray &downloaded)
{
    using Source = game::KeptGame::Source;
    m_webPuzzles->dropPendingOpens();
    switch (kept.source) {
    case Source::File:
        m_siblings->setChosenFile(kept.path);
        openStillPicture(kept.path);
        return;
    case Source::Video:
        openVideo(kept.path);
        m_video->play(kept.videoFrame);
        return;
    case Source::StartUp:
    case Source::Download:
        break;
    }
    const QImage picture =
        kept.source == Source::StartUp ? startupPicture() : sources::decodeJpegBytes(downloaded);
    abandonShownPuzzle();
    m_web->hidePaneFrame();
    ui.fraImages->raise();
    if (kept.source == Source::StartUp) {
        m_session->startUpPictureOpened();
        setWindowTitle(QStringLiteral("Pindrel"));
    } else {
        m_session->pictureOpened(Source::Download, kept.path, kept.path, downloaded);
        showPuzzleTitle(kept.path);
    }
    buildPuzzle(picture);
    // The page that held a downloaded picture's link is not there to go back to.
    m_siblings->forget();
}
