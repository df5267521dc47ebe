// SPDX-License-Identifier: GPL-3.0-or-later
// The eighths a large picture is kept at, shared by the JPEG decoder (which decodes at them)
// and the other decoders (which decode in full and shrink).
#include "sources/picture_cover.h"

#include <QGuiApplication>
#include <QScreen>

namespace sources {

namespace {

// The picture's text entry holding the eighths of a reduced decode.
const QString eighthsKey = QStringLiteral("Pindrel decoded eighths");

} // namespace

QSize largestScreenPixels()
{
    QSize largest;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QSize pixels = screen->geometry().size() * screen->devicePixelRatio();
        largest = largest.isValid() ? largest.expandedTo(pixels) : pixels;
    }
    return largest;
}

int coverEighths(QSize picture, QSize cover)
{
    if (cover.isEmpty() || picture.width() < 2 * cover.width() ||
        picture.height() < 2 * cover.height())
        return 8;
    for (int eighths = 1; eighths < 8; ++eighths) {
        const QSize kept = eighthsOf(picture, eighths);
        if (kept.width() >= cover.width() && kept.height() >= cover.height())
            return eighths;
    }
    return 8;
}

QSize eighthsOf(QSize picture, int eighths)
{
    return {(picture.width() * eighths + 7) / 8, (picture.height() * eighths + 7) / 8};
}

QImage reducedToCover(QImage picture, QSize cover)
{
    const int eighths = coverEighths(picture.size(), cover);
    if (eighths == 8)
        return picture;
    // Converted in place to a format the smooth scaler takes as it is; otherwise it would
    // make a converted full-size copy first.
    picture.convertTo(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                : QImage::Format_RGB32);
    QImage reduced = picture.scaled(eighthsOf(picture.size(), eighths), Qt::IgnoreAspectRatio,
                                    Qt::SmoothTransformation);
    picture = QImage();
    markDecodedEighths(reduced, eighths);
    return reduced;
}

void markDecodedEighths(QImage &picture, int eighths)
{
    if (eighths != 8)
        picture.setText(eighthsKey, QString::number(eighths));
}

int decodedEighths(const QImage &picture)
{
    bool valid = false;
    const int eighths = picture.text(eighthsKey).toInt(&valid);
    return valid && eighths >= 1 && eighths <= 8 ? eighths : 8;
}

} // namespace sources
