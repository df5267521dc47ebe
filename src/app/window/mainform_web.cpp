// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of the web pane: its wiring, opening the pane, the Open URL dialog, a
// taken picture link and Back from a web puzzle to its page.
#include "app/window/mainform.h"

#include "app/video_board/video_board.h"
#include "app/web_pane/picture_fetch.h"
#include "app/widgets/picture_view.h"
#include "app/settings/settings.h"
#include "app/window/sibling_navigation.h"
#include "web/OpenURL.h"
#include "web/link_rules.h"

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QToolButton>

void TfrmMain::connectWebPane()
{
    connect(m_web, &WebPane::statusText, this, &TfrmMain::setStatusText);
    connect(m_web, &WebPane::pictureLinkTaken, this,
            [this](const QString &address) { takePictureLink(address, web::LinkOrigin::Page); });
    connect(m_web, &WebPane::backAvailable, this, [this](bool enabled) {
        m_siblings->setEnabled(enabled, m_siblings->forwardEnabled());
    });
    connect(m_web, &WebPane::forwardAvailable, this,
            [this](bool enabled) { m_siblings->setEnabled(m_siblings->backEnabled(), enabled); });
    connect(m_web, &WebPane::pageComplete, this, [this] { ui.btnRestart->setEnabled(true); });
    PictureFetch *pictures = m_web->pictures();
    connect(pictures, &PictureFetch::pictureReady, this, &TfrmMain::openWebPicture);
    connect(pictures, &PictureFetch::failed, this, &TfrmMain::webPictureFailed);
    connect(pictures, &PictureFetch::dropped, this,
            [this](const QString &address) { emit webPictureEnded(address, WebPicture::Dropped); });
}

// What both ways into the pane do first: no download, no video, no clock, the pane's status.
// From here on Back and Forward follow the browser's history, whatever a local folder left.
void TfrmMain::enterBrowsing()
{
    leaveGame();
    dropPendingOpens();
    m_video->leave();
    m_session->endGame();
    setStatusText(tr("Browsing"));
    m_web->createBrowser();
    m_siblings->setEnabled(m_web->canGoBack(), m_web->canGoForward());
}

void TfrmMain::PuzzlesontheWeb1Click()
{
    try {
        enterBrowsing();
        setWindowTitle(QStringLiteral("Pindrel"));
        const QString startPage = web::homeSitePages(settings::homeSiteBase()).constFirst();
        m_session->setInProgress(false);
        m_siblings->followBrowser();
        m_session->deselect();
        ui.Image2->setEnabled(false);
        m_web->navigate(startPage);
        ui.Image2->hide();
        m_web->showPane();
    } catch (const std::exception &) {
        QMessageBox::critical(this, tr("Error"), tr("Unable to navigate to the website."),
                              QMessageBox::Ok);
    }
}

void TfrmMain::OpenURL1Click()
{
    TfrmOpenURL dialog(this);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    activateWindow();
    if (accepted)
        openTypedAddress(dialog.address());
}

void TfrmMain::openTypedAddress(const QString &typed)
{
    setWindowTitle(QStringLiteral("Pindrel"));
    // A failure to load the engine reaches the default error report.
    enterBrowsing();
    m_siblings->followBrowser();
    const QString address = web::typedAddress(typed).toString(QUrl::FullyEncoded);
    // A picture the player names is fetched as the player's; an image-search link goes through
    // the browser like any page's link, so its unwrapped address is a page's.
    const QString prefix = web::imageSearchPrefix(settings::imageSearchHost());
    if (web::isPictureLink(address) && web::unwrapImageSearchLink(address, prefix) == address)
        takePictureLink(address, web::LinkOrigin::Typed);
    else
        m_web->navigate(address);
    m_web->showPane();
}

void TfrmMain::takePictureLink(const QString &address, web::LinkOrigin origin)
{
    ui.Image2->setEnabled(false);
    m_siblings->switchForwardOff();
    // The download starts from the event loop once the engine has heard the navigation
    // cancelled: a refused address's message box inside its navigation callback would stall it.
    QMetaObject::invokeMethod(
        this, [this, address, origin] { openImageFromWeb(address, origin); }, Qt::QueuedConnection);
}

void TfrmMain::browseBack()
{
    m_session->endGame();
    setStatusText(QStringLiteral("00 : 00 : 00"));
    if (m_web->browserEnabled()) {
        setStatusText(tr("Browsing"));
        m_web->browseBack();
        return;
    }
    // A web puzzle is showing: it fades out, and the page that held its link comes back.
    // Over the solution view only the views go: no dimmed picture stands before the page.
    playLeavingEffect(false, [this] {
        ui.Image2->setEnabled(false);
        // Back follows the browser's history again.
        m_siblings->setEnabled(m_web->canGoBack(), false);
        m_web->showPane();
        setStatusText(tr("Browsing"));
    });
}
