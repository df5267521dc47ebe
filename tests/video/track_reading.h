// Reading a sound track's samples the way the sound device asks for them.
#pragma once

#include "video/audio_track.h"

#include <QByteArray>

#include <algorithm>

namespace videotest {

// Up to count samples from `first`; `read` (when given) receives how many came.
inline QByteArray readSamples(video::AudioTrack &track, qint64 first, qint64 count,
                              qint64 *read = nullptr)
{
    QByteArray data(count * track.format().bytesPerFrame(), '\0');
    const qint64 got = track.read(first, count, data.data());
    if (read)
        *read = got;
    data.truncate(std::clamp<qint64>(got, 0, count) * track.format().bytesPerFrame());
    return data;
}

// Reads from `first` on in the sound device's blocks, as a range is played, until the data ends
// or `limit` samples are read.
inline QByteArray readInBlocks(video::AudioTrack &track, qint64 first, qint64 limit)
{
    const qint64 block = std::max(1, 2048 / track.format().bytesPerFrame());
    QByteArray samples;
    qint64 read = block;
    for (qint64 sample = first; read == block && sample - first < limit; sample += read)
        samples += readSamples(track, sample, block, &read);
    return samples;
}

} // namespace videotest
