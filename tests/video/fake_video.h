// A video source made in memory: frame n is one solid colour that names n.
#pragma once

#include "video/AVIPlay.h"

#include <QStringList>
#include <vector>

namespace testvideo {

// 24 bits of the frame number, so frames far apart never look alike.
inline QRgb colourOfFrame(qint32 n)
{
    return qRgb((n >> 16) & 0xff, (n >> 8) & 0xff, n & 0xff);
}

class FakeVideo : public video::VideoSource
{
  public:
    // marker: a pixel painted white in every frame, to see where a frame lands.
    explicit FakeVideo(video::VideoStreamInfo info, bool audio = false, QPoint marker = {-1, -1})
        : m_info(info), m_audio(audio), m_marker(marker)
    {
    }
    const video::VideoStreamInfo &videoInfo() const override { return m_info; }
    bool hasAudio() const override { return m_audio; }
    QImage frame(qint32 number) override
    {
        if (number < m_info.start || number >= m_info.start + m_info.length)
            return {};
        QImage image(m_info.width, m_info.height, QImage::Format_RGB32);
        image.fill(colourOfFrame(number));
        if (image.rect().contains(m_marker))
            image.setPixel(m_marker, qRgb(255, 255, 255));
        return image;
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
    bool m_audio;
    QPoint m_marker;
};

// Records what the player asks of its sound side, as "play from-to" and "stop".
class RecordingSound : public video::SoundCompanion
{
  public:
    explicit RecordingSound(QStringList &log) : m_log(log) {}
    void Play(qint64 fromMs, qint64 toMs) override
    {
        m_log << QStringLiteral("play %1-%2").arg(fromMs).arg(toMs);
    }
    void Stop() override { m_log << QStringLiteral("stop"); }

  private:
    QStringList &m_log;
};

} // namespace testvideo
