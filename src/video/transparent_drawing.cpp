// SPDX-License-Identifier: GPL-3.0-or-later
// The background capture with QWidget::render of the parent and its children, and the colour-keyed
// composite as one pass over the frame's rows.
#include "video/transparent_drawing.h"

#include <QPainter>
#include <QRegion>
#include <QWidget>

#include <algorithm>

namespace video {

void captureBackground(const QWidget &child, QImage &background)
{
    QWidget *parent = child.parentWidget();
    const QRect geometry = child.geometry();
    if (background.size() != geometry.size() || background.format() != QImage::Format_RGB32)
        background = QImage(geometry.size(), QImage::Format_RGB32);
    if (!parent || background.isNull())
        return;
    background.fill(Qt::black);
    const QRect clip(geometry.x(), geometry.y(), geometry.width() + 1, geometry.height() + 1);
    const QPoint origin = geometry.topLeft() + QPoint(1, 1);
    QPainter painter(&background);
    parent->render(&painter, clip.topLeft() - origin, QRegion(clip), QWidget::DrawWindowBackground);
    // The parent's children one by one, bottom first, leaving out the child itself and any
    // widget in the middle of its own paint (a player capturing): rendering those again from
    // inside their paint is refused by Qt, and they would paint nothing.
    for (QObject *object : parent->children()) {
        auto *sibling = qobject_cast<QWidget *>(object);
        if (!sibling || sibling == &child || sibling->isWindow() || !sibling->isVisibleTo(parent) ||
            sibling->testAttribute(Qt::WA_WState_InPaintEvent))
            continue;
        const QRect part = clip & sibling->geometry();
        if (!part.isEmpty())
            sibling->render(&painter, part.topLeft() - origin,
                            QRegion(part.translated(-sibling->pos())), QWidget::DrawChildren);
    }
}

QImage compositeOverBackground(const QImage &background, const QImage &frame, QPoint offset,
                               QSize destination)
{
    QImage result = background.convertToFormat(QImage::Format_RGB32);
    if (frame.isNull() || destination.isEmpty() || result.isNull())
        return result;
    QImage scaled = frame.size() == destination
                        ? frame
                        : frame.scaled(destination, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    scaled = std::move(scaled).convertToFormat(QImage::Format_RGB32);
    const QRgb key = scaled.pixel(0, scaled.height() - 1) & RGB_MASK;
    const int firstX = std::max(0, -offset.x());
    const int lastX = std::min(scaled.width(), result.width() - offset.x());
    const int firstY = std::max(0, -offset.y());
    const int lastY = std::min(scaled.height(), result.height() - offset.y());
    for (int y = firstY; y < lastY; ++y) {
        const auto *source = reinterpret_cast<const QRgb *>(scaled.constScanLine(y));
        auto *target = reinterpret_cast<QRgb *>(result.scanLine(y + offset.y())) + offset.x();
        for (int x = firstX; x < lastX; ++x) {
            if ((source[x] & RGB_MASK) != key)
                target[x] = source[x] | ~RGB_MASK;
        }
    }
    return result;
}

} // namespace video
