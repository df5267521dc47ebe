// SPDX-License-Identifier: GPL-3.0-or-later
#include "video/media/plane_shrinker.h"

extern "C" {
#include <libavutil/pixdesc.h>
}

#include <libyuv/scale.h>

#include <cstring>
#include <vector>

namespace video {

namespace {

// Each component in a plane of its own, a byte a sample, rows top down.
bool hasBytePlanes(const AVFrame &frame, const AVPixFmtDescriptor &format)
{
    constexpr auto other = AV_PIX_FMT_FLAG_RGB | AV_PIX_FMT_FLAG_PAL | AV_PIX_FMT_FLAG_BITSTREAM |
                           AV_PIX_FMT_FLAG_HWACCEL | AV_PIX_FMT_FLAG_FLOAT | AV_PIX_FMT_FLAG_BE;
    if ((format.flags & other) ||
        av_pix_fmt_count_planes(AVPixelFormat(frame.format)) != format.nb_components)
        return false;
    for (int i = 0; i < format.nb_components; ++i) {
        const AVComponentDescriptor &component = format.comp[i];
        if (component.depth != 8 || component.step != 1 || component.shift != 0 ||
            component.offset != 0 || frame.linesize[component.plane] <= 0)
            return false;
    }
    return true;
}

// A plane's size for a picture of `size`: the two chroma planes are subsampled.
QSize planeSize(const AVPixFmtDescriptor &format, int plane, QSize size)
{
    if (plane != 1 && plane != 2)
        return size;
    return {AV_CEIL_RSHIFT(size.width(), format.log2_chroma_w),
            AV_CEIL_RSHIFT(size.height(), format.log2_chroma_h)};
}

} // namespace

void PlaneShrinker::shrinkPlane(const uint8_t *from, int fromStride, QSize fromSize, uint8_t *to,
                                int toStride, QSize toSize)
{
    // Halved exactly while still twice as large, then filtered the rest of the way: libyuv
    // halves with a vectorised two-by-two box, while its box filter for other ratios adds
    // columns one at a time and cost as much as a third of decoding the frame.
    int step = 0;
    while (toSize.width() * 2 <= fromSize.width() && toSize.height() * 2 <= fromSize.height()) {
        const QSize half(fromSize.width() / 2, fromSize.height() / 2);
        std::vector<uint8_t> &halved = m_halves[std::size_t(step++ % 2)];
        halved.resize(std::size_t(half.width()) * std::size_t(half.height()));
        libyuv::ScalePlane(from, fromStride, fromSize.width(), fromSize.height(), halved.data(),
                           half.width(), half.width(), half.height(), libyuv::kFilterBox);
        from = halved.data();
        fromStride = half.width();
        fromSize = half;
    }
    libyuv::ScalePlane(from, fromStride, fromSize.width(), fromSize.height(), to, toStride,
                       toSize.width(), toSize.height(), libyuv::kFilterBox);
}

const AVFrame *PlaneShrinker::shrink(const AVFrame &frame, QSize size)
{
    const AVPixFmtDescriptor *format = av_pix_fmt_desc_get(AVPixelFormat(frame.format));
    const QSize frameSize(frame.width, frame.height);
    if (!format || size.isEmpty() || size == frameSize || size.width() > frame.width ||
        size.height() > frame.height || !hasBytePlanes(frame, *format))
        return nullptr;
    // libswscale's fast conversion to RGB takes rows in pairs: an odd height gets the last row
    // again below it.
    const int rows = (size.height() + 1) & ~1;
    if (!m_shrunk || m_shrunk->format != frame.format || m_shrunk->width != size.width() ||
        m_shrunk->height != rows) {
        m_shrunk.reset(av_frame_alloc());
        if (!m_shrunk)
            return nullptr;
        m_shrunk->format = frame.format;
        m_shrunk->width = size.width();
        m_shrunk->height = rows;
        if (av_frame_get_buffer(m_shrunk.get(), 0) < 0) {
            m_shrunk.reset();
            return nullptr;
        }
    }
    for (int plane = 0; plane < format->nb_components; ++plane) {
        const QSize from = planeSize(*format, plane, frameSize);
        const QSize to = planeSize(*format, plane, size);
        shrinkPlane(frame.data[plane], frame.linesize[plane], from, m_shrunk->data[plane],
                    m_shrunk->linesize[plane], to);
        // The chroma rows of a 4:2:0 frame already cover the extra row.
        const QSize covered = planeSize(*format, plane, {size.width(), rows});
        if (covered.height() > to.height()) {
            uint8_t *last =
                m_shrunk->data[plane] + qsizetype(to.height() - 1) * m_shrunk->linesize[plane];
            std::memcpy(last + m_shrunk->linesize[plane], last, std::size_t(to.width()));
        }
    }
    return m_shrunk.get();
}

} // namespace video
