// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a video frame over the captured background of its control, keyed on a colour.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace video {

// Renders what lies under `child` (its parent and the parent's other children) into
// background, resized to the child's size when it is not. The picture is taken one pixel
// right of and below the child's place, inside a clip one pixel wider and taller than it.
void captureBackground(const QWidget &child, QImage &background);

// The background with frame scaled (nearest pixel) to destination and laid at offset over
// it; pixels of the key colour, the scaled frame's bottom-left pixel's, keep the background.
// A null frame gives the background alone.
QImage compositeOverBackground(const QImage &background, const QImage &frame, QPoint offset,
                               QSize destination);

} // namespace video
