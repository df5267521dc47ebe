// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a puzzle from a picture on the web: the download started, and its end taken up.
#include "app/window/mainform.h"

#include "app/keep/game_keeper.h"
#include "app/play/play_assist.h"
#include "app/web_pane/picture_fetch.h"
#include "app/widgets/picture_view.h"
#include "app/widgets/progress_gauge.h"
#include "app/window/sibling_navigation.h"

#include <QLabel>

void TfrmMain::openImageFromWeb(const QString &address, web::LinkOrigin origin)
{
    repaint();
    //: In the clock's place on the tool bar, 88 pixels wide: keep it short
    setStatusText(tr("Downloading"));
    m_boardView->clearSolution();
    mnuSolutionClick();
    m_web->setBrowserShown(false);
    // Back, menu commands and another picture link can come while it runs; every command that
    // starts another puzzle or view drops it.
    m_web->pictures()->fetch(address, origin);
}

void TfrmMain::openWebPicture(const QString &address, const QByteArray &bytes,
                              const QImage &picture)
{
    try {
        m_web->setBrowserShown(false);
        setStatusText(tr("Processing"));
        m_web->hidePaneFrame();
        ui.fraImages->raise();
        m_session->pictureOpened(game::KeptGame::Source::Download, address, address, bytes);
        buildPuzzle(picture);
        m_siblings->followBrowser();
        // Back leads to the page that held the link, even the first page of the history.
        m_siblings->setEnabled(true, false);
        ui.progressBar->hide();
        showPuzzleTitle(address);
    } catch (const std::exception &) {
        m_web->pictures()->downloadFailed(address);
        return;
    }
    emit webPictureEnded(address, WebPicture::Opened);
}

// After the failure's message: the page that held the link comes back.
void TfrmMain::webPictureFailed(const QString &address)
{
    ui.Image2->hide();
    m_siblings->switchForwardOff();
    m_siblings->followBrowser();
    //: In the clock's place on the tool bar, 88 pixels wide: keep it short
    setStatusText(tr("Error"));
    m_web->showPane();
    emit webPictureEnded(address, WebPicture::Failed);
}
