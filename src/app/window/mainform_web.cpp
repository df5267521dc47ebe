// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of the web pane: its wiring, opening the pane, the Open URL dialog and the
// download of a picture to start a puzzle from.
#include "app/window/mainform.h"

#include "app/navigate/sibling_navigation.h"
#include "app/settings/settings.h"
#include "app/web_pane/picture_fetch.h"
#include "app/web_pane/web_puzzles.h"
#include "app/widgets/picture_view.h"
#include "app/widgets/progress_gauge.h"
#include "web/OpenURL.h"
#include "web/link_rules.h"

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QToolButton>

void TfrmMain::connectWebPane()
{
    m_webPuzzles = new WebPuzzles(
        this, {*m_web, *m_session, *m_siblings, *m_video, ui.Image2},
        // Over the solution view only the views go: no dimmed picture stands before the page.
        {.leavePuzzle =
             [this](std::function<void()> step) { playLeavingEffect(false, std::move(step)); },
         .buildPuzzle =
             [this](const QString &address, const QImage &picture) {
                 ui.fraImages->raise();
                 buildPuzzle(picture);
                 ui.progressBar->hide();
                 showPuzzleTitle(address);
             }});
    connect(m_web, &WebPane::statusText, this, &TfrmMain::setStatusText);
    connect(m_web, &WebPane::pageComplete, this, [this] { ui.btnRestart->setEnabled(true); });
    connect(m_webPuzzles, &WebPuzzles::statusText, this, &TfrmMain::setStatusText);
    connect(m_webPuzzles, &WebPuzzles::leavingGame, this, &TfrmMain::leaveGame);
    connect(m_webPuzzles, &WebPuzzles::pictureRequested, this, &TfrmMain::openImageFromWeb);
    connect(m_webPuzzles, &WebPuzzles::opened, this,
            [this](const QString &address) { emit webPictureEnded(address, WebPicture::Opened); });
    connect(m_webPuzzles, &WebPuzzles::failed, this,
            [this](const QString &address) { emit webPictureEnded(address, WebPicture::Failed); });
    connect(m_webPuzzles, &WebPuzzles::dropped, this,
            [this](const QString &address) { emit webPictureEnded(address, WebPicture::Dropped); });
}

void TfrmMain::PuzzlesontheWeb1Click()
{
    try {
        m_webPuzzles->enterBrowsing();
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
    m_webPuzzles->enterBrowsing();
    m_siblings->followBrowser();
    const QString address = web::typedAddress(typed).toString(QUrl::FullyEncoded);
    // A picture the player names is fetched as the player's; an image-search link goes through
    // the browser like any page's link, so its unwrapped address is a page's.
    const QString prefix = web::imageSearchPrefix(settings::imageSearchHost());
    if (web::isPictureLink(address) && web::unwrapImageSearchLink(address, prefix) == address)
        m_webPuzzles->takePictureLink(address, web::LinkOrigin::Typed);
    else
        m_web->navigate(address);
    m_web->showPane();
}

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
