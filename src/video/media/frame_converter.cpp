// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion of decoded frames to QImage through libswscale, straight into the image's rows.
#include "video/media/frame_converter.h"

#include "video/media/video_limits.h"

extern "C" {
#include <libavutil/pixdesc.h>
}

namespace video {

namespace {

// Format_RGB32 wants opaque pixels; sources with alpha or a palette may carry other values.
bool mayCarryAlpha(AVPixelFormat format)
{
    const AVPixFmtDescriptor *descriptor = av_pix_fmt_desc_get(format);
    return descriptor && (descriptor->flags & (AV_PIX_FMT_FLAG_ALPHA | AV_PIX_FMT_FLAG_PAL));
}

void makeOpaque(QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] |= 0xff000000u;
    }
}

// A picture whose rows are padded to whole groups of 16 pixels, with an even number of rows
// behind it. libswscale's fast RGB converters write groups of 8 pixels, and when a row's
// memory ends before the last group they leave the row's last pixels unwritten; they take
// rows in pairs.
QImage paddedImage(QSize size)
{
    auto *padded =
        new QImage((size.width() + 15) & ~15, (size.height() + 1) & ~1, QImage::Format_RGB32);
    if (padded->isNull()) {
        delete padded;
        return {};
    }
    return QImage(
        padded->bits(), size.width(), size.height(), padded->bytesPerLine(), QImage::Format_RGB32,
        [](void *memory) { delete static_cast<QImage *>(memory); }, padded);
}

} // namespace

QImage &FrameConverter::freeBuffer(QSize size)
{
    for (QImage &buffer : m_buffers)
        if (buffer.size() == size && buffer.isDetached())
            return buffer;
    QImage &replaced = m_buffers[m_nextBuffer];
    m_nextBuffer = (m_nextBuffer + 1) % m_buffers.size();
    replaced = paddedImage(size);
    return replaced;
}

QImage FrameConverter::convert(const AVFrame &decoded, QSize size)
{
    const auto format = AVPixelFormat(decoded.format);
    if (!fitsFrameLimits(decoded.width, decoded.height) ||
        !fitsFrameLimits(size.width(), size.height()))
        return {};
    const AVFrame *shrunk = m_shrinker.shrink(decoded, size);
    const AVFrame &frame = shrunk ? *shrunk : decoded;
    // A shrunk frame comes at the picture's width, and its height or one row more.
    const int rows = shrunk ? frame.height : size.height();
    // Made again only when what it converts changes. sws_getCachedContext cannot tell: for an
    // odd width libswscale adds a flag of its own to the context, which then never matches the
    // flags asked for, and a new context was made for every frame.
    const ScalerKey key{frame.width, frame.height, format, size.width(), rows};
    if (!m_scaler || !(key == m_scalerKey)) {
        m_scaler.reset(sws_getContext(key.fromWidth, key.fromHeight, format, key.toWidth,
                                      key.toHeight, AV_PIX_FMT_BGRA, SWS_BILINEAR, nullptr, nullptr,
                                      nullptr));
        m_scalerKey = key;
    }
    if (!m_scaler)
        return {};
    QImage &image = freeBuffer(size);
    if (image.isNull())
        return {};
    uint8_t *const target[4] = {image.bits(), nullptr, nullptr, nullptr};
    const int targetStride[4] = {int(image.bytesPerLine()), 0, 0, 0};
    if (sws_scale(m_scaler.get(), frame.data, frame.linesize, 0, frame.height, target,
                  targetStride) <= 0)
        return {};
    if (mayCarryAlpha(format))
        makeOpaque(image);
    return image;
}

} // namespace video
