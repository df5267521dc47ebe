// SPDX-License-Identifier: GPL-3.0-or-later
// A video source made in memory (frame n is one solid colour that names n), a sound track
// and a wave output that record what is asked of them.
#pragma once

#include "video/AVIPlay.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStringList>

#include <algorithm>
#include <cstring>
#include <deque>
#include <limits>
#include <vector>

namespace testvideo {

// 24 bits of the frame number, so frames far apart never look alike.
inline QRgb colourOfFrame(qint32 n)
{
    return qRgb((n >> 16) & 0xff, (n >> 8) & 0xff, n & 0xff);
}

inline video::AudioFormat audioFormat(int rate, int channels, video::SampleType sample)
{
    return {rate, channels, sample};
}

// A track whose reads are logged as "read first+count". Reads fail from sample failFrom on:
// a read across it is short, a read at or after it gets nothing.
class FakeTrack : public video::AudioTrack
{
  public:
    FakeTrack(QStringList &log, video::AudioFormat format, qint64 start = 0,
              qint64 length = std::numeric_limits<qint32>::max())
        : m_log(log), m_format(format), m_start(start), m_length(length)
    {
    }
    const video::AudioFormat &format() const override { return m_format; }
    qint64 start() const override { return m_start; }
    qint64 length() const override { return m_length; }
    qint64 timeToSample(qint64 ms) const override { return ms * m_format.sampleRate / 1000; }
    qint64 read(qint64 first, qint64 count, char *data) override
    {
        m_log << QStringLiteral("read %1+%2").arg(first).arg(count);
        const qint64 got =
            std::clamp<qint64>(std::min(failFrom, m_start + m_length) - first, 0, count);
        std::memset(data, 1, size_t(got * m_format.bytesPerFrame()));
        return got;
    }
    qint64 failFrom = std::numeric_limits<qint64>::max();

  private:
    QStringList &m_log;
    video::AudioFormat m_format;
    qint64 m_start;
    qint64 m_length;
};

// Logs "wave open", "wave pause", "wave write <bytes>", ... and keeps the written blocks
// until finish() or reset() hands them back to the window, as a sound device would.
class RecordingWave : public video::WaveOutput
{
  public:
    explicit RecordingWave(QStringList &log) : m_log(log) {}
    bool open(const video::AudioFormat &, QObject *window) override
    {
        m_log << "wave open";
        m_window = window;
        return !refuse;
    }
    void pause() override { m_log << "wave pause"; }
    void restart() override { m_log << "wave restart"; }
    void write(std::unique_ptr<video::WaveBuffer> buffer) override
    {
        m_log << QStringLiteral("wave write %1").arg(buffer->data.size());
        queued.push_back(std::move(buffer));
    }
    void reset() override
    {
        m_log << "wave reset";
        finish(int(queued.size()));
    }
    void close() override { m_log << "wave close"; }
    // Posts the done-events of the n oldest blocks.
    void finish(int n)
    {
        for (; n > 0 && !queued.empty(); --n) {
            auto done = std::make_unique<video::WaveDoneEvent>(std::move(queued.front()));
            queued.pop_front();
            if (m_window)
                QCoreApplication::postEvent(m_window, done.release());
        }
    }
    std::deque<std::unique_ptr<video::WaveBuffer>> queued;
    bool refuse = false;

  private:
    QStringList &m_log;
    QPointer<QObject> m_window;
};

class FakeVideo : public video::VideoSource
{
  public:
    // marker: a pixel painted white in every frame, to see where a frame lands.
    explicit FakeVideo(video::VideoStreamInfo info, std::unique_ptr<FakeTrack> audio = {},
                       QPoint marker = {-1, -1})
        : m_info(info), m_audio(std::move(audio)), m_marker(marker)
    {
    }
    const video::VideoStreamInfo &videoInfo() const override { return m_info; }
    video::AudioTrack *audioTrack() override { return m_audio.get(); }
    QImage scaledFrame(qint32 number, QSize size) override
    {
        if (number < m_info.start || number >= m_info.start + m_info.length)
            return {};
        QImage image(m_info.width, m_info.height, QImage::Format_RGB32);
        image.fill(colourOfFrame(number));
        if (image.rect().contains(m_marker))
            image.setPixel(m_marker, qRgb(255, 255, 255));
        return image.size() == size ? image : image.scaled(size);
    }
    qint64 frameTimeMs(qint32 number) const override
    {
        // Tests stop the ticker with a rate of 0; their sound clock runs at 25 frames a second.
        if (m_info.rate == 0)
            return qint64(number) * 40;
        return qint64(number) * m_info.scale * 1000 / m_info.rate;
    }

  private:
    video::VideoStreamInfo m_info;
    std::unique_ptr<FakeTrack> m_audio;
    QPoint m_marker;
};

} // namespace testvideo
