// SPDX-License-Identifier: GPL-3.0-or-later
// The matrix maps a source point (x, y) to (a x + c y, b x + d y) on a picture whose y axis
// points down; a phone held upright stores a quarter turn clockwise.
#include "video/media/display_rotation.h"

#include <QTransform>

#include <cmath>

namespace video {

DisplayRotation DisplayRotation::of(const AVStream &stream)
{
    // FFmpeg 5 keeps the matrix as stream side data.
    size_t size = 0;
    const auto *matrix = reinterpret_cast<const int32_t *>(
        av_stream_get_side_data(&stream, AV_PKT_DATA_DISPLAYMATRIX, &size));
    if (!matrix || size < 9 * sizeof(int32_t))
        return {};
    double a = matrix[0], b = matrix[1];
    const double c = matrix[3], d = matrix[4];
    DisplayRotation rotation;
    // A negative determinant mirrors; without the mirror what is left is a turn.
    rotation.mirrored = a * d - b * c < 0;
    if (rotation.mirrored) {
        a = -a;
        b = -b;
    }
    // The angle of the image of the x axis, clockwise on screen.
    const double degrees = std::atan2(b, a) * 180 / M_PI;
    if (!std::isfinite(degrees))
        return {};
    rotation.clockwiseQuarterTurns = (int(std::lround(degrees / 90)) % 4 + 4) % 4;
    return rotation;
}

QImage DisplayRotation::apply(const QImage &frame) const
{
    if (isNone() || frame.isNull())
        return frame;
    QImage shown = mirrored ? frame.mirrored(true, false) : frame;
    if (clockwiseQuarterTurns != 0)
        shown = shown.transformed(QTransform().rotate(90.0 * clockwiseQuarterTurns));
    return shown;
}

} // namespace video
