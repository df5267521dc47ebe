// SPDX-License-Identifier: GPL-3.0-or-later
// The wave output on Qt Multimedia: a QAudioSink fed in push mode from the queued blocks.
#pragma once

#include "video/wave_output.h"

#include <QPointer>
#include <QTimer>

#include <deque>
#include <memory>

class QAudioSink;
class QIODevice;

namespace video {

class QtWaveOutput : public WaveOutput
{
  public:
    QtWaveOutput();
    ~QtWaveOutput() override;

    bool open(const AudioFormat &format, QObject *window) override;
    void pause() override;
    void restart() override;
    void write(std::unique_ptr<WaveBuffer> buffer) override;
    void reset() override;
    void close() override;

  private:
    void pump();
    void returnQueued();
    void finish(std::unique_ptr<WaveBuffer> buffer);

    std::unique_ptr<QAudioSink> m_sink;
    QIODevice *m_io = nullptr;
    QPointer<QObject> m_window;
    std::deque<std::unique_ptr<WaveBuffer>> m_queue;
    qsizetype m_written = 0; // bytes of the first queued block already in the sink
    bool m_paused = false;
    QTimer m_pumpTimer;
};

} // namespace video
