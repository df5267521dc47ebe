// SPDX-License-Identifier: GPL-3.0-or-later
// The names a screen reader announces for the main window's controls.
#include "app/window/accessible_names.h"

#include <QAbstractButton>
#include <QHash>
#include <QLabel>
#include <QWidget>

void nameControls(QWidget *window)
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("Image2"), QStringLiteral("Puzzle board")},
        {QStringLiteral("imgSolution"), QStringLiteral("Solution picture")},
        {QStringLiteral("ProEffectImage1"), QStringLiteral("Darkened picture")},
        {QStringLiteral("txtMoveCount"), QStringLiteral("Moves taken")},
        {QStringLiteral("txtStatus"), QStringLiteral("Time elapsed")},
        {QStringLiteral("txtInfo"), QStringLiteral("Game message")},
        {QStringLiteral("txtInfoShadow"), QStringLiteral("Game message shadow")},
        {QStringLiteral("txtRecord"), QStringLiteral("New record")},
        {QStringLiteral("lblPaused"), QStringLiteral("Paused")},
        {QStringLiteral("progressBar"), QStringLiteral("Progress")},
        {QStringLiteral("toolBar"), QStringLiteral("Tool bar")},
        {QStringLiteral("toolStrip"), QStringLiteral("Tool strip")},
        {QStringLiteral("fraBrowser"), QStringLiteral("Web pane")},
        {QStringLiteral("fraImages"), QStringLiteral("Picture area")},
        {QStringLiteral("fraSolution"), QStringLiteral("Board pane")},
        {QStringLiteral("boardOverlay"), QStringLiteral("Keyboard cursor and hint")},
        {QStringLiteral("qt_toolbar_ext_button"), QStringLiteral("More tools")},
        {QStringLiteral("qt_menubar_ext_button"), QStringLiteral("More menus")},
    };
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->accessibleName().isEmpty())
            continue;
        if (const auto name = names.constFind(control->objectName()); name != names.constEnd())
            control->setAccessibleName(*name);
        else if (const auto *button = qobject_cast<QAbstractButton *>(control))
            control->setAccessibleName(button->text().isEmpty() ? button->toolTip()
                                                                : button->text());
    }
}
