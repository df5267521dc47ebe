// SPDX-License-Identifier: GPL-3.0-or-later
// Opening pictures from disk: the Open command, the sibling search, starting a puzzle from
// a file, reopening recent pictures, and what the command line and drops ask to open.
#include "app/window/mainform.h"

#include "app/commands/command_set.h"
#include "app/dialogs/error_report.h"
#include "app/keep/game_keeper.h"
#include "app/navigate/sibling_navigation.h"
#include "app/open/open_request.h"
#include "app/open/recent_menu.h"
#include "app/open/video_file.h"
#include "app/play/play_assist.h"
#include "app/video_board/video_board.h"
#include "app/web_pane/web_puzzles.h"
#include "app/widgets/picture_view.h"
#include "app/widgets/wait_cursor.h"
#include "game/puzzle_size.h"
#include "sources/bmp_decoder.h"
#include "sources/picture_cover.h"
#include "sources/picture_decoder.h"
#include "sources/records_file.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScopeGuard>
#include <QToolButton>

using commands::Command;

void TfrmMain::openPuzzle(const QString &path)
{
    // However this ends, the puzzle showing until now is gone: nothing of it runs on.
    abandonShownPuzzle();
    m_session->deselect();
    //: In the clock's place on the tool bar, 88 pixels wide: keep it short
    setStatusText(tr("Loadng"));
    m_session->setInProgress(true);

    QImage picture;
    const QSize screen = sources::largestScreenPixels();
    try {
        picture = sources::decodePictureFile(path, screen);
        showPuzzleTitle(QFileInfo(path).fileName());
    } catch (const std::exception &) {
        picture = sources::decodeBmpFile(path, screen); // a failure here reaches the caller
    }
    // A local picture, of either kind, puts the web pane away: it would cover the board.
    ui.fraImages->raise();
    m_web->frame()->hide();

    m_session->pictureOpened(game::KeptGame::Source::File, path, QFileInfo(path).fileName());
    ++openCount;
    QAction *recent = recentmenu::addRecentPicture(ui.mnuImageFiles, path, openCount);
    connect(recent, &QAction::triggered, this, [this, recent] { openPuzzleFromMenu(recent); });

    buildPuzzle(picture);
}

void TfrmMain::buildPuzzle(const QImage &picture)
{
    //: In the clock's place on the tool bar, 88 pixels wide: keep it short
    setStatusText(tr("Processing"));
    // A picture smaller than its grid would be cut into empty tiles.
    m_boardView->setSolution(
        game::upscaledForGrid(picture, m_session->state().rows, m_session->state().cols));
    randomBlocks();
    ui.imgSolution->hide();
    ui.ProEffectImage1->hide();
    ui.Image2->show();
    ui.Image2->setEnabled(true);
    ui.txtInfo->clear();
    ui.txtInfoShadow->clear();
    setStatusText(QStringLiteral("00:00:00"));
    ui.btnRestart->setEnabled(true);
    m_boardView->hideCaptions();
}

void TfrmMain::mnuOpenClick()
{
    const bool chosen = ui.openDialog(this)->exec() == QDialog::Accepted;
    // Without a window manager nothing hands the focus back, and the menu shortcuts with it.
    activateWindow();
    if (chosen && !ui.OpenDialog1->selectedFiles().isEmpty())
        openChosenFile(ui.OpenDialog1->selectedFiles().constFirst());
    setStatusText(QStringLiteral("00 : 00 : 00"));
    ui.Image2->setEnabled(true);
}

void TfrmMain::openChosenFile(const QString &path)
{
    m_webPuzzles->dropPendingOpens();
    m_siblings->setChosenFile(path);
    ui.openDialog(this)->setDirectory(QFileInfo(path).absolutePath());
    try {
        if (opensAsVideo(path))
            openVideo(path);
        else
            openStillPicture(path);
    } catch (const std::exception &) {
        // Nothing half-opened stays: no puzzle shows and nothing plays until the next one.
        setWindowTitle(QStringLiteral("Pindrel"));
        abandonShownPuzzle();
        setStatusText(QStringLiteral("00 : 00 : 00"));
        QMessageBox::critical(this, tr("Error"), tr("Unable to open file."), QMessageBox::Ok);
    }
}

void TfrmMain::openStillPicture(const QString &path)
{
    m_video->leave();
    repaint();
    WaitCursor busy;
    findOtherFiles();
    openPuzzle(path);
    repaint();
    m_boardView->hideCaptions();
}

void TfrmMain::findOtherFiles()
{
    //: In the clock's place on the tool bar, 88 pixels wide: keep it short
    setStatusText(tr("Searching"));
    m_siblings->findSiblings();
}

void TfrmMain::openPuzzleFromMenu(QAction *item)
{
    m_webPuzzles->dropPendingOpens();
    runReportingFailures([&] {
        WaitCursor busy;
        openKnownFile(recentmenu::pathOfMenuText(item->text()));
    });
}

void TfrmMain::openKnownFile(const QString &path)
{
    if (!opensAsVideo(path)) {
        openPuzzle(path);
        return;
    }
    // As a failed picture would, a failed video leaves no puzzle running. The siblings are
    // still those of the folder the dialog names.
    abandonShownPuzzle();
    const bool back = m_siblings->backEnabled(), forward = m_siblings->forwardEnabled();
    const auto keepSiblings = qScopeGuard([&] { m_siblings->setEnabled(back, forward); });
    openVideo(path);
}

// Requests from outside go through the Open command's and Open URL's own entry points, so a
// file or address opened this way behaves exactly like one chosen inside the game.
void TfrmMain::openRequested(const OpenRequest &request)
{
    if (request.kind == OpenRequest::Kind::Resume) {
        m_keeper->resume();
    } else if (request.kind == OpenRequest::Kind::File) {
        // A name that leads nowhere leaves the puzzle on screen as it is: the Open command's
        // failure path would hide it, and no dialog could have offered such a name.
        const QFileInfo file(request.target);
        if (!file.isFile() || !file.isReadable()) {
            QMessageBox::critical(this, tr("Error"), tr("Unable to open file."), QMessageBox::Ok);
            return;
        }
        openChosenFile(request.target);
    } else {
        openTypedAddress(request.target);
    }
}
