// SPDX-License-Identifier: GPL-3.0-or-later
// BMP pictures through Qt's own reader, refused from the header when they are too large.
#pragma once

#include <QImage>
#include <QString>

namespace sources {

// A Format_RGB32 picture; throws DecodeError when the file is not a BMP it can show.
// A picture at least twice `cover` both ways is kept smoothly reduced to cover it
// (reducedToCover).
QImage decodeBmpFile(const QString &path, QSize cover = {});

} // namespace sources
