// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame_checks.h"

#include <QImage>

#include <cstdlib>

#include <gtest/gtest.h>

namespace videotest {

namespace {

// The visible pixels only: rows may be padded.
size_t pixelHash(const QImage &image)
{
    size_t hash = 0;
    for (int y = 0; y < image.height(); ++y)
        hash = qHash(QByteArrayView(image.constScanLine(y), image.width() * 4), hash);
    return hash;
}

} // namespace

QHash<qint32, size_t> framesInOrder(video::VideoSource &media, bool allDecode)
{
    const video::VideoStreamInfo &info = media.videoInfo();
    QHash<qint32, size_t> inOrder;
    for (qint32 number = info.start; number < info.start + info.length; ++number) {
        const QImage image = media.frame(number);
        if (allDecode || !image.isNull()) {
            EXPECT_EQ(image.size(), QSize(info.width, info.height)) << "frame " << number;
            EXPECT_EQ(image.format(), QImage::Format_RGB32) << "frame " << number;
        }
        inOrder.insert(number, pixelHash(image));
    }
    return inOrder;
}

void expectSameOutOfOrder(video::VideoSource &media, const QHash<qint32, size_t> &inOrder,
                          bool exact)
{
    const video::VideoStreamInfo &info = media.videoInfo();
    for (qint32 step = 0; step < 24; ++step) {
        const qint32 number = info.start + qint32((step * 7919LL) % info.length);
        const qint32 fromEnd = info.start + info.length - 1 - qint32((step * 31LL) % info.length);
        for (qint32 n : {number, fromEnd}) {
            const size_t hash = pixelHash(media.frame(n));
            if (exact)
                EXPECT_EQ(hash, inOrder.value(n)) << "frame " << n;
            else
                EXPECT_EQ(hash != 0, inOrder.value(n) != 0) << "frame " << n;
        }
    }
}

void expectStreamFacts(video::VideoSource &media, qint32 length, QSize size, bool audio)
{
    const video::VideoStreamInfo &info = media.videoInfo();
    EXPECT_EQ(info.start, 0);
    EXPECT_EQ(info.length, length);
    EXPECT_EQ(QSize(info.width, info.height), size);
    EXPECT_GT(info.scale, 0u);
    EXPECT_GT(info.rate, 0u);
    EXPECT_EQ(media.audioTrack() != nullptr, audio);
}

double meanChannelDifference(const QImage &a, const QImage &b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y), q = right.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * left.width() * left.height());
}

} // namespace videotest
