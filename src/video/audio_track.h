// SPDX-License-Identifier: GPL-3.0-or-later
// What TAudioPlay needs of a sound track: its sample format and its samples by number.
#pragma once

#include "video/audio_format.h"

#include <QtGlobal>

namespace video {

class AudioTrack
{
  public:
    virtual ~AudioTrack() = default;

    // The format the samples are read in; bytesPerFrame() is the size of one sample.
    virtual const AudioFormat &format() const = 0;
    // The first sample's number and the number of samples; sample n plays at n / sampleRate
    // seconds of the file's time line.
    virtual qint64 start() const = 0;
    virtual qint64 length() const = 0;
    // The sample that plays at `ms` milliseconds of the time line.
    virtual qint64 timeToSample(qint64 ms) const = 0;
    // Reads up to count samples from sample `first` into data; returns how many were read,
    // fewer at the end of the track and 0 after a read error.
    virtual qint64 read(qint64 first, qint64 count, char *data) = 0;
};

} // namespace video
