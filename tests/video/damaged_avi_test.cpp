// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs that fuzzing the AVI path found faults with, read every way the game reads a video:
// each is refused, or plays what decodes.
#include "support/corpus.h"
#include "track_reading.h"
#include "video/media/media_audio.h"
#include "video/media/media_file.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace video;
using namespace videotest;

namespace {

void expectFrame(const QImage &image, const VideoStreamInfo &info)
{
    if (!image.isNull()) { // a damaged frame may not decode
        EXPECT_EQ(image.size(), QSize(info.width, info.height));
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
    }
}

// The whole track block by block from `first` (at most ten minutes of it), then a range from
// its middle.
void readTrack(AudioTrack &track, qint64 first)
{
    const AudioFormat &format = track.format();
    EXPECT_GT(format.sampleRate, 0);
    EXPECT_GT(format.bytesPerFrame(), 0);
    EXPECT_GE(track.start(), 0);
    EXPECT_GT(track.length(), 0);
    const qint64 limit = std::min(track.length(), track.timeToSample(600000));
    const qint64 read = readInBlocks(track, first, limit).size() / format.bytesPerFrame();
    EXPECT_LE(read, limit + 2048);
    readInBlocks(track, first + read / 2, limit);
}

TEST(DamagedAvi, FuzzingFindsAreRefusedOrPlayWhatDecodes)
{
    PINDREL_REQUIRE_FUZZ(fuzz);
    const QDir dir(fuzz + "/avi");
    const QStringList files = dir.entryList({"*.avi"}, QDir::Files, QDir::Name);
    EXPECT_FALSE(files.isEmpty()) << "no AVI in " << dir.path().toStdString();
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        const QString path = dir.filePath(file);
        if (const auto media = openVideoFile(path)) {
            const VideoStreamInfo &info = media->videoInfo();
            EXPECT_GT(info.length, 0);
            const qint32 inOrder = std::min(info.length, 300);
            for (qint32 number = info.start; number < info.start + inOrder; ++number)
                expectFrame(media->frame(number), info);
            for (qint64 step = 0; step < 24; ++step) {
                const qint32 number = info.start + qint32(step * 7919 % info.length);
                expectFrame(media->frame(number), info);
            }
            // The sound from where the first frame starts, as the player asks for it.
            if (AudioTrack *track = media->audioTrack())
                readTrack(*track, track->timeToSample(media->frameTimeMs(info.start)));
        }
        // The sound reader on its own, as the player opens it.
        if (const auto audio = MediaAudio::open(path))
            readTrack(*audio, audio->start());
    }
}

} // namespace
