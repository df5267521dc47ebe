// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a sound track's samples the way the sound device asks for them.
#pragma once

#include "video/audio_track.h"

#include <QByteArray>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <limits>

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

// The RMS amplitude (0 to 1) of 8-bit unsigned or 16-bit signed samples.
inline double rms(const QByteArray &data, video::SampleType format)
{
    double sum = 0;
    qsizetype count = 0;
    if (format == video::SampleType::UInt8) {
        for (char c : data)
            sum += std::pow((quint8(c) - 128) / 128.0, 2);
        count = data.size();
    } else {
        const auto *samples = reinterpret_cast<const qint16 *>(data.constData());
        count = data.size() / 2;
        for (qsizetype i = 0; i < count; ++i)
            sum += std::pow(samples[i] / 32768.0, 2);
    }
    return count ? std::sqrt(sum / count) : 0;
}

// The largest difference between two runs of samples of the same length, in 16-bit steps.
inline int largestDifference(const QByteArray &a, const QByteArray &b, video::SampleType format)
{
    if (a.size() != b.size())
        return std::numeric_limits<int>::max();
    int largest = 0;
    const bool bytes = format == video::SampleType::UInt8;
    for (qsizetype i = 0; i < a.size(); i += bytes ? 1 : 2) {
        const int x = bytes ? quint8(a[i]) << 8 : qFromLittleEndian<qint16>(a.constData() + i);
        const int y = bytes ? quint8(b[i]) << 8 : qFromLittleEndian<qint16>(b.constData() + i);
        largest = std::max(largest, std::abs(x - y));
    }
    return largest;
}

} // namespace videotest
