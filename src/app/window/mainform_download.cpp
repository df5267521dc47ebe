// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a puzzle from a picture on the web: the download, its gauge and its failure.
#include "app/window/mainform.h"

#include "app/keep/game_keeper.h"
#include "app/play/play_assist.h"
#include "app/widgets/event_pump.h"
#include "app/widgets/picture_view.h"
#include "app/widgets/progress_gauge.h"
#include "app/widgets/wait_cursor.h"
#include "sources/decode_error.h"
#include "sources/jpeg_decoder.h"
#include "sources/picture_download.h"
#include "web/browser_loader.h"

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QToolButton>

#include <optional>

TfrmMain::WebPicture TfrmMain::openImageFromWeb(const QString &address, web::LinkOrigin origin)
{
    using sources::PictureDownload;
    std::optional<WaitCursor> busy(std::in_place);
    repaint();
    //: In the clock's place on the tool bar, 88 pixels wide: keep it short
    setStatusText(tr("Downloading"));
    m_solutionPicture = QImage();
    mnuSolutionClick();
    setBrowserShown(false);

    const QUrl url(address);
    if (!web::isAllowedAddress(url, origin, web::bundledSiteDir())) {
        busy.reset();
        downloadFailed();
        return WebPicture::Failed;
    }
    // Back, menu commands and another picture link can run while this waits; every command
    // that starts another puzzle or view cancels it.
    const quint64 transfer = Client->get(url);
    pumpEventsUntil(Client, &PictureDownload::ended,
                    [&] { return Client->stateOf(transfer) != PictureDownload::State::Running; });
    if (Client->stateOf(transfer) == PictureDownload::State::Running)
        Client->drop(); // the program is ending
    if (Client->stateOf(transfer) == PictureDownload::State::Dropped)
        return WebPicture::Dropped;

    try {
        if (Client->stateOf(transfer) == PictureDownload::State::Failed)
            throw sources::DecodeError(Client->failure());
        const QByteArray bytes = Client->takeBody();
        // Reduced to what the screen can show, as a picture opened from disk.
        const QImage picture =
            sources::decodeJpegBytesToCover(bytes, sources::largestScreenPixels());
        setBrowserShown(false);
        setStatusText(tr("Processing"));
        hidePaneFrame();
        fraImages->raise();
        m_session->pictureOpened(game::KeptGame::Source::Download, address, address, bytes);
        buildPuzzle(picture);
        siblingIndex = webSiblingIndex;
        // Back leads to the page that held the link, even the first page of the history.
        setBackForwardEnabled(true, false);
        progressBar->hide();
        showPuzzleTitle(address);
        return WebPicture::Opened;
    } catch (const std::exception &) {
        busy.reset();
        downloadFailed();
        return WebPicture::Failed;
    }
}

void TfrmMain::downloadFailed()
{
    QMessageBox::warning(this, tr("Warning"), tr("Unable to download image."), QMessageBox::Ok);
    progressBar->hide();
    Image2->hide();
    switchForwardOff();
    siblingIndex = webSiblingIndex;
    //: In the clock's place on the tool bar, 88 pixels wide: keep it short
    setStatusText(tr("Error"));
    showPane();
}

// Every command that starts another puzzle or view ends a running download without a word:
// its openImageFromWeb then leaves the window to that command. True when one was running.
bool TfrmMain::cancelDownload()
{
    if (!Client->drop())
        return false;
    progressBar->hide();
    return true;
}

void TfrmMain::ClientWorkBegin(qint64 expected)
{
    progressBar->setMaximum(expected);
    progressBar->setValue(0);
    progressBar->show();
    progressBar->raise();
}

void TfrmMain::ClientWork(qint64 received)
{
    progressBar->setValue(received);
}

void TfrmMain::ClientWorkEnd()
{
    progressBar->hide();
}
