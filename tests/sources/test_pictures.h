// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers the decoder tests share: Qt's own decodes as the reference, and comparing pictures.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

namespace sourcestest {

// Mean absolute difference per colour channel; both pictures must have the same size.
double meanChannelDifference(const QImage &a, const QImage &b);

// Qt's decode with the format forced, upright by EXIF, as Format_RGB32; null when Qt fails.
QImage qtReference(const QString &path, const char *format);
QImage qtReference(const QByteArray &bytes, const char *format);

bool isOpaque(const QImage &image);

// A decode of ours agrees with Qt's: same size, 32-bit opaque RGB, colours within tolerance.
void expectMatchesQt(const QImage &image, const QImage &reference, const QString &label,
                     double tolerance);

using DecodeFile = std::function<QImage(const QString &path)>;
using PictureCheck = std::function<void(const QString &name, const QImage &picture)>;

// Every corpus file of the kind either is refused with DecodeError (those listed) or decodes
// to a picture that matches Qt's decode of it and passes the extra check.
void expectCorpusMatchesQt(const char *kind, int minimumFiles, const QStringList &refused,
                           const DecodeFile &decode, const char *qtFormat, double tolerance,
                           const PictureCheck &extraCheck = {});
QByteArray readFile(const QString &path);

} // namespace sourcestest
