// SPDX-License-Identifier: GPL-3.0-or-later
// The block cycle of TAudioPlay: open, queue eight blocks under a paused device, refill one
// block per finished one until the range ends.
#include "video/audio_play.h"

#include <algorithm>

TAudioPlay::TAudioPlay(std::unique_ptr<video::WaveOutput> device) : m_device(std::move(device)) {}

TAudioPlay::~TAudioPlay()
{
    Stop();
}

bool TAudioPlay::Play(QObject *window, video::AudioTrack *stream, qint64 fromSample,
                      qint64 toSample)
{
    Stop();
    if (!stream)
        return false;
    if (fromSample < 0)
        fromSample = stream->start();
    if (toSample < 0)
        toSample = stream->start() + stream->length();
    if (toSample <= fromSample || !OpenDevice(window, stream))
        return false;
    // The first blocks go in before output starts, so it starts with a full queue.
    m_device->pause();
    m_readSample = fromSample;
    m_endSample = toSample;
    m_playing = true;
    for (int i = 0; i < buffersInFlight; ++i)
        QueueBuffer();
    m_device->restart();
    return true;
}

bool TAudioPlay::OpenDevice(QObject *window, video::AudioTrack *stream)
{
    m_stream = stream;
    m_sampleSize = stream->format().bytesPerFrame();
    if (m_sampleSize <= 0)
        return false;
    m_blockBytes = std::max(m_sampleSize, minimumBlockBytes);
    if (!m_device || !m_device->open(stream->format(), window))
        return false;
    ++m_deviceNumber;
    return true;
}

void TAudioPlay::QueueBuffer()
{
    const qint64 count = std::min<qint64>(m_endSample - m_readSample, m_blockBytes / m_sampleSize);
    if (count <= 0)
        return;
    auto buffer = std::make_unique<video::WaveBuffer>();
    buffer->data.resize(count * m_sampleSize);
    buffer->device = m_deviceNumber;
    const qint64 read =
        std::clamp<qint64>(m_stream->read(m_readSample, count, buffer->data.data()), 0, count);
    // A short or failed read ends the range here: what was read plays, and the blocks in
    // flight run out instead of asking again for samples that are not there.
    if (read < count)
        m_endSample = m_readSample + read;
    if (read == 0)
        return;
    buffer->data.truncate(read * m_sampleSize);
    m_readSample += read;
    m_device->write(std::move(buffer));
}

void TAudioPlay::BufferDone(std::unique_ptr<video::WaveBuffer> buffer)
{
    // A block of an earlier opening is only released, so eight blocks stay in flight.
    if (m_playing && buffer && buffer->device == m_deviceNumber)
        QueueBuffer();
}

void TAudioPlay::Stop()
{
    if (!m_playing)
        return;
    m_playing = false;
    m_device->reset();
    m_device->close();
}
