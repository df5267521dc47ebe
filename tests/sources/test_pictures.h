// Helpers the decoder tests share: Qt's own decodes as the reference, and comparing pictures.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace sourcestest {

// Mean absolute difference per colour channel; both pictures must have the same size.
double meanChannelDifference(const QImage &a, const QImage &b);

// Qt's decode with the format forced, upright by EXIF, as Format_RGB32; null when Qt fails.
QImage qtReference(const QString &path, const char *format);
QImage qtReference(const QByteArray &bytes, const char *format);

bool isOpaque(const QImage &image);
QByteArray readFile(const QString &path);

} // namespace sourcestest
