// SPDX-License-Identifier: GPL-3.0-or-later
// TAudioPlay: plays a range of samples of a sound track through a wave output, keeping eight
// blocks queued and replacing each finished one on the window thread.
#pragma once

#include "video/audio_track.h"
#include "video/wave_output.h"

#include <memory>

class QObject;

class TAudioPlay
{
  public:
    static constexpr int buffersInFlight = 8;
    static constexpr int minimumBlockBytes = 2048;

    explicit TAudioPlay(std::unique_ptr<video::WaveOutput> device);
    ~TAudioPlay();
    TAudioPlay(const TAudioPlay &) = delete;
    TAudioPlay &operator=(const TAudioPlay &) = delete;

    // Plays samples fromSample up to (not including) toSample of stream; a negative bound
    // means the track's own start or end. Done-events of the blocks go to window, which
    // hands them to BufferDone. False, and silence, for an empty range or when no device
    // takes the track's format.
    bool Play(QObject *window, video::AudioTrack *stream, qint64 fromSample, qint64 toSample);
    void Stop();
    // Releases a block the device is done with and, while the range lasts, queues the next.
    void BufferDone(std::unique_ptr<video::WaveBuffer> buffer);

    bool Playing() const { return m_playing; }
    int BlockBytes() const { return m_blockBytes; }
    qint64 ReadSample() const { return m_readSample; }
    qint64 EndSample() const { return m_endSample; }

  private:
    bool OpenDevice(QObject *window, video::AudioTrack *stream);
    void QueueBuffer();

    std::unique_ptr<video::WaveOutput> m_device;
    quint64 m_deviceNumber = 0; // counts openings, so late blocks of a closed one are known
    video::AudioTrack *m_stream = nullptr;
    int m_sampleSize = 0;
    int m_blockBytes = 0;
    qint64 m_readSample = 0;
    qint64 m_endSample = 0;
    bool m_playing = false; // the device is open and fed
};
