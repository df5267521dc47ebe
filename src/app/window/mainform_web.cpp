// SPDX-License-Identifier: GPL-3.0-or-later
// The web pane: opening it, the Open URL dialog, link interception, new windows, the
// browser's history for Back and Forward, and its progress display.
#include "app/window/mainform.h"

#include "app/commands/command_set.h"
#include "app/widgets/picture_view.h"
#include "app/widgets/progress_gauge.h"
#include "app/window/settings.h"
#include "web/OpenURL.h"
#include "web/browser_loader.h"
#include "web/link_rules.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QToolButton>
#include <QVBoxLayout>

using commands::Command;

void TfrmMain::createBrowser()
{
    if (WebBrowser1)
        return;
    web::BrowserEvents events;
    events.beforeNavigate2 = [this](const QString &address) {
        return WebBrowser1BeforeNavigate2(address);
    };
    events.newWindow2 = [this](const QString &address) { WebBrowser1NewWindow2(address); };
    events.commandStateChange = [this](int command, bool enabled) {
        WebBrowser1CommandStateChange(command, enabled);
    };
    events.downloadBegin = [this] {
        if (pageOwnsGauge())
            progressBar->show();
    };
    events.progressChange = [this](int progress, int maximum) {
        WebBrowser1ProgressChange(progress, maximum);
    };
    events.downloadComplete = [this] { hidePageGauge(); };
    events.navigateComplete2 = [this] { hidePageGauge(); };
    events.documentComplete = [this] { WebBrowser1DocumentComplete(); };
    WebBrowser1 = web::loadBrowser(fraBrowser, events);
    auto *fill = new QVBoxLayout(fraBrowser);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(WebBrowser1->widget());
}

void TfrmMain::setBrowserShown(bool shown)
{
    if (!WebBrowser1)
        return;
    WebBrowser1->widget()->setVisible(shown);
    WebBrowser1->widget()->setEnabled(shown);
}

bool TfrmMain::browserEnabled() const
{
    return WebBrowser1 && WebBrowser1->widget()->isEnabled();
}

void TfrmMain::showPane()
{
    fraBrowser->setEnabled(true);
    fraBrowser->show();
    setBrowserShown(true);
}

void TfrmMain::putPaneAway()
{
    fraBrowser->setEnabled(false);
    fraBrowser->hide();
    setBrowserShown(false);
}

// What both ways into the pane do first: no download, no video, no clock, the pane's status.
// From here on Back and Forward follow the browser's history, whatever a local folder left.
void TfrmMain::enterBrowsing()
{
    leaveGame();
    cancelDownload();
    leaveVideoPuzzle();
    m_session->endGame();
    setStatusText(tr("Browsing"));
    createBrowser();
    setBackForwardEnabled(WebBrowser1->canGoBack(), WebBrowser1->canGoForward());
}

