// SPDX-License-Identifier: GPL-3.0-or-later
// Qt reference decodes and picture comparison for the decoder tests.
#include "test_pictures.h"

#include "sources/decode_error.h"
#include "support/corpus.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>

#include <cstdlib>

#include <gtest/gtest.h>

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

void expectMatchesQt(const QImage &image, const QImage &reference, const QString &label,
                     double tolerance)
{
    ASSERT_FALSE(reference.isNull()) << qPrintable(label) << ": Qt cannot read it";
    ASSERT_EQ(image.size(), reference.size()) << qPrintable(label);
    EXPECT_EQ(image.format(), QImage::Format_RGB32) << qPrintable(label);
    EXPECT_TRUE(isOpaque(image)) << qPrintable(label);
    EXPECT_LE(meanChannelDifference(image, reference), tolerance) << qPrintable(label);
}

void expectCorpusMatchesQt(const char *kind, int minimumFiles, const QStringList &refused,
                           const DecodeFile &decode, const char *qtFormat, double tolerance,
                           const PictureCheck &extraCheck)
{
    const QString corpus = testsupport::corpusDir();
    ASSERT_FALSE(corpus.isEmpty());
    const QDir dir(corpus + "/" + kind);
    const QStringList files = dir.entryList(QDir::Files);
    ASSERT_GE(files.size(), minimumFiles);
    for (const QString &name : files) {
        const QString path = dir.filePath(name);
        if (refused.contains(name)) {
            EXPECT_THROW(decode(path), sources::DecodeError) << qPrintable(name);
            continue;
        }
        QImage image;
        ASSERT_NO_THROW(image = decode(path)) << qPrintable(name);
        expectMatchesQt(image, qtReference(path, qtFormat), name, tolerance);
        if (extraCheck)
            extraCheck(name, image);
    }
}

} // namespace sourcestest
