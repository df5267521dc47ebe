// SPDX-License-Identifier: GPL-3.0-or-later
// The web pane: its frame over the picture area, the browser made in it on first use, the page
// loads on the gauge, and the download of the pictures its links lead to. It tells the window
// what to show through its signals.
#pragma once

#include "web/browser.h"

#include <QObject>
#include <QString>

#include <memory>

class PictureFetch;
class ProgressGauge;
class QWidget;

class WebPane : public QObject
{
    Q_OBJECT

  public:
    // fraBrowser is the pane's frame in window's picture area; page loads show on gauge.
    WebPane(QWidget *fraBrowser, ProgressGauge *gauge, QWidget *window);

    web::Browser *browser() const { return WebBrowser1.get(); }
    PictureFetch *pictures() const { return m_pictures; }
    QWidget *frame() const { return fraBrowser; }

    // Loads the browser module on the pane's first use; throws when it cannot.
    void createBrowser();
    void navigate(const QString &address);
    bool canGoBack() const;
    bool canGoForward() const;
    void setBrowserShown(bool shown);
    bool browserEnabled() const;
    void showPane();
    void putPaneAway();
    void hidePaneFrame();
    // Back and Forward while the page is the view.
    void browseBack();
    void browseForward();
    // The pane is the current view, so Restart reloads its page.
    bool restartReloadsPage() const;

  signals:
    void statusText(const QString &text);
    // A page's picture link was taken instead of followed: the window fetches it.
    void pictureLinkTaken(const QString &address);
    void backAvailable(bool enabled);
    void forwardAvailable(bool enabled);
    void pageComplete();

  private:
    bool WebBrowser1BeforeNavigate2(const QString &address);
    void WebBrowser1NewWindow2(const QString &address);
    void WebBrowser1CommandStateChange(int command, bool enabled);
    void WebBrowser1ProgressChange(int progress, int maximum);
    void WebBrowser1DocumentComplete();
    bool pageOwnsGauge() const;
    void hidePageGauge();

    QWidget *fraBrowser;
    ProgressGauge *progressBar;
    PictureFetch *m_pictures;
    std::unique_ptr<web::Browser> WebBrowser1;
};
