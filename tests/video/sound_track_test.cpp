// SPDX-License-Identifier: GPL-3.0-or-later
// The sound reader on generated tone videos in each sound codec and container and on the corpus,
// and the sound device with no sound server.
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

#include <algorithm>
#include <limits>

using namespace video;
using namespace videotest;

namespace {

TEST(SoundTrack, EverySoundCodecOfEveryContainerReadsAsPcmFromAnySample)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct
    {
        const char *file;
        const char *encoder;
        QStringList options; // the sound codec, and the video codec where AVI's is not wanted
        SampleType format = SampleType::Int16; // stored PCM plays as it is; the rest is converted
        int rate = 44100;
        // How far a seek's first samples may land from where they were asked for: AVI's index
        // places them exactly; containers that time packets in milliseconds or pages place them
        // within a millisecond or so.
        int slack = 0;
        // In 16-bit steps, how far samples read again after a seek may differ. Stored PCM comes
        // back exactly; a decoder's filter state after a seek differs in the last bit or so,
        // where a sample's shift would differ by hundreds. Opus and Vorbis decoders have not
        // quite settled after the seek's 200 ms of preroll (under 1% of full scale, unheard).
        int tolerance = 8;
    } tracks[] = {
        {"pcm_s16le.avi", "pcm_s16le", {"-c:a", "pcm_s16le"}, SampleType::Int16, 44100, 0, 0},
        {"pcm_u8.avi", "pcm_u8", {"-c:a", "pcm_u8"}, SampleType::UInt8, 44100, 0, 0},
        {"mp3.avi", "libmp3lame", {"-c:a", "libmp3lame"}},
        {"mp2.avi", "mp2", {"-c:a", "mp2"}},
        {"ac3.avi", "ac3", {"-c:a", "ac3"}},
        {"adpcm.avi", "adpcm_ima_wav", {"-c:a", "adpcm_ima_wav"}},
        {"aac.mp4", "aac", {"-c:v", "libx264", "-c:a", "aac"}, SampleType::Int16, 44100, 64},
        {"opus.webm",
         "libopus",
         {"-c:v", "libvpx", "-c:a", "libopus"},
         SampleType::Int16,
         48000,
         64,
         64},
        {"vorbis.ogv",
         "libvorbis",
         {"-c:v", "libtheora", "-c:a", "libvorbis"},
         SampleType::Int16,
         44100,
         64,
         256},
        {"mp3.flv",
         "libmp3lame",
         {"-c:v", "flv", "-c:a", "libmp3lame"},
         SampleType::Int16,
         44100,
         64},
        {"mp2.mpg",
         "mp2",
         {"-c:v", "mpeg2video", "-c:a", "mp2", "-f", "vob"},
         SampleType::Int16,
         44100,
         64},
        {"ac3.mkv", "ac3", {"-c:v", "libx264", "-c:a", "ac3"}, SampleType::Int16, 44100, 64},
        {"aac.ts", "aac", {"-c:v", "libx264", "-c:a", "aac"}, SampleType::Int16, 44100, 64},
        {"wmav2.wmv", "wmav2", {"-c:v", "wmv2", "-c:a", "wmav2"}, SampleType::Int16, 44100, 64},
    };
    int others = 0;
    for (const auto &test : tracks) {
        SCOPED_TRACE(test.file);
        if (encoderMissing(test.encoder))
            continue;
        const QString path = dir.filePath(test.file);
        ASSERT_TRUE(makeToneVideo(path, 3, test.options));
        const auto media = openVideoFile(path);
        ASSERT_TRUE(media);
        AudioTrack *track = media->audioTrack();
        ASSERT_TRUE(track);
        const AudioFormat &format = track->format();
        EXPECT_EQ(format.sampleRate, test.rate);
        EXPECT_EQ(format.channelCount, 2);
        EXPECT_EQ(format.sampleType, test.format);
        EXPECT_EQ(track->timeToSample(1000), test.rate);
        // The sound where the first frame shows starts the track, within a tenth of a second.
        const qint64 atFirstFrame = track->timeToSample(media->frameTimeMs(0));
        EXPECT_LE(std::abs(atFirstFrame - track->start()), format.sampleRate / 10);

        // The tone one second after the first frame, and the same samples again after reading
        // elsewhere after and before them.
        const qint64 second = track->timeToSample(media->frameTimeMs(25));
        const qint64 tenth = format.sampleRate / 10;
        const int size = format.bytesPerFrame();
        const QByteArray atOneSecond = readSamples(*track, second, tenth);
        ASSERT_EQ(atOneSecond.size(), tenth * size);
        EXPECT_GT(rms(atOneSecond, format.sampleType), 0.04);
        for (const qint64 elsewhere :
             {second + format.sampleRate, second + 2 * format.sampleRate / 3,
              second - format.sampleRate / 2}) {
            SCOPED_TRACE(elsewhere < second ? "decoding on" : "after a seek back");
            readSamples(*track, elsewhere, 100);
            const QByteArray around =
                readSamples(*track, second - test.slack, tenth + 2 * test.slack);
            int closest = std::numeric_limits<int>::max();
            for (qint64 shift = 0; shift <= 2 * test.slack; ++shift)
                closest =
                    std::min(closest, largestDifference(around.mid(shift * size, tenth * size),
                                                        atOneSecond, format.sampleType));
            EXPECT_LE(closest, test.tolerance);
        }

        if (!path.endsWith(".avi")) {
            ++others;
            continue;
        }
        // A read across the end delivers what is left (a codec's last frame runs a little over).
        // The tone starts an AVI's track, so its end is known.
        qint64 read = 0;
        readSamples(*track, 3 * second - 100, second, &read);
        if (test.tolerance == 0) {
            EXPECT_EQ(read, 100);
        }
        EXPECT_GT(read, 0);
        EXPECT_LT(read, second / 2);
    }
    EXPECT_GE(others, 6);
}

TEST(SoundTrack, EveryRangeReadsToTheEndWhateverTheIndexKeyFlags)
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

TEST(SoundTrack, CorpusSoundTracksReadToTheirEnd)
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

TEST(SoundTrack, WithoutASoundServerNothingPlaysAndNothingIsReported)
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
