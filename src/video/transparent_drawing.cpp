// The background capture with QWidget::render, and the colour-keyed composite as one pass
// over the frame's rows.
#include "video/transparent_drawing.h"

#include <QRegion>
#include <QWidget>

#include <algorithm>

namespace video {

void captureBackground(QWidget &parent, const QRect &geometry, QImage &background)
{
    if (background.size() != geometry.size() || background.format() != QImage::Format_RGB32)
        background = QImage(geometry.size(), QImage::Format_RGB32);
    if (background.isNull())
        return;
    background.fill(Qt::black);
    const QRegion clip(geometry.x(), geometry.y(), geometry.width() + 1, geometry.height() + 1);
    // The clip's corner lands at (-1, -1): the picture starts one pixel in from it.
    parent.render(&background, QPoint(-1, -1), clip,
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
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
