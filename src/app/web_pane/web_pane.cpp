// SPDX-License-Identifier: GPL-3.0-or-later
// The web pane: the browser's events, link interception, new windows, the history for Back
// and Forward, and the page loads on the gauge.
#include "app/web_pane/web_pane.h"

#include "app/web_pane/picture_fetch.h"
#include "app/widgets/progress_gauge.h"
#include "app/settings/settings.h"
#include "web/browser_loader.h"
#include "web/link_rules.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QVBoxLayout>

WebPane::WebPane(QWidget *fraBrowser, ProgressGauge *gauge, QWidget *window)
    : QObject(window), fraBrowser(fraBrowser), progressBar(gauge),
      m_pictures(new PictureFetch(window, gauge, this))
{
    setObjectName(QStringLiteral("webPane"));
}

void WebPane::createBrowser()
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

void WebPane::navigate(const QString &address)
{
    WebBrowser1->navigate(address);
}

bool WebPane::canGoBack() const
{
    return WebBrowser1 && WebBrowser1->canGoBack();
}

bool WebPane::canGoForward() const
{
    return WebBrowser1 && WebBrowser1->canGoForward();
}

void WebPane::setBrowserShown(bool shown)
{
    if (!WebBrowser1)
        return;
    WebBrowser1->widget()->setVisible(shown);
    WebBrowser1->widget()->setEnabled(shown);
}

bool WebPane::browserEnabled() const
{
    return WebBrowser1 && WebBrowser1->widget()->isEnabled();
}

void WebPane::showPane()
{
    fraBrowser->setEnabled(true);
    fraBrowser->show();
    setBrowserShown(true);
}

void WebPane::putPaneAway()
{
    fraBrowser->setEnabled(false);
    fraBrowser->hide();
    setBrowserShown(false);
}

void WebPane::hidePaneFrame()
{
    fraBrowser->hide();
    fraBrowser->setEnabled(false);
}

void WebPane::browseBack()
{
    setBrowserShown(true);
    WebBrowser1->goBack();
    fraBrowser->show();
}

void WebPane::browseForward()
{
    if (fraBrowser->isHidden() || !WebBrowser1)
        return;
    if (!WebBrowser1->goForward())
        emit forwardAvailable(false);
}

// While the pane is the current view, whatever the time panel says ("Browsing", or "Error"
// after a failed download): a game dealt under the pane would run unseen.
bool WebPane::restartReloadsPage() const
{
    return !fraBrowser->isHidden() && fraBrowser->isEnabled() && WebBrowser1 &&
           !WebBrowser1->widget()->isHidden() && WebBrowser1->widget()->isEnabled();
}

bool WebPane::WebBrowser1BeforeNavigate2(const QString &address)
{
    emit statusText(QCoreApplication::translate("TfrmMain", "Browsing"));
    if (pageOwnsGauge()) {
        progressBar->hide();
        progressBar->setValue(0);
    }
    const QString target =
        web::unwrapImageSearchLink(address, web::imageSearchPrefix(settings::imageSearchHost()));
    if (!web::isPictureLink(target))
        return false;
    emit pictureLinkTaken(target);
    return true;
}

void WebPane::WebBrowser1NewWindow2(const QString &address)
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

void WebPane::WebBrowser1CommandStateChange(int command, bool enabled)
{
    if (command == web::NavigateForward)
        emit forwardAvailable(enabled);
    else if (command == web::NavigateBack)
        emit backAvailable(enabled);
}

// The page's loads drive the gauge only while the pane is the view. While a picture
// downloads the pane is put away and the gauge is the download's: the engine still reports
// the end of the navigation the picture link cancelled, which would hide it for good. A web
// puzzle's clock stays readable too.
bool WebPane::pageOwnsGauge() const
{
    return !fraBrowser->isHidden();
}

void WebPane::hidePageGauge()
{
    if (pageOwnsGauge())
        progressBar->hide();
}

void WebPane::WebBrowser1ProgressChange(int progress, int maximum)
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

void WebPane::WebBrowser1DocumentComplete()
{
    hidePageGauge();
    emit pageComplete();
}
