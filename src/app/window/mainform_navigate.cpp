// SPDX-License-Identifier: GPL-3.0-or-later
// Back and Forward through the sibling pictures, and the mouse's side buttons.
#include "app/window/mainform.h"

#include "app/commands/command_set.h"
#include "app/dialogs/error_report.h"
#include "app/video_board/video_board.h"
#include "app/web_pane/picture_fetch.h"
#include "app/widgets/picture_view.h"
#include "app/widgets/wait_cursor.h"
#include "app/window/leaving_moment.h"
#include "sources/sibling_files.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QToolButton>

using commands::Command;

void TfrmMain::setBackForwardEnabled(bool back, bool forward)
{
    btnBack->setEnabled(back);
    command(Command::Back)->setEnabled(back);
    btnForward->setEnabled(forward);
    command(Command::Next)->setEnabled(forward);
}

void TfrmMain::btnForwardClick()
{
    if (m_leaving->hold(+1))
        return;
    dropPendingOpens();
    if (siblingIndex == webSiblingIndex)
        m_web->browseForward();
    else
        stepThroughSiblings(+1);
}

void TfrmMain::btnBackClick()
{
    if (m_leaving->hold(-1))
        return;
    // Browsing, Back closes the connection of a download still running, which then fails
    // with its message and brings the page back; over a folder it is given up silently,
    // since another picture takes its place.
    if (siblingIndex == webSiblingIndex)
        m_web->pictures()->abort();
    else
        dropPendingOpens();
    if (siblingIndex == webSiblingIndex)
        browseBack();
    else
        stepThroughSiblings(-1);
}

bool TfrmMain::dropPendingOpens()
{
    m_leaving->cancel();
    return m_web->pictures()->cancelDownload();
}

void TfrmMain::stepThroughSiblings(int step)
{
    playLeavingEffect(true, [this, step] {
        runReportingFailures([&] {
            WaitCursor busy;
            const int count = int(siblingFiles.size());
            if (count < 2)
                return;
            if (step > 0)
                siblingIndex = siblingIndex < count - 1 ? siblingIndex + 1 : 0;
            else
                siblingIndex = siblingIndex <= 0 ? count - 1 : siblingIndex - 1;
            openKnownFile(
                sources::siblingPath(m_openDialogFileName, siblingFiles.at(siblingIndex)));
        });
    });
}

// The left picture stays up a moment, while the window goes on painting. It holds still
// meanwhile: the board takes no presses and a video's frames no longer reach it; Back and
// Forward pressed then follow the step, and any command that starts another puzzle or view
// cancels it.
void TfrmMain::playLeavingEffect(bool dimmedSolution, std::function<void()> next)
{
    if (m_session->inProgress()) {
        m_board.dimAllOnce();
        drawBitmap();
        Image2->repaint();
    } else {
        imgSolution->hide();
        Image2->hide();
        ProEffectImage1->setVisible(dimmedSolution);
        ProEffectImage1->repaint();
        if (!dimmedSolution) {
            next(); // nothing stands for a moment
            return;
        }
    }
    const bool boardEnabled = Image2->isEnabled();
    const bool refreshing = m_video->refreshing();
    Image2->setEnabled(false);
    m_video->stopRefresh();
    m_leaving->start(
        [this, boardEnabled, refreshing] {
            Image2->setEnabled(boardEnabled);
            if (refreshing)
                m_video->startRefresh();
        },
        std::move(next));
}

void TfrmMain::Next1Click()
{
    if (btnForward->isEnabled())
        btnForwardClick();
}

void TfrmMain::Back1Click()
{
    if (btnBack->isEnabled())
        btnBackClick();
}

bool TfrmMain::handleAppMessage(QEvent *event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto *release = static_cast<QMouseEvent *>(event);
    // A side button alone: no other button or key held.
    if (release->buttons() != Qt::NoButton || release->modifiers() != Qt::NoModifier)
        return false;
    if (release->button() == Qt::BackButton) {
        if (btnBack->isEnabled())
            btnBackClick();
        return true;
    }
    if (release->button() == Qt::ForwardButton) {
        if (btnForward->isEnabled())
            btnForwardClick();
        return true;
    }
    return false;
}
