// SPDX-License-Identifier: GPL-3.0-or-later
// The sound reader on tone videos in every new container, one sound codec each: the tone is
// read from any sample, and it lies on the video's time line.
#include "avi_fixtures.h"
#include "track_reading.h"
#include "video/media/media_file.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

using namespace video;
using namespace videotest;

namespace {

TEST(ContainerSound, EverySoundCodecOfTheNewContainersIsRead)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct
    {
        const char *file;
        const char *encoder;
        QStringList options; // video codec and sound codec
        // In 16-bit steps: Opus and Vorbis decoders have not quite settled after the seek's
        // 200 ms of preroll (under 1% of full scale, unheard).
        int tolerance = 8;
    } tracks[] = {
        {"aac.mp4", "aac", {"-c:v", "libx264", "-c:a", "aac"}},
        {"opus.webm", "libopus", {"-c:v", "libvpx", "-c:a", "libopus"}, 64},
        {"vorbis.ogv", "libvorbis", {"-c:v", "libtheora", "-c:a", "libvorbis"}, 256},
        {"mp3.flv", "libmp3lame", {"-c:v", "flv", "-c:a", "libmp3lame"}},
        {"mp2.mpg", "mp2", {"-c:v", "mpeg2video", "-c:a", "mp2", "-f", "vob"}},
        {"ac3.mkv", "ac3", {"-c:v", "libx264", "-c:a", "ac3"}},
        {"aac.ts", "aac", {"-c:v", "libx264", "-c:a", "aac"}},
        {"wmav2.wmv", "wmav2", {"-c:v", "wmv2", "-c:a", "wmav2"}},
    };
    int tested = 0;
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
        EXPECT_GT(format.sampleRate, 0);
        EXPECT_EQ(format.channelCount, 2);
        // The sound where the first frame shows starts the track, within a tenth of a second.
        const qint64 atFirstFrame = track->timeToSample(media->frameTimeMs(0));
        EXPECT_LE(std::abs(atFirstFrame - track->start()), format.sampleRate / 10);

        // The tone one second after the first frame, and the same samples again after reading
        // elsewhere. Containers that time packets in milliseconds or pages place a seek's
        // first samples within a millisecond or so: they may come back up to 64 samples off.
        const qint64 second = track->timeToSample(media->frameTimeMs(25));
        const qint64 tenth = format.sampleRate / 10;
        const int size = format.bytesPerFrame();
        const QByteArray atOneSecond = readSamples(*track, second, tenth);
        ASSERT_EQ(atOneSecond.size(), tenth * size);
        EXPECT_GT(rms(atOneSecond, format.sampleType), 0.04);
        readSamples(*track, second + 2 * format.sampleRate / 3, 100);
        const QByteArray around = readSamples(*track, second - 64, tenth + 128);
        int closest = std::numeric_limits<int>::max();
        for (qint64 shift = 0; shift <= 128; ++shift)
            closest = std::min(closest, largestDifference(around.mid(shift * size, tenth * size),
                                                          atOneSecond, format.sampleType));
        EXPECT_LE(closest, test.tolerance) << "after a seek back";
        ++tested;
    }
    EXPECT_GE(tested, 6);
}

} // namespace
