// SPDX-License-Identifier: GPL-3.0-or-later
// Solid background colours for panels.
#pragma once

#include <QColor>
#include <QWidget>

inline void setBackground(QWidget *panel, const QColor &colour)
{
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
}
