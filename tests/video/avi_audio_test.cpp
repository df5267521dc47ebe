// SPDX-License-Identifier: GPL-3.0-or-later
// The sound reader on generated tone AVIs in each sound codec and on the corpus, and the sound
// device with no sound server.
#include "avi_fixtures.h"
#include "support/corpus.h"
#include "track_reading.h"
#include "video/audio_play.h"
#include "video/media/media_audio.h"
#include "video/media/media_file.h"
#include "video/media/qt_wave_output.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

using namespace video;
using namespace videotest;

namespace {

TEST(AviAudio, EverySoundCodecReadsAsPcmFromAnySample)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct
    {
        const char *encoder;
        video::SampleType format; // stored PCM plays as it is; the rest is converted
        // Stored PCM comes back exactly; a decoder's filter state after a seek differs in the
        // last bit or so, where a sample's shift would differ by hundreds.
        bool exact;
    } codecs[] = {
        {"pcm_s16le", video::SampleType::Int16, true},
        {"pcm_u8", video::SampleType::UInt8, true},
        {"libmp3lame", video::SampleType::Int16, false},
        {"mp2", video::SampleType::Int16, false},
        {"ac3", video::SampleType::Int16, false},
        {"adpcm_ima_wav", video::SampleType::Int16, false},
    };
    const qint64 second = 44100;
    for (const auto &codec : codecs) {
        SCOPED_TRACE(codec.encoder);
        if (encoderMissing(codec.encoder))
            continue;
        const QString path = dir.filePath(QString(codec.encoder) + ".avi");
        ASSERT_TRUE(makeToneVideo(path, 3, {"-c:a", codec.encoder}));
        const auto media = openVideoFile(path);
        ASSERT_TRUE(media);
        AudioTrack *track = media->audioTrack();
        ASSERT_TRUE(track);
        EXPECT_EQ(track->format().sampleRate, 44100);
        EXPECT_EQ(track->format().channelCount, 2);
        EXPECT_EQ(track->format().sampleType, codec.format);
        EXPECT_EQ(track->timeToSample(1000), second);

        // The tone is there one second in, and the same samples come back after reading
        // elsewhere before and after them.
        const QByteArray atOneSecond = readSamples(*track, second, 4410);
        EXPECT_EQ(atOneSecond.size(), 4410 * track->format().bytesPerFrame());
        EXPECT_GT(rms(atOneSecond, codec.format), 0.04);
        readSamples(*track, 2 * second, 100);
        const int tolerance = codec.exact ? 0 : 8;
        EXPECT_LE(largestDifference(readSamples(*track, second, 4410), atOneSecond, codec.format),
                  tolerance)
            << "after a seek back";
        readSamples(*track, second / 2, 100);
        EXPECT_LE(largestDifference(readSamples(*track, second, 4410), atOneSecond, codec.format),
                  tolerance)
            << "decoding on";

        // A read across the end delivers what is left (a codec's last frame runs a little over).
        qint64 read = 0;
        readSamples(*track, 3 * second - 100, second, &read);
        if (codec.exact) {
            EXPECT_EQ(read, 100);
        }
        EXPECT_GT(read, 0);
        EXPECT_LT(read, second / 2);
    }
}

TEST(AviAudio, EveryRangeReadsToTheEndWhateverTheIndexKeyFlags)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const ToneTrack &tone : oldToolTracks) {
        SCOPED_TRACE(tone.name);
        if (encoderMissing(tone.encoder))
            continue;
        // The same file with and without key-frame flags on its sound chunks.
        const QString flagged = dir.filePath(QString(tone.encoder) + ".avi");
        ASSERT_TRUE(makeToneVideo(flagged, 4, tone.options));
        QByteArray bytes = readFile(flagged);
        ASSERT_TRUE(clearKeyFlags(bytes, "01wb"));
        const QString unflagged = dir.filePath(QString(tone.encoder) + "-unflagged.avi");
        ASSERT_TRUE(writeFile(unflagged, bytes));

        const auto reference = openVideoFile(flagged);
        const auto media = openVideoFile(unflagged);
        ASSERT_TRUE(reference && reference->audioTrack() && media && media->audioTrack());
        AudioTrack &track = *media->audioTrack();
        const int size = track.format().bytesPerFrame();
        const QByteArray whole = readInBlocks(*reference->audioTrack(), 0, 1 << 30);
        ASSERT_GT(whole.size(), track.timeToSample(3900) * size);
        // A range from the middle (a seek), the loop back to the start, a range one second in.
        const bool exact = track.format().sampleType == SampleType::UInt8;
        for (const qint64 ms : {2500, 0, 1000}) {
            SCOPED_TRACE(testing::Message() << "from " << ms << " ms");
            const qint64 first = track.timeToSample(ms);
            const QByteArray range = readInBlocks(track, first, 1 << 30);
            EXPECT_EQ(range.size(), whole.size() - first * size);
            EXPECT_LE(largestDifference(range, whole.mid(first * size), track.format().sampleType),
                      exact ? 0 : 8);
        }
    }
}

TEST(AviAudio, CorpusSoundTracksReadToTheirEnd)
{
    PINDREL_REQUIRE_CORPUS(corpus);
    const QDir dir(corpus + "/avi");
    int tracks = 0;
    for (const QString &file : dir.entryList({"*.avi"}, QDir::Files, QDir::Name)) {
        SCOPED_TRACE(file.toStdString());
        const auto media = openVideoFile(dir.filePath(file));
        AudioTrack *track = media ? media->audioTrack() : nullptr;
        if (!track)
            continue;
        ++tracks;
        // Until the data ends (at most ten minutes).
        const qint64 limit = track->timeToSample(600000);
        const qint64 sample =
            readInBlocks(*track, 0, limit).size() / track->format().bytesPerFrame();
        // Its header names an AC-3 track that holds no chunk.
        if (file != "mjpeg_422_ac3_468x312.avi") {
            EXPECT_GT(sample, 0);
        }
        EXPECT_LT(sample, limit);
    }
    EXPECT_GE(tracks, 11);
}

TEST(AviAudio, WithoutASoundServerNothingPlaysAndNothingIsReported)
{
    // The test runner points PULSE_SERVER nowhere; so does this, for a run by hand.
    qputenv("PULSE_SERVER", "unix:/nonexistent/pulse");
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("tone.avi");
    ASSERT_TRUE(makeToneVideo(path, 1, {"-c:a", "pcm_s16le"}));
    const auto media = openVideoFile(path);
    ASSERT_TRUE(media && media->audioTrack());
    TAudioPlay audio(std::make_unique<QtWaveOutput>());
    QObject window;
    EXPECT_FALSE(audio.Play(&window, media->audioTrack(), 0, 44100));
    EXPECT_FALSE(audio.Playing());
}

} // namespace
