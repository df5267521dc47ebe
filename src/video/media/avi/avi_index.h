// SPDX-License-Identifier: GPL-3.0-or-later
// The AVI index of a video stream: where its frames are and which of them are key frames.
#pragma once

#include "video/media/ffmpeg_handles.h"
#include "video/media/scan_progress.h"

#include <QtGlobal>

namespace video {

class AviIndex
{
  public:
    // Makes sure the stream has an index, reading the whole file once to build one when the
    // file carries none, and leaves the file at its first frame. False when the stream has no
    // stored frame; `progress` hears of a long read.
    bool load(AVFormatContext *format, AVStream *stream, const ScanProgressHandler &progress);

    // Frame numbers of the stream's first and last stored frames.
    qint64 firstFrame() const;
    qint64 lastFrame() const;

    // The frame at or before `number` that decoding can start from, or -1 when there is none.
    qint64 keyFrameAtOrBefore(qint64 number) const;

    // The stored frame at or before `number` (key or not), or -1 when there is none. Numbers
    // without a stored frame of their own repeat the frame before them.
    qint64 storedFrameAtOrBefore(qint64 number) const;

  private:
    qint64 entryFrame(int entry) const;

    AVStream *m_stream = nullptr;
    // An index rebuilt by reading marks every chunk of an unparsed codec as a key frame;
    // then only the first frame is a safe place to start decoding.
    bool m_keyFramesKnown = true;
};

} // namespace video
