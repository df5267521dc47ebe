// SPDX-License-Identifier: GPL-3.0-or-later
// Turns decoded video frames of any pixel format into 32-bit RGB pictures.
#pragma once

#include "video/media/ffmpeg_handles.h"
#include "video/media/plane_shrinker.h"

#include <QImage>
#include <QSize>

#include <array>

namespace video {

class FrameConverter
{
  public:
    // `frame`, scaled smoothly to `size` when the decoder's size differs, as a Format_RGB32
    // picture; null when it cannot be converted.
    QImage convert(const AVFrame &frame, QSize size);

  private:
    // Memory for the next picture: one of the last few that nobody holds any more. Callers
    // keep the previous frame while the next one is made, so one buffer would always be
    // taken; alternating between a few keeps the writes in memory that is warm in the cache.
    QImage &freeBuffer(QSize size);

    struct ScalerKey
    {
        int fromWidth, fromHeight;
        AVPixelFormat format;
        int toWidth, toHeight;
        bool operator==(const ScalerKey &) const = default;
    };

    PlaneShrinker m_shrinker;
    ScalerPtr m_scaler;
    ScalerKey m_scalerKey{};
    std::array<QImage, 3> m_buffers;
    std::size_t m_nextBuffer = 0;
};

} // namespace video
