// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up artwork: a dusk sky cut into tiles, a few of them out of place, and the name.
#include "app/window/startup_picture.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QImage startupPicture()
{
    QImage image(329, 125, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, 125);
    sky.setColorAt(0.0, QColor(24, 38, 92));
    sky.setColorAt(0.6, QColor(176, 74, 120));
    sky.setColorAt(1.0, QColor(250, 180, 90));
    painter.fillRect(image.rect(), sky);

    // Hills in front of a low sun.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 226, 140));
    painter.drawEllipse(QPointF(262, 96), 24, 24);
    QPainterPath hills;
    hills.moveTo(0, 125);
    hills.cubicTo(60, 80, 120, 120, 180, 96);
    hills.cubicTo(240, 72, 290, 110, 329, 90);
    hills.lineTo(329, 125);
    painter.setBrush(QColor(40, 30, 60));
    painter.drawPath(hills);

    // Two tiles lifted out of the grid, the way a shuffled board looks.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect lifted[] = {QRect(246, 8, 41, 31), QRect(287, 39, 41, 31)};
    for (const QRect &tile : lifted) {
        painter.fillRect(tile, QColor(255, 255, 255, 60));
        painter.setPen(QColor(255, 255, 255, 170));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(tile.adjusted(0, 0, -1, -1));
    }
    painter.setPen(QColor(255, 255, 255, 45));
    for (int x = 41; x < 329; x += 41)
        painter.drawLine(x, 0, x, 124);
    for (int y = 31; y < 125; y += 31)
        painter.drawLine(0, y, 328, y);

    painter.setRenderHint(QPainter::Antialiasing);
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(40);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(0, 0, 0, 120));
    painter.drawText(QRect(18, 14, 220, 56), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Pindrel"));
    painter.setPen(Qt::white);
    painter.drawText(QRect(16, 12, 220, 56), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Pindrel"));
    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(12);
    painter.setFont(subtitle);
    painter.setPen(QColor(255, 240, 220));
    painter.drawText(QRect(18, 64, 220, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     QCoreApplication::translate("StartupPicture", "a picture puzzle"));
    return image;
}
