// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmark picture.
#include "large_picture.h"

#include <QDir>
#include <QImage>

QString writeLargeJpeg()
{
    const QString path = QDir::temp().filePath(QStringLiteral("pindrel_bench_6000x4000.jpg"));
    if (QImage(path).size() == QSize(6000, 4000))
        return path;
    QImage image(6000, 4000, QImage::Format_RGB32);
    std::uint32_t seed = 7;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = int(seed >> 28) - 8;
            line[x] = qRgb(qBound(0, x / 24 + grain, 255), qBound(0, y / 16 + grain, 255),
                           qBound(0, (x + y) / 40 + grain, 255));
        }
    }
    image.save(path, "JPG", 90);
    return path;
}
