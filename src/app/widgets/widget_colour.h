// SPDX-License-Identifier: GPL-3.0-or-later
// Solid background colours for panels.
#pragma once

#include <QColor>
#include <QWidget>

// The panel's text gets a partner colour that reads on the background: a dark desktop
// palette's light text would vanish on a white panel.
inline void setBackground(QWidget *panel, const QColor &colour)
{
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, colour.lightness() > 127 ? Qt::black : Qt::white);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
}
