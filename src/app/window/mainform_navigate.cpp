// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of Back and Forward: its entry points, and the moment the left picture
// stands dimmed before the next one opens.
#include "app/window/mainform.h"

#include "app/navigate/leaving_moment.h"
#include "app/navigate/sibling_navigation.h"
#include "app/video_board/video_board.h"
#include "app/widgets/picture_view.h"

void TfrmMain::btnForwardClick()
{
    m_siblings->press(+1);
}

void TfrmMain::btnBackClick()
{
    m_siblings->press(-1);
}

void TfrmMain::Next1Click()
{
    m_siblings->pressIfEnabled(+1);
}

void TfrmMain::Back1Click()
{
    m_siblings->pressIfEnabled(-1);
}

bool TfrmMain::handleAppMessage(QEvent *event)
{
    return m_siblings->takeSideButton(event);
}

// The left picture stays up a moment, while the window goes on painting. It holds still
// meanwhile: the board takes no presses and a video's frames no longer reach it; Back and
// Forward pressed then follow the step, and any command that starts another puzzle or view
// cancels it.
void TfrmMain::playLeavingEffect(bool dimmedSolution, std::function<void()> next)
{
    if (m_session->inProgress()) {
        m_boardView->drawDimmedOnce();
    } else {
        ui.imgSolution->hide();
        ui.Image2->hide();
        ui.ProEffectImage1->setVisible(dimmedSolution);
        ui.ProEffectImage1->repaint();
        if (!dimmedSolution) {
            next(); // nothing stands for a moment
            return;
        }
    }
    const bool boardEnabled = ui.Image2->isEnabled();
    const bool refreshing = m_video->refreshing();
    ui.Image2->setEnabled(false);
    m_video->stopRefresh();
    m_siblings->leavingMoment().start(
        [this, boardEnabled, refreshing] {
            ui.Image2->setEnabled(boardEnabled);
            if (refreshing)
                m_video->startRefresh();
        },
        std::move(next));
}
