// SPDX-License-Identifier: GPL-3.0-or-later
// The EXIF block of PNG (eXIf chunk) and WebP (EXIF chunk) files, whose Qt readers ignore it.
#pragma once

#include <QByteArray>
#include <QString>

namespace sources {

// The block as a JPEG's APP1 payload ("Exif\0\0" and the TIFF structure), or empty when the
// file has none or cannot be read. Reads chunk headers and skips chunk bodies.
QByteArray embeddedExif(const QString &path, const QByteArray &format);

} // namespace sources
