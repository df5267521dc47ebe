// SPDX-License-Identifier: GPL-3.0-or-later
// The flow of a web puzzle: page link, download, puzzle or page back, and Back to the page.
#include "app/web_pane/web_puzzles.h"

#include "app/navigate/leaving_moment.h"
#include "app/navigate/sibling_navigation.h"
#include "app/video_board/video_board.h"
#include "app/web_pane/picture_fetch.h"
#include "app/web_pane/web_pane.h"
#include "session/game_session.h"
#include "web/link_rules.h"

#include <QCoreApplication>
#include <QWidget>

#include <exception>

namespace {

// The window's texts: they keep its translation context.
QString browsing()
{
    return QCoreApplication::translate("TfrmMain", "Browsing");
}

} // namespace

WebPuzzles::WebPuzzles(QObject *parent, Parts parts, Window window)
    : QObject(parent), m_parts(parts), m_window(std::move(window))
{
    WebPane *pane = &m_parts.pane;
    connect(pane, &WebPane::pictureLinkTaken, this,
            [this](const QString &address) { takePictureLink(address, web::LinkOrigin::Page); });
    connect(pane, &WebPane::backAvailable, this, [this](bool enabled) {
        m_parts.siblings.setEnabled(enabled, m_parts.siblings.forwardEnabled());
    });
    connect(pane, &WebPane::forwardAvailable, this, [this](bool enabled) {
        m_parts.siblings.setEnabled(m_parts.siblings.backEnabled(), enabled);
    });
    PictureFetch *pictures = pane->pictures();
    connect(pictures, &PictureFetch::pictureReady, this, &WebPuzzles::openPicture);
    connect(pictures, &PictureFetch::failed, this, &WebPuzzles::pictureFailed);
    connect(pictures, &PictureFetch::dropped, this, &WebPuzzles::dropped);
}

void WebPuzzles::enterBrowsing()
{
    emit leavingGame();
    dropPendingOpens();
    m_parts.video.leave();
    m_parts.session.endGame();
    emit statusText(browsing());
    m_parts.pane.createBrowser();
    m_parts.siblings.setEnabled(m_parts.pane.canGoBack(), m_parts.pane.canGoForward());
}

void WebPuzzles::takePictureLink(const QString &address, web::LinkOrigin origin)
{
    m_parts.board->setEnabled(false);
    m_parts.siblings.switchForwardOff();
    // The download starts from the event loop once the engine has heard the navigation
    // cancelled: a refused address's message box inside its navigation callback would stall it.
    QMetaObject::invokeMethod(
        this, [this, address, origin] { emit pictureRequested(address, origin); },
        Qt::QueuedConnection);
}

void WebPuzzles::back()
{
    // A download still running has its connection closed: it fails with its message, which
    // brings the page back.
    m_parts.pane.pictures()->abort();
    m_parts.session.endGame();
    emit statusText(QStringLiteral("00 : 00 : 00"));
    if (m_parts.pane.browserEnabled()) {
        emit statusText(browsing());
        m_parts.pane.browseBack();
        return;
    }
    // A web puzzle is showing: it fades out, and the page that held its link comes back.
    m_window.leavePuzzle([this] {
        m_parts.board->setEnabled(false);
        // Back follows the browser's history again.
        m_parts.siblings.setEnabled(m_parts.pane.canGoBack(), false);
        m_parts.pane.showPane();
        emit statusText(browsing());
    });
}

void WebPuzzles::forward()
{
    dropPendingOpens();
    m_parts.pane.browseForward();
}

bool WebPuzzles::dropPendingOpens()
{
    m_parts.siblings.leavingMoment().cancel();
    return m_parts.pane.pictures()->cancelDownload();
}

void WebPuzzles::openPicture(const QString &address, const QByteArray &bytes, const QImage &picture)
{
    try {
        m_parts.pane.setBrowserShown(false);
        emit statusText(QCoreApplication::translate("TfrmMain", "Processing"));
        m_parts.pane.hidePaneFrame();
        // The title, the kept game and the records never show a password of the address.
        const QString shown = web::addressShown(address);
        m_parts.session.pictureOpened(game::KeptGame::Source::Download, shown, shown, bytes);
        m_window.buildPuzzle(shown, picture);
        m_parts.siblings.followBrowser();
        // Back leads to the page that held the link, even the first page of the history.
        m_parts.siblings.setEnabled(true, false);
    } catch (const std::exception &) {
        m_parts.pane.pictures()->downloadFailed(address);
        return;
    }
    emit opened(address);
}

void WebPuzzles::pictureFailed(const QString &address)
{
    m_parts.board->hide();
    m_parts.siblings.switchForwardOff();
    m_parts.siblings.followBrowser();
    //: In the clock's place on the tool bar, 88 pixels wide: keep it short
    emit statusText(QCoreApplication::translate("TfrmMain", "Error"));
    m_parts.pane.showPane();
    emit failed(address);
}
