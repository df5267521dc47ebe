// SPDX-License-Identifier: GPL-3.0-or-later
// Presentation commands: the tool strip, full-screen mode with its copy of the main menu,
// the window's maximum size, the options dialog, the about box and the home site.
#include "app/window/mainform.h"

#include "app/dialogs/abourform.h"
#include "app/dialogs/optsform.h"
#include "app/widgets/picture_view.h"
#include "app/widgets/widget_colour.h"
#include "app/window/settings.h"
#include "app/window/startup_picture.h"

#include <QAction>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

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
    const bool shown = mnuShowToolbar->isChecked();
    toolStrip->setVisible(shown);
    bevelLine->setVisible(shown);
    drawBitmap();
}

void TfrmMain::mnuFullScreenClick()
{
    if (mnuFullScreen->isChecked())
        enterFullScreen();
    else
        leaveFullScreen();
}

void TfrmMain::enterFullScreen()
{
    // The tool strip is always hidden in full-screen mode.
    mnuShowToolbar->setChecked(false);
    mnuShowToolbarClick();

    // A snapshot of the main menu: later changes of check marks are not carried over.
    // Clearing drops the entries but not the submenus they open, so those go first.
    for (QAction *copy : PopupMenu1->actions())
        delete copy->menu();
    PopupMenu1->clear();
    for (QAction *top : menuBar()->actions()) {
        QMenu *copy = PopupMenu1->addMenu(top->text());
        copy->menuAction()->setVisible(top->isVisible());
        copy->menuAction()->setToolTip(top->toolTip());
        for (QAction *item : top->menu()->actions()) {
            if (item->isSeparator()) {
                copy->addSeparator();
                continue;
            }
            QAction *itemCopy = copy->addAction(item->text());
            itemCopy->setVisible(item->isVisible());
            itemCopy->setToolTip(item->toolTip());
            itemCopy->setShortcut(item->shortcut());
            itemCopy->setShortcutContext(Qt::WidgetShortcut); // shown, not a second binding
            itemCopy->setCheckable(item->isCheckable());
            itemCopy->setChecked(item->isChecked());
            itemCopy->setEnabled(item->isEnabled());
            const bool keepsOwnCheck = item == mnuShowGrid;
            // "Dim Incorrect Tiles" only flips its own mark in the main menu: it has no
            // command of its own for a copy to run.
            const bool hasCommand = item != mnuDimTiles;
            connect(itemCopy, &QAction::triggered, this,
                    [item, itemCopy, keepsOwnCheck, hasCommand] {
                        if (itemCopy->isCheckable() && !keepsOwnCheck)
                            itemCopy->setChecked(!itemCopy->isChecked());
                        if (hasCommand)
                            item->trigger();
                    });
        }
    }

    m_savedBounds = geometry();
    setBackground(centralWidget(), Qt::black);
    menuBar()->hide();
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    showFullScreen();

    for (QWidget *area : {centralWidget(), static_cast<QWidget *>(Image2)})
        area->setContextMenuPolicy(Qt::CustomContextMenu);
    // Escape leaves full screen too; only then, so it stays with dialogs and menus otherwise.
    mnuFullScreen->setShortcuts({QKeySequence(Qt::Key_F11), QKeySequence(Qt::Key_Escape)});
}

void TfrmMain::leaveFullScreen()
{
    mnuFullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    // The tool strip is always shown after leaving, whatever it was before.
    mnuShowToolbar->setChecked(true);
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
    if (mnuFullScreen->isChecked())
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
