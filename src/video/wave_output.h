// SPDX-License-Identifier: GPL-3.0-or-later
// The sound device a TAudioPlay feeds: an output that plays queued blocks of PCM samples in
// order and hands each finished block back to a window as an event.
#pragma once

#include "video/audio_format.h"

#include <QByteArray>
#include <QEvent>

#include <memory>

class QObject;

namespace video {

// One block of samples on its way to the device and back.
struct WaveBuffer
{
    QByteArray data;    // the samples, a whole number of them
    quint64 device = 0; // which opening of the output played it
};

// Posted to the window given at open for every block the output is done with: played, or
// returned by reset or close. Undelivered, it still frees its block.
class WaveDoneEvent : public QEvent
{
  public:
    // A fixed type, as the game and the media module both post and receive it and a type
    // registered at run time would differ between them. Qt hands out registered types from
    // QEvent::MaxUser downwards, far from this one.
    static constexpr QEvent::Type doneType = QEvent::Type(QEvent::User + 100);
    explicit WaveDoneEvent(std::unique_ptr<WaveBuffer> done)
        : QEvent(doneType), buffer(std::move(done))
    {
    }
    std::unique_ptr<WaveBuffer> buffer;
};

class WaveOutput
{
  public:
    virtual ~WaveOutput() = default;

    // Opens the output for this format, done-events going to window. False, holding nothing,
    // when there is no device or it does not take the format.
    virtual bool open(const AudioFormat &format, QObject *window) = 0;
    // Holds the output back while blocks are queued; restart lets it play them.
    virtual void pause() = 0;
    virtual void restart() = 0;
    virtual void write(std::unique_ptr<WaveBuffer> buffer) = 0;
    // Stops at once and returns every queued block (each still gets its done-event).
    virtual void reset() = 0;
    virtual void close() = 0;
};

} // namespace video
