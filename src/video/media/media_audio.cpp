// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a file's first audio stream, decoding it in order, seeking for a new range, and
// converting what the sound device cannot take as stored.
#include "video/media/media_audio.h"

#include "video/media/media_container.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <cstring>
#include <limits>

namespace video {

namespace {

// Further ahead than this a seek is cheaper than decoding on.
constexpr qint64 forwardLimitSeconds = 2;
// Sample numbers beyond this come from a damaged header (a rate or time base that overflows);
// inside it, sums and differences of sample numbers cannot overflow.
constexpr qint64 sampleLimit = std::numeric_limits<qint64>::max() / 4;
// A seek lands this far before the sample wanted: the first frames after a seek come out
// wrong (MP3's bit reservoir, AC-3's overlapping blocks, MP2's filter bank) and are dropped.
constexpr qint64 prerollMs = 200;

// The device format that plays FFmpeg's packed sample format unchanged, or Unknown.
SampleType storedFormat(AVSampleFormat format)
{
    switch (format) {
    case AV_SAMPLE_FMT_U8:
        return SampleType::UInt8;
    case AV_SAMPLE_FMT_S16:
        return SampleType::Int16;
    case AV_SAMPLE_FMT_S32:
        return SampleType::Int32;
    case AV_SAMPLE_FMT_FLT:
        return SampleType::Float;
    default:
        return SampleType::Unknown;
    }
}

AVSampleFormat packedFormat(SampleType type)
{
    switch (type) {
    case SampleType::UInt8:
        return AV_SAMPLE_FMT_U8;
    case SampleType::Int16:
        return AV_SAMPLE_FMT_S16;
    case SampleType::Int32:
        return AV_SAMPLE_FMT_S32;
    case SampleType::Float:
        return AV_SAMPLE_FMT_FLT;
    case SampleType::Unknown:
        break;
    }
    return AV_SAMPLE_FMT_NONE;
}

} // namespace

void MediaAudio::ResamplerFreer::operator()(SwrContext *resampler) const
{
    swr_free(&resampler);
}

std::unique_ptr<MediaAudio> MediaAudio::open(const QString &path)
{
    FormatPtr format = openMediaContainer(path);
    if (!format)
        return nullptr;
    std::unique_ptr<MediaAudio> audio(new MediaAudio);
    audio->m_format = std::move(format);
    audio->m_stream = firstStream(*audio->m_format, AVMEDIA_TYPE_AUDIO);
    if (!audio->m_stream)
        return nullptr;
    audio->m_codec = openDecoder(*audio->m_stream->codecpar);
    if (!audio->m_codec)
        return nullptr;
    audio->m_packet.reset(av_packet_alloc());
    audio->m_frame.reset(av_frame_alloc());
    if (!audio->m_packet || !audio->m_frame || !audio->chooseOutput())
        return nullptr;

    // A start or length that is negative or overflows in samples refuses the track.
    const AVStream &stream = *audio->m_stream;
    const std::optional<qint64> start =
        stream.start_time != AV_NOPTS_VALUE ? audio->sampleAt(stream.start_time) : 0;
    const std::optional<qint64> length =
        stream.duration > 0 ? audio->sampleAt(stream.duration) : sampleLimit;
    if (!start || !length || *length < 0)
        return nullptr;
    audio->m_start = *start;
    audio->m_length = *length;
    return audio;
}

MediaAudio::~MediaAudio()
{
    av_channel_layout_uninit(&m_inputLayout);
}

// The sample number at `time` in the stream's time base; none when it lies beyond any track.
std::optional<qint64> MediaAudio::sampleAt(qint64 time) const
{
    // Overflow comes back as INT64_MIN.
    const qint64 sample =
        av_rescale_q(time, m_stream->time_base, AVRational{1, m_output.sampleRate});
    if (sample < -sampleLimit || sample > sampleLimit)
        return std::nullopt;
    return sample;
}

// Packed 8, 16 or 32-bit or float samples in mono or stereo play as stored; anything else
// (planar, compressed, more than two channels) is converted to 16-bit mono or stereo.
bool MediaAudio::chooseOutput()
{
    const AVCodecContext &codec = *m_codec;
    const int channels = codec.ch_layout.nb_channels;
    if (codec.sample_rate <= 0 || channels <= 0 || codec.sample_fmt == AV_SAMPLE_FMT_NONE)
        return false;
    const int outChannels = std::min(channels, 2);
    m_output.sampleRate = codec.sample_rate;
    m_output.channelCount = outChannels;
    const SampleType stored = storedFormat(codec.sample_fmt);
    m_output.sampleType =
        stored != SampleType::Unknown && channels == outChannels ? stored : SampleType::Int16;
    return acceptInput(codec.sample_fmt, codec.ch_layout, codec.sample_rate);
}

// Sets up for decoded samples of this format, channels and rate: they play as stored when they
// are in the output's already, else a converter turns them into it. The output never changes:
// the sound device was opened for it. False (and nothing set up) when they cannot be converted.
bool MediaAudio::acceptInput(AVSampleFormat format, const AVChannelLayout &layout, int rate)
{
    m_resampler.reset();
    m_inputFormat = AV_SAMPLE_FMT_NONE;
    av_channel_layout_uninit(&m_inputLayout);
    if (format == AV_SAMPLE_FMT_NONE || rate <= 0 || layout.nb_channels <= 0 ||
        av_channel_layout_copy(&m_inputLayout, &layout) < 0)
        return false;
    const AVSampleFormat output = packedFormat(m_output.sampleType);
    if (format != output || layout.nb_channels != m_output.channelCount ||
        rate != m_output.sampleRate) {
        AVChannelLayout in{}, out{};
        if (layout.order == AV_CHANNEL_ORDER_UNSPEC)
            av_channel_layout_default(&in, layout.nb_channels);
        else
            av_channel_layout_copy(&in, &layout);
        av_channel_layout_default(&out, m_output.channelCount);
        SwrContext *resampler = nullptr;
        const int made = swr_alloc_set_opts2(&resampler, &out, output, m_output.sampleRate, &in,
                                             format, rate, 0, nullptr);
        m_resampler.reset(resampler);
        av_channel_layout_uninit(&in);
        av_channel_layout_uninit(&out);
        if (made < 0 || swr_init(resampler) < 0) {
            m_resampler.reset();
            return false;
        }
    }
    m_inputFormat = format;
    m_inputRate = rate;
    return true;
}

// MP2 and MP3 decoders report the channels the stream really has once they decode it, which
// can differ from the header's; a converter fed another layout would read planes that do not
// exist.
bool MediaAudio::matchesInput(const AVFrame &frame) const
{
    return frame.format == m_inputFormat && frame.sample_rate == m_inputRate &&
           av_channel_layout_compare(&frame.ch_layout, &m_inputLayout) == 0;
}

qint64 MediaAudio::timeToSample(qint64 ms) const
{
    return av_rescale(ms, m_output.sampleRate, 1000);
}

qint64 MediaAudio::read(qint64 first, qint64 count, char *data)
{
    if (count <= 0 || count > sampleLimit || first < -sampleLimit || first > sampleLimit ||
        !positionAt(first))
        return 0;
    const int size = m_output.bytesPerFrame();
    qint64 done = 0;
    if (first < m_pendingStart) {
        // Before the track's first sound: silence (unsigned 8-bit silence is the middle value).
        done = std::min(count, m_pendingStart - first);
        const char silence = m_output.sampleType == SampleType::UInt8 ? char(0x80) : 0;
        std::memset(data, silence, size_t(done * size));
    }
    while (done < count) {
        const qint64 available = pendingSamples();
        if (available == 0) {
            if (!decodeMore())
                break;
            continue;
        }
        const qint64 taken = std::min(count - done, available);
        std::memcpy(data + done * size, m_pending.constData() + m_pendingOffset,
                    size_t(taken * size));
        consume(taken);
        done += taken;
    }
    return done;
}

// Makes `sample` the next one read, decoding on from here when it lies a little ahead and
// seeking otherwise. False when the track has nothing there.
bool MediaAudio::positionAt(qint64 sample)
{
    if (!m_hasPosition && !decodeMore())
        return false;
    if (m_fresh && sample <= m_pendingStart)
        return true;
    const qint64 forwardLimit = forwardLimitSeconds * m_output.sampleRate;
    if (sample < m_pendingStart || sample - m_pendingStart > forwardLimit) {
        const qint64 preroll = prerollMs * m_output.sampleRate / 1000;
        if (!seekTo(std::max(sample - preroll, m_start)) || !decodeMore())
            return false;
        if (sample <= m_pendingStart)
            return true;
    }
    while (sample > m_pendingStart) {
        const qint64 available = pendingSamples();
        if (available == 0 && !decodeMore())
            return false;
        consume(std::min(available, sample - m_pendingStart));
    }
    return true;
}

bool MediaAudio::seekTo(qint64 sample)
{
    m_pending.clear();
    m_pendingOffset = 0;
    m_hasPosition = false;
    m_fresh = true;
    m_draining = false;
    avcodec_flush_buffers(m_codec.get());
    const qint64 time =
        av_rescale_q(sample, AVRational{1, m_output.sampleRate}, m_stream->time_base);
    // Any sound chunk is a place to start, whatever the index's key-frame flags say: many
    // files leave the flag off every sound chunk. PCM starts at any sample, and a compressed
    // chunk's frames decode after the preroll; so the chunk at or before the time is taken.
    return av_seek_frame(m_format.get(), m_stream->index, std::max<qint64>(time, 0),
                         AVSEEK_FLAG_BACKWARD | AVSEEK_FLAG_ANY) >= 0;
}

// Decodes until at least one more sample is pending. False at the end of the data.
bool MediaAudio::decodeMore()
{
    for (;;) {
        const int received = avcodec_receive_frame(m_codec.get(), m_frame.get());
        if (received == 0) {
            const bool appended = appendFrame();
            av_frame_unref(m_frame.get());
            if (appended)
                return true;
            continue;
        }
        if (received == AVERROR_EOF || !feedDecoder())
            return false;
    }
}

bool MediaAudio::feedDecoder()
{
    return feedNextPacket(*m_format, *m_codec, *m_packet, m_stream->index, m_draining);
}

bool MediaAudio::appendFrame()
{
    const AVFrame &frame = *m_frame;
    // A frame that cannot be converted is dropped.
    if (frame.nb_samples <= 0 ||
        (!matchesInput(frame) &&
         !acceptInput(AVSampleFormat(frame.format), frame.ch_layout, frame.sample_rate)))
        return false;
    const int size = m_output.bytesPerFrame();
    const qsizetype before = m_pending.size();
    int samples = frame.nb_samples;
    if (m_resampler) {
        const int room = swr_get_out_samples(m_resampler.get(), frame.nb_samples);
        if (room <= 0)
            return false;
        m_pending.resize(before + qsizetype(room) * size);
        auto *out = reinterpret_cast<uint8_t *>(m_pending.data() + before);
        samples = swr_convert(m_resampler.get(), &out, room,
                              const_cast<const uint8_t **>(frame.extended_data), frame.nb_samples);
        m_pending.resize(before + qsizetype(std::max(samples, 0)) * size);
    } else {
        m_pending.append(reinterpret_cast<const char *>(frame.data[0]), qsizetype(samples) * size);
    }
    if (samples <= 0)
        return false;
    if (!m_hasPosition) {
        const qint64 time = frame.best_effort_timestamp;
        m_pendingStart = (time == AV_NOPTS_VALUE ? std::nullopt : sampleAt(time)).value_or(m_start);
        m_hasPosition = true;
    }
    return true;
}

qint64 MediaAudio::pendingSamples() const
{
    return (m_pending.size() - m_pendingOffset) / m_output.bytesPerFrame();
}

void MediaAudio::consume(qint64 samples)
{
    if (samples <= 0)
        return;
    m_fresh = false;
    m_pendingStart += samples;
    m_pendingOffset += qsizetype(samples) * m_output.bytesPerFrame();
    if (m_pendingOffset >= m_pending.size()) {
        m_pending.clear();
        m_pendingOffset = 0;
    }
}

} // namespace video
