// SPDX-License-Identifier: GPL-3.0-or-later
// Building the main window: tool strip, picture area, caption labels, menus and timers.
#include "app/window/mainform.h"

#include "app/commands/command_set.h"
#include "app/dialogs/keys_dialog.h"
#include "app/open/open_filters.h"
#include "app/video_board/video_board.h"
#include "app/widgets/picture_view.h"
#include "app/widgets/progress_gauge.h"
#include "app/widgets/widget_colour.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QStackedLayout>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

void TfrmMain::createWidgets()
{
    ui = buildWindowParts(this);
    m_web = new WebPane(ui.fraBrowser, ui.progressBar, this);
    m_web->hidePaneFrame();
    m_boardView = new BoardView(this, *m_session, ui, *m_commands);
    m_video = new VideoBoard(this, *m_session, m_boardView->videoViews(), ui.progressBar);
}

QAction *TfrmMain::command(commands::Command id) const
{
    return m_commands->action(id);
}

// The window's own commands; play, Pause and the keeper bind theirs.
void TfrmMain::connectCommands()
{
    using commands::Command;
    const std::pair<Command, void (TfrmMain::*)()> handlers[] = {
        {Command::Open, &TfrmMain::mnuOpenClick},
        {Command::OpenURL, &TfrmMain::OpenURL1Click},
        {Command::Web, &TfrmMain::PuzzlesontheWeb1Click},
        {Command::Exit, &TfrmMain::mnuExitClick},
        {Command::Restart, &TfrmMain::Restart1Click},
        {Command::Back, &TfrmMain::Back1Click},
        {Command::Next, &TfrmMain::Next1Click},
        {Command::Solution, &TfrmMain::mnuSolutionClick},
        {Command::FullScreen, &TfrmMain::mnuFullScreenClick},
        {Command::Setup, &TfrmMain::mnuSetupClick},
        {Command::ShowToolbar, &TfrmMain::mnuShowToolbarClick},
        {Command::FadeBlocks, &TfrmMain::FadeBlocks1Click},
        {Command::ShowGrid, &TfrmMain::mnuShowGridClick},
        {Command::PlaySound, &TfrmMain::mnuPlaySoundClick},
        {Command::About, &TfrmMain::mnuAboutClick},
        {Command::VisitOnline, &TfrmMain::mnuVisitOnlineClick},
    };
    for (const auto &[id, handler] : handlers)
        connect(command(id), &QAction::triggered, this, handler);
    bindKeysCommand(*m_commands, this);

    connect(ui.btnRestart, &QToolButton::clicked, this, &TfrmMain::btnRestartClick);
    connect(ui.Image2, &PictureView::pressed, this, &TfrmMain::Image2MouseDown);
    connect(m_video, &VideoBoard::frameShown, this, &TfrmMain::drawBitmap);
    connect(m_video, &VideoBoard::videoLeft, m_boardView, &BoardView::endVideo);

    connect(ui.btnOpen, &QToolButton::clicked, this, &TfrmMain::mnuOpenClick);
    connect(ui.txtStatus, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { ui.mnuImageFiles->popup(ui.txtStatus->mapToGlobal(at)); });
    connect(ui.btnBack, &QToolButton::clicked, this, &TfrmMain::btnBackClick);
    connect(ui.btnForward, &QToolButton::clicked, this, &TfrmMain::btnForwardClick);

    connect(ui.btnWeb, &QToolButton::clicked, this, &TfrmMain::PuzzlesontheWeb1Click);
    connectWebPane();

    connect(ui.btnOptions, &QToolButton::clicked, this, &TfrmMain::mnuSetupClick);
}
