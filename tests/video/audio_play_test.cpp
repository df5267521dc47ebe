// SPDX-License-Identifier: GPL-3.0-or-later
// TAudioPlay against a recorded track and device: block sizes, the first queue, refills,
// the end of a range, stops, and reads that come up short.
#include "fake_video.h"

#include <gtest/gtest.h>

using testvideo::audioFormat;
using testvideo::FakeTrack;
using testvideo::RecordingWave;

namespace {

// Hands the done-events the device posts to the player's sound, as the player window does.
class Window : public QObject
{
  public:
    explicit Window(TAudioPlay &audio) : m_audio(audio) {}
    bool event(QEvent *event) override
    {
        if (event->type() != video::WaveDoneEvent::doneType)
            return QObject::event(event);
        m_audio.BufferDone(std::move(static_cast<video::WaveDoneEvent *>(event)->buffer));
        return true;
    }

  private:
    TAudioPlay &m_audio;
};

struct Sound
{
    explicit Sound(video::AudioFormat format, qint64 start = 0, qint64 length = 1000000)
        : track(log, format, start, length)
    {
        auto wave = std::make_unique<RecordingWave>(log);
        device = wave.get();
        audio = std::make_unique<TAudioPlay>(std::move(wave));
        window = std::make_unique<Window>(*audio);
    }
    bool play(qint64 from, qint64 to) { return audio->Play(window.get(), &track, from, to); }
    // The device finishes n blocks and their notices reach the window.
    void finish(int n)
    {
        device->finish(n);
        QCoreApplication::sendPostedEvents(window.get());
    }

