// Conversion of decoded frames to QImage through libswscale, straight into the image's rows.
#include "video/frame_converter.h"

#include "video/video_limits.h"

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

} // namespace

bool FrameConverter::convert(const AVFrame &frame, QSize size, QImage &image)
{
    const auto format = AVPixelFormat(frame.format);
    if (!fitsFrameLimits(frame.width, frame.height) ||
        !fitsFrameLimits(size.width(), size.height()))
        return false;
    // sws_getCachedContext frees the old context when it cannot reuse it, also on failure.
    m_scaler.reset(sws_getCachedContext(m_scaler.release(), frame.width, frame.height, format,
                                        size.width(), size.height(), AV_PIX_FMT_BGRA, SWS_BILINEAR,
                                        nullptr, nullptr, nullptr));
    if (!m_scaler)
        return false;
    if (image.size() != size || image.format() != QImage::Format_RGB32 || !image.isDetached())
        image = QImage(size, QImage::Format_RGB32);
    if (image.isNull())
        return false;
    uint8_t *const target[4] = {image.bits(), nullptr, nullptr, nullptr};
    const int targetStride[4] = {int(image.bytesPerLine()), 0, 0, 0};
    if (sws_scale(m_scaler.get(), frame.data, frame.linesize, 0, frame.height, target,
                  targetStride) <= 0)
        return false;
    if (mayCarryAlpha(format))
        makeOpaque(image);
    return true;
}

} // namespace video
