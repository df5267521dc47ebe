// SPDX-License-Identifier: GPL-3.0-or-later
// Presentation commands: the tool strip and full-screen mode as their object keeps them, the
// options dialog, the about box, the table of keys and the home site.
#include "app/window/mainform.h"

#include "app/commands/command_set.h"
#include "app/dialogs/abourform.h"
#include "app/dialogs/optsform.h"
#include "app/settings/settings.h"
#include "app/window/full_screen_mode.h"
#include "app/window/startup_picture.h"

#include <QDesktopServices>

void TfrmMain::mnuSetupClick()
{
    const OptionsAtOpening opening{
        {m_session->state().gameType, m_session->state().rows, m_session->state().cols,
         restartVideo},
        m_video->refreshInterval(),
        m_boardView->isVideo(),
        [this] { return m_session->inProgress() ? m_session->moves() : 0; }};
    TfrmOptions options(opening, this);
    connect(&options, &TfrmOptions::refreshIntervalChanged, this,
            [this](int milliseconds) { m_video->setRefreshInterval(milliseconds); });
    connect(&options, &TfrmOptions::optionsChosen, this, [this](const GameOptions &chosen) {
        applyOptions(chosen.gameType, chosen.rows, chosen.cols, chosen.restartVideo);
    });
    options.exec();
}

void TfrmMain::mnuShowToolbarClick()
{
    m_fullScreen->showToolStripAsChecked();
}

void TfrmMain::mnuFullScreenClick()
{
    m_fullScreen->switchAsChecked();
}

void TfrmMain::mnuAboutClick()
{
    TfrmAbout about(startupPicture(), settings::onlineSite(), this);
    about.exec();
}

void TfrmMain::mnuVisitOnlineClick()
{
    QDesktopServices::openUrl(settings::onlineSite());
}
