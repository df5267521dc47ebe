// SPDX-License-Identifier: GPL-3.0-or-later
// The names a screen reader announces for the main window's controls.
#include "app/window/accessible_names.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHash>
#include <QLabel>
#include <QWidget>

void nameControls(QWidget *window)
{
    static const QHash<QString, const char *> names = {
        {QStringLiteral("Image2"), QT_TRANSLATE_NOOP("AccessibleNames", "Puzzle board")},
        {QStringLiteral("imgSolution"), QT_TRANSLATE_NOOP("AccessibleNames", "Solution picture")},
        {QStringLiteral("ProEffectImage1"),
         QT_TRANSLATE_NOOP("AccessibleNames", "Darkened picture")},
        {QStringLiteral("txtMoveCount"), QT_TRANSLATE_NOOP("AccessibleNames", "Moves taken")},
        {QStringLiteral("txtStatus"), QT_TRANSLATE_NOOP("AccessibleNames", "Time elapsed")},
        {QStringLiteral("txtInfo"), QT_TRANSLATE_NOOP("AccessibleNames", "Game message")},
        {QStringLiteral("txtInfoShadow"),
         QT_TRANSLATE_NOOP("AccessibleNames", "Game message shadow")},
        {QStringLiteral("txtRecord"), QT_TRANSLATE_NOOP("AccessibleNames", "New record")},
        {QStringLiteral("lblPaused"), QT_TRANSLATE_NOOP("AccessibleNames", "Paused")},
        {QStringLiteral("progressBar"), QT_TRANSLATE_NOOP("AccessibleNames", "Progress")},
        {QStringLiteral("toolBar"), QT_TRANSLATE_NOOP("AccessibleNames", "Tool bar")},
        {QStringLiteral("toolStrip"), QT_TRANSLATE_NOOP("AccessibleNames", "Tool strip")},
        {QStringLiteral("fraBrowser"), QT_TRANSLATE_NOOP("AccessibleNames", "Web pane")},
        {QStringLiteral("fraImages"), QT_TRANSLATE_NOOP("AccessibleNames", "Picture area")},
        {QStringLiteral("fraSolution"), QT_TRANSLATE_NOOP("AccessibleNames", "Board pane")},
        {QStringLiteral("boardOverlay"),
         QT_TRANSLATE_NOOP("AccessibleNames", "Keyboard cursor and hint")},
        {QStringLiteral("qt_toolbar_ext_button"),
         QT_TRANSLATE_NOOP("AccessibleNames", "More tools")},
        {QStringLiteral("qt_menubar_ext_button"),
         QT_TRANSLATE_NOOP("AccessibleNames", "More menus")},
    };
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->accessibleName().isEmpty())
            continue;
        if (const auto name = names.constFind(control->objectName()); name != names.constEnd())
            control->setAccessibleName(QCoreApplication::translate("AccessibleNames", *name));
        else if (const auto *button = qobject_cast<QAbstractButton *>(control))
            control->setAccessibleName(button->text().isEmpty() ? button->toolTip()
                                                                : button->text());
    }
}
