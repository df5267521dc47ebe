// SPDX-License-Identifier: GPL-3.0-or-later
// Moves queued blocks into the sink as it frees room; a block counts as played once the
// sink holds all of it. No device, no sound server or a refused format: open fails quietly.
#include "video/media/qt_wave_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>

#include <algorithm>

namespace video {

namespace {

// How much sound the sink holds ahead of the speaker: enough to ride out a busy window
// thread, little enough that a stop is heard at once.
constexpr qint64 sinkBufferUs = 250000;
constexpr int pumpIntervalMs = 10;

QAudioFormat::SampleFormat qtSampleFormat(SampleType type)
{
    switch (type) {
    case SampleType::UInt8:
        return QAudioFormat::UInt8;
    case SampleType::Int16:
        return QAudioFormat::Int16;
    case SampleType::Int32:
        return QAudioFormat::Int32;
    case SampleType::Float:
        return QAudioFormat::Float;
    case SampleType::Unknown:
        break;
    }
    return QAudioFormat::Unknown;
}

QAudioFormat qtFormat(const AudioFormat &format)
{
    QAudioFormat qt;
    qt.setSampleRate(format.sampleRate);
    qt.setChannelCount(format.channelCount);
    qt.setSampleFormat(qtSampleFormat(format.sampleType));
    return qt;
}

} // namespace

QtWaveOutput::QtWaveOutput()
{
    m_pumpTimer.setInterval(pumpIntervalMs);
    QObject::connect(&m_pumpTimer, &QTimer::timeout, [this] { pump(); });
}

QtWaveOutput::~QtWaveOutput()
{
    close();
}

bool QtWaveOutput::open(const AudioFormat &ours, QObject *window)
{
    const QAudioFormat format = qtFormat(ours);
    close();
    if (QMediaDevices::audioOutputs().isEmpty())
        return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(format))
        return false;
    auto sink = std::make_unique<QAudioSink>(device, format);
    sink->setBufferSize(format.bytesForDuration(sinkBufferUs));
    QIODevice *io = sink->start();
    if (!io || sink->error() != QAudio::NoError)
        return false;
    m_sink = std::move(sink);
    m_io = io;
    m_window = window;
    m_paused = false;
    m_pumpTimer.start();
    return true;
}

void QtWaveOutput::pause()
{
    m_paused = true;
}

void QtWaveOutput::restart()
{
    m_paused = false;
    pump();
}

void QtWaveOutput::write(std::unique_ptr<WaveBuffer> buffer)
{
    m_queue.push_back(std::move(buffer));
    pump();
}

void QtWaveOutput::pump()
{
    if (m_paused || !m_io)
        return;
    while (!m_queue.empty()) {
        const QByteArray &data = m_queue.front()->data;
        const qint64 room = std::min<qint64>(m_sink->bytesFree(), data.size() - m_written);
        const qint64 written = room > 0 ? m_io->write(data.constData() + m_written, room) : 0;
        if (written <= 0)
            return;
        m_written += written;
        if (m_written < data.size())
            return;
        m_written = 0;
        std::unique_ptr<WaveBuffer> done = std::move(m_queue.front());
        m_queue.pop_front();
        finish(std::move(done));
    }
}

void QtWaveOutput::reset()
{
    if (m_sink)
        m_sink->reset();
    returnQueued();
}

void QtWaveOutput::close()
{
    m_pumpTimer.stop();
    if (m_sink)
        m_sink->stop();
    m_sink.reset();
    m_io = nullptr;
    returnQueued();
}

void QtWaveOutput::returnQueued()
{
    m_written = 0;
    while (!m_queue.empty()) {
        std::unique_ptr<WaveBuffer> done = std::move(m_queue.front());
        m_queue.pop_front();
        finish(std::move(done));
    }
}

void QtWaveOutput::finish(std::unique_ptr<WaveBuffer> buffer)
{
    // Posted, not called: the window handles it after whatever it is doing now.
    if (m_window)
        QCoreApplication::postEvent(m_window, new WaveDoneEvent(std::move(buffer)));
}

} // namespace video
