// Qt reference decodes and picture comparison for the decoder tests.
#include "test_pictures.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <cstdlib>

namespace sourcestest {

double meanChannelDifference(const QImage &a, const QImage &b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    qint64 sum = 0;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            const QRgb l = left.pixel(x, y), r = right.pixel(x, y);
            sum += std::abs(qRed(l) - qRed(r)) + std::abs(qGreen(l) - qGreen(r)) +
                   std::abs(qBlue(l) - qBlue(r));
        }
    }
    return double(sum) / (3.0 * left.width() * left.height());
}

static QImage readWithQt(QIODevice *device, const char *format)
{
    QImageReader reader(device, format);
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(true);
    // Qt's BMP reader leaves pixels a broken RLE stream never reaches as they were: start clear.
    const QSize size = reader.size();
    QImage image(size.width(), qAbs(size.height()), reader.imageFormat());
    image.fill(0);
    if (!reader.read(&image))
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage qtReference(const QString &path, const char *format)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? readWithQt(&file, format) : QImage();
}

QImage qtReference(const QByteArray &bytes, const char *format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readWithQt(&buffer, format);
}

bool isOpaque(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 255)
                return false;
        }
    }
    return true;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace sourcestest
