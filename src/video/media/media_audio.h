// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the first audio stream of a video file through FFmpeg as PCM samples: as stored when
// the device can take it, else decoded (MP3, AAC, Opus, Vorbis, AC-3, ADPCM, ...) and converted to
// 16 bits.
#pragma once

#include "video/audio_track.h"
#include "video/media/ffmpeg_handles.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

struct SwrContext;

namespace video {

class MediaAudio : public AudioTrack
{
  public:
    // nullptr when the file has no audio stream or its codec cannot be decoded. Never throws.
    static std::unique_ptr<MediaAudio> open(const QString &path);
    ~MediaAudio() override;

    const AudioFormat &format() const override { return m_output; }
    qint64 start() const override { return m_start; }
    // From the header's duration; when the file does not say, reads end where the data ends.
    qint64 length() const override { return m_length; }
    qint64 timeToSample(qint64 ms) const override;
    qint64 read(qint64 first, qint64 count, char *data) override;

  private:
    struct ResamplerFreer
    {
        void operator()(SwrContext *resampler) const;
    };

    MediaAudio() = default;
    bool chooseOutput();
    bool acceptInput(AVSampleFormat format, const AVChannelLayout &layout, int rate);
    bool matchesInput(const AVFrame &frame) const;
    std::optional<qint64> sampleAt(qint64 time) const;
    bool positionAt(qint64 sample);
    bool seekTo(qint64 sample);
    bool decodeMore();
    bool feedDecoder();
    bool appendFrame();
    qint64 pendingSamples() const;
    void consume(qint64 samples);

    FormatPtr m_format;
    CodecPtr m_codec;
    PacketPtr m_packet;
    FramePtr m_frame;
    // The decoded samples' format, channels and rate that m_resampler was built for (or that
    // play as stored when there is none); format NONE until one is set up.
    AVSampleFormat m_inputFormat = AV_SAMPLE_FMT_NONE;
    AVChannelLayout m_inputLayout{};
    int m_inputRate = 0;
    std::unique_ptr<SwrContext, ResamplerFreer> m_resampler;
    AVStream *m_stream = nullptr;
    AudioFormat m_output;
    qint64 m_start = 0;
    qint64 m_length = 0;

    // Decoded samples not yet read; the first of them is sample m_pendingStart.
    QByteArray m_pending;
    qsizetype m_pendingOffset = 0;
    qint64 m_pendingStart = 0;
    bool m_hasPosition = false; // m_pendingStart is known: a frame came out since the seek
    bool m_fresh = true;        // nothing read since the seek: earlier samples are silence
    bool m_draining = false;
};

} // namespace video
