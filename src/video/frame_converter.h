// Turns decoded video frames of any pixel format into 32-bit RGB pictures.
#pragma once

#include "video/ffmpeg_handles.h"

#include <QImage>
#include <QSize>

namespace video {

class FrameConverter
{
  public:
    // Writes `frame`, scaled to `size` when the decoder's size differs, into `image` as
    // Format_RGB32. The image's memory is reused when nothing else shares it. False when the
    // frame cannot be converted; `image` is then unspecified.
    bool convert(const AVFrame &frame, QSize size, QImage &image);

  private:
    ScalerPtr m_scaler;
};

} // namespace video
