// SPDX-License-Identifier: GPL-3.0-or-later
// Presentation commands: the tool strip, full-screen mode with its copy of the main menu,
// the window's maximum size, the options dialog, the about box, the table of keys and the
// home site.
#include "app/window/mainform.h"

#include "app/commands/command_set.h"
#include "app/commands/full_screen_menu.h"
#include "app/dialogs/abourform.h"
#include "app/dialogs/keys_dialog.h"
#include "app/dialogs/optsform.h"
#include "app/widgets/picture_view.h"
#include "app/widgets/widget_colour.h"
#include "app/window/settings.h"
#include "app/window/startup_picture.h"

#include <QAction>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>

using commands::Command;

void TfrmMain::mnuSetupClick()
{
    const OptionsAtOpening opening{{state().gameType, state().rows, state().cols, restartVideo},
                                   videoRefreshInterval(),
                                   isVideo,
                                   [this] { return gameInProgress() ? moveCount() : 0; }};
    TfrmOptions options(opening, this);
    connect(&options, &TfrmOptions::refreshIntervalChanged, this,
            &TfrmMain::setVideoRefreshInterval);
    connect(&options, &TfrmOptions::optionsChosen, this, [this](const GameOptions &chosen) {
        applyOptions(chosen.gameType, chosen.rows, chosen.cols, chosen.restartVideo);
    });
    options.exec();
}

void TfrmMain::mnuShowToolbarClick()
{
    const bool shown = command(Command::ShowToolbar)->isChecked();
    toolStrip->setVisible(shown);
    bevelLine->setVisible(shown);
    drawBitmap();
}

void TfrmMain::mnuFullScreenClick()
{
    if (command(Command::FullScreen)->isChecked())
        enterFullScreen();
    else
        leaveFullScreen();
}

void TfrmMain::enterFullScreen()
{
    // The tool strip is always hidden in full-screen mode.
    command(Command::ShowToolbar)->setChecked(false);
    mnuShowToolbarClick();

    // A snapshot of the main menu: later changes of check marks are not carried over.
    commands::copyMenusInto(PopupMenu1, *m_commands);

    m_savedBounds = geometry();
    setBackground(centralWidget(), Qt::black);
    menuBar()->hide();
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    showFullScreen();

    for (QWidget *area : {centralWidget(), static_cast<QWidget *>(Image2)})
        area->setContextMenuPolicy(Qt::CustomContextMenu);
    // Escape leaves full screen too; only then, so it stays with dialogs and menus otherwise.
    command(Command::FullScreen)
        ->setShortcuts({QKeySequence(Qt::Key_F11), QKeySequence(Qt::Key_Escape)});
}

void TfrmMain::leaveFullScreen()
{
    command(Command::FullScreen)->setShortcut(QKeySequence(Qt::Key_F11));
    // The tool strip is always shown after leaving, whatever it was before.
    command(Command::ShowToolbar)->setChecked(true);
    mnuShowToolbarClick();

    for (QWidget *area : {centralWidget(), static_cast<QWidget *>(Image2)})
        area->setContextMenuPolicy(Qt::DefaultContextMenu);

    menuBar()->show();
    showNormal();
    setGeometry(m_savedBounds);
    centralWidget()->setPalette(QPalette());
    centralWidget()->setAutoFillBackground(false);
    updateMaximumSize();
}

void TfrmMain::updateMaximumSize()
{
    if (command(Command::FullScreen)->isChecked())
        return;
    // The window may grow until the area below its menu bar equals the screen. The menu bar
    // counts before the window is first shown as well.
    const QSize screen = this->screen()->geometry().size();
    const int menuHeight = menuBar()->isVisibleTo(this) ? menuBar()->sizeHint().height() : 0;
    setMaximumSize(screen.width(), screen.height() + menuHeight);
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

void TfrmMain::mnuKeysClick()
{
    KeysDialog keys(keyRows(*m_commands), this);
    keys.exec();
}