void TfrmMain::PuzzlesontheWeb1Click()
{
    try {
        enterBrowsing();
        setWindowTitle(QStringLiteral("Pindrel"));
        const QString startPage = web::homeSitePages(settings::homeSiteBase()).constFirst();
        m_session->setInProgress(false);
        siblingIndex = webSiblingIndex;
        m_session->deselect();
        WebBrowser1->widget()->setEnabled(true);
        Image2->setEnabled(false);
        WebBrowser1->navigate(startPage);
        Image2->hide();
        showPane();
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
    WebBrowser1->widget()->setEnabled(true);
    fraBrowser->setEnabled(true);
    siblingIndex = webSiblingIndex;
    const QString address = web::typedAddress(typed).toString(QUrl::FullyEncoded);
    // A picture the player names is fetched as the player's; an image-search link goes through
    // the browser like any page's link, so its unwrapped address is a page's.
    const QString prefix = web::imageSearchPrefix(settings::imageSearchHost());
    if (web::isPictureLink(address) && web::unwrapImageSearchLink(address, prefix) == address)
        takePictureLink(address, web::LinkOrigin::Typed);
    else
        WebBrowser1->navigate(address);
    fraBrowser->show();
    WebBrowser1->widget()->show();
}

bool TfrmMain::WebBrowser1BeforeNavigate2(const QString &address)
{
    setStatusText(tr("Browsing"));
    if (pageOwnsGauge()) {
        progressBar->hide();
        progressBar->setValue(0);
    }
    const QString target =
        web::unwrapImageSearchLink(address, web::imageSearchPrefix(settings::imageSearchHost()));
    if (!web::isPictureLink(target))
        return false;
    takePictureLink(target, web::LinkOrigin::Page);
    return true;
}

void TfrmMain::takePictureLink(const QString &address, web::LinkOrigin origin)
{
    Image2->setEnabled(false);
    switchForwardOff();
    // The download waits for the engine to hear the navigation cancelled: a nested event
    // loop inside its navigation callback would stall it.
    QMetaObject::invokeMethod(
        this, [this, address, origin] { followPictureLink(address, origin); },
        Qt::QueuedConnection);
}

void TfrmMain::followPictureLink(const QString &address, web::LinkOrigin origin)
{
    switch (openImageFromWeb(address, origin)) {
    case WebPicture::Opened:
        putPaneAway();
        break;
    case WebPicture::Failed:
        showPane();
        break;
    case WebPicture::Dropped:
        break; // a newer link or another command has decided what shows
    }
}

void TfrmMain::WebBrowser1NewWindow2(const QString &address)
{
    // A page may not open local files or other schemes, in the pane or on the desktop.
    if (!web::isAllowedAddress(QUrl(address), web::LinkOrigin::Page, web::bundledSiteDir()))
        return;
    // From the home site's own pages a new window is a window of the desktop's browser;
    // from any other page it takes the pane's place.
    if (web::isHomeSitePage(WebBrowser1->locationUrl(), settings::homeSiteBase()))
        QDesktopServices::openUrl(QUrl(address));
    else
        WebBrowser1->navigate(address);
}

void TfrmMain::WebBrowser1CommandStateChange(int navigation, bool enabled)
{
    if (navigation == web::NavigateForward)
        btnForward->setEnabled(enabled);
    else if (navigation == web::NavigateBack)
        btnBack->setEnabled(enabled);
    command(Command::Back)->setEnabled(btnBack->isEnabled());
    command(Command::Next)->setEnabled(btnForward->isEnabled());
}

// The page's loads drive the gauge only while the pane is the view. While a picture
// downloads the pane is put away and the gauge is the download's: the engine still reports
// the end of the navigation the picture link cancelled, which would hide it for good. A web
// puzzle's clock stays readable too.
bool TfrmMain::pageOwnsGauge() const
{
    return !fraBrowser->isHidden();
}

void TfrmMain::hidePageGauge()
{
    if (pageOwnsGauge())
        progressBar->hide();
}

void TfrmMain::WebBrowser1ProgressChange(int progress, int maximum)
{
    if (!pageOwnsGauge())
        return;
    if (progress == 0 || progress == 100) {
        progressBar->hide();
        return;
    }
    progressBar->show();
    progressBar->raise();
    progressBar->setMaximum(maximum);
    progressBar->setValue(progress);
    progressBar->repaint();
}

void TfrmMain::WebBrowser1DocumentComplete()
{
    hidePageGauge();
    btnRestart->setEnabled(true);
}

void TfrmMain::browseForward()
{
    if (fraBrowser->isHidden() || !WebBrowser1)
        return;
    if (!WebBrowser1->goForward()) {
        switchForwardOff();
    }
}

void TfrmMain::browseBack()
{
    m_session->endGame();
    setStatusText(QStringLiteral("00 : 00 : 00"));
    if (browserEnabled()) {
        setStatusText(tr("Browsing"));
        setBrowserShown(true);
        WebBrowser1->goBack();
        fraBrowser->show();
        return;
    }
    // A web puzzle is showing: it fades out, and the page that held its link comes back.
    // Over the solution view only the views go: no dimmed picture stands before the page.
    playLeavingEffect(false);
    Image2->setEnabled(false);
    // Back follows the browser's history again.
    setBackForwardEnabled(WebBrowser1 && WebBrowser1->canGoBack(), false);
    showPane();
    setStatusText(tr("Browsing"));
}

// While the pane is the current view, whatever the time panel says ("Browsing", or "Error"
// after a failed download): a game dealt under the pane would run unseen.
bool TfrmMain::restartReloadsPage()
{
    return !fraBrowser->isHidden() && fraBrowser->isEnabled() && WebBrowser1 &&
           !WebBrowser1->widget()->isHidden() && WebBrowser1->widget()->isEnabled();
}
