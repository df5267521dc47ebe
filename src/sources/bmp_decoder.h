// SPDX-License-Identifier: GPL-3.0-or-later
// BMP pictures through Qt's own reader, refused from the header when they are too large.
#pragma once

#include <QImage>
#include <QString>

namespace sources {

// A Format_RGB32 picture; throws DecodeError when the file is not a BMP it can show.
QImage decodeBmpFile(const QString &path);

} // namespace sources