    QStringList log;
    FakeTrack track;
    RecordingWave *device;
    std::unique_ptr<Window> window; // outlives the sound, which returns its blocks to it
    std::unique_ptr<TAudioPlay> audio;
};

QStringList writes(const QStringList &log)
{
    return log.filter("wave write");
}

TEST(AudioPlay, BlocksHoldWholeSamplesAndEightGoOutBeforeOutputStarts)
{
    const struct
    {
        const char *name;
        video::AudioFormat format;
        qint64 from, to;
        int blockBytes;
        QStringList queued; // the blocks written before output restarts
    } cases[] = {
        {"16-bit stereo", audioFormat(44100, 2, video::SampleType::Int16), 0, 100000, 2048,
         QStringList(8, "wave write 2048")},
        {"8-bit mono", audioFormat(11025, 1, video::SampleType::UInt8), 500, 100000, 2048,
         QStringList(8, "wave write 2048")},
        // 4096 bytes a sample: a block holds one sample.
        {"1024 channels of 32 bits", audioFormat(8000, 1024, video::SampleType::Int32), 0, 100,
         4096, QStringList(8, "wave write 4096")},
        {"a range shorter than a block",
         audioFormat(44100, 2, video::SampleType::Int16),
         10,
         110,
         2048,
         {"wave write 400"}},
        {"a range ending inside the eighth block", audioFormat(8000, 1, video::SampleType::UInt8),
         0, 7 * 2048 + 5, 2048, QStringList(7, "wave write 2048") + QStringList{"wave write 5"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Sound sound(c.format);
        EXPECT_TRUE(sound.play(c.from, c.to));
        EXPECT_EQ(sound.audio->BlockBytes(), c.blockBytes);
        EXPECT_EQ(sound.log.mid(0, 2), (QStringList{"wave open", "wave pause"}));
        EXPECT_EQ(sound.log.last(), "wave restart");
        EXPECT_EQ(writes(sound.log), c.queued);
        // The first read starts at the range's first sample.
        EXPECT_TRUE(sound.log.at(2).startsWith(QStringLiteral("read %1+").arg(c.from)));
    }
}

TEST(AudioPlay, RangesWithoutSoundOpenNoDevice)
{
    const struct
    {
        const char *name;
        qint64 from, to;
        bool refuse;
        bool plays;
        QString firstRead;
    } cases[] = {
        {"empty", 100, 100, false, false, {}},
        {"reversed", 200, 100, false, false, {}},
        {"a device that refuses the format", 0, 100, true, false, {}},
        // Negative bounds stand for the track's own start (1000) and end (1000 + 5000).
        {"negative bounds", -1, -1, false, true, "read 1000+2048"},
        {"a negative end", 5990, -1, false, true, "read 5990+10"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Sound sound(audioFormat(8000, 1, video::SampleType::UInt8), 1000, 5000);
        sound.device->refuse = c.refuse;
        EXPECT_EQ(sound.play(c.from, c.to), c.plays);
        EXPECT_EQ(sound.audio->Playing(), c.plays);
        EXPECT_EQ(sound.log.filter("read").value(0), c.firstRead);
        EXPECT_EQ(sound.log.contains("wave open"), c.refuse || c.plays);
        // Stopping without a device does nothing.
        sound.log.clear();
        sound.audio->Stop();
        EXPECT_EQ(sound.log.isEmpty(), !c.plays);
    }
}

TEST(AudioPlay, EachFinishedBlockIsReplacedUntilTheRangeEnds)
{
    // 8-bit mono: 2048 samples a block; 10 blocks and 100 samples in the range.
    Sound sound(audioFormat(8000, 1, video::SampleType::UInt8));
    ASSERT_TRUE(sound.play(0, 10 * 2048 + 100));
    sound.log.clear();
    sound.finish(1);
    EXPECT_EQ(sound.log, (QStringList{"read 16384+2048", "wave write 2048"}));
    sound.log.clear();
    sound.finish(8);
    // One more whole block, the last 100 samples, then nothing is left to read.
    EXPECT_EQ(sound.log, (QStringList{"read 18432+2048", "wave write 2048", "read 20480+100",
                                      "wave write 100"}));
    EXPECT_EQ(sound.audio->ReadSample(), sound.audio->EndSample());
    sound.log.clear();
    sound.finish(8);
    EXPECT_TRUE(sound.log.isEmpty()); // run dry, the device stays open until a stop
    EXPECT_TRUE(sound.device->queued.empty());

    // Stop, then a new range at once: the old blocks' notices only release them.
    ASSERT_TRUE(sound.play(4096, 100000));
    sound.finish(3);
    ASSERT_TRUE(sound.play(0, 100000));
    sound.log.clear();
    sound.audio->Stop();
    EXPECT_EQ(sound.log, (QStringList{"wave reset", "wave close"}));
    ASSERT_TRUE(sound.play(0, 100000));
    EXPECT_EQ(sound.device->queued.size(), 8u);
}

TEST(AudioPlay, AShortOrFailedReadEndsTheRangeWithWhatWasRead)
{
    const struct
    {
        const char *name;
        qint64 failFrom;
        QStringList written; // every block written, refills included
        QStringList reads;
    } cases[] = {
        // The third block stops 100 samples in: those play, and nothing more is asked.
        {"a short read",
         2 * 2048 + 100,
         {"wave write 2048", "wave write 2048", "wave write 100"},
         {"read 0+2048", "read 2048+2048", "read 4096+2048"}},
        // The read at the third block's start gets nothing: no block, no more reads.
        {"a read error",
         2 * 2048,
         {"wave write 2048", "wave write 2048"},
         {"read 0+2048", "read 2048+2048", "read 4096+2048"}},
        {"nothing at all", 0, {}, {"read 0+2048"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Sound sound(audioFormat(8000, 1, video::SampleType::UInt8));
        sound.track.failFrom = c.failFrom;
        EXPECT_TRUE(sound.play(0, 100000));
        for (int i = 0; i < 3; ++i)
            sound.finish(8);
        EXPECT_EQ(writes(sound.log), c.written);
        EXPECT_EQ(sound.log.filter("read"), c.reads);
        EXPECT_EQ(sound.audio->EndSample(), c.failFrom);
        // The range is over but the cycle is not broken: a new range plays.
        sound.track.failFrom = std::numeric_limits<qint64>::max();
        sound.log.clear();
        EXPECT_TRUE(sound.play(0, 100000));
        EXPECT_EQ(writes(sound.log).size(), 8);
    }
}

} // namespace
