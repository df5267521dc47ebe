// SPDX-License-Identifier: GPL-3.0-or-later
// A long video plays before its frame table has been read: frames by number in order, back and
// on again, far ahead, and a player that loops at the true end when the container's stated
// length was wrong. The table here comes only when the test lets it.
#include "avi_fixtures.h"
#include "video/AVIPlay.h"
#include "video/media/media_container.h"
#include "video/media/timed_video.h"

#include <QElapsedTimer>
#include <QLatin1String>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using namespace video;
using namespace videotest;

namespace {

// Reads the table only once let, or when the video cannot go on without it.
class HeldTables : public FrameTableSource
{
  public:
    explicit HeldTables(QString path, bool *waited) : m_path(std::move(path)), m_waited(waited) {}

    void let() { m_let = true; }

    std::optional<FrameTable> poll() override
    {
        if (!m_let)
            return std::nullopt;
        m_let = false;
        return read();
    }
    FrameTable wait() override
    {
        *m_waited = true;
        return read();
    }

  private:
    FrameTable read() const
    {
        FrameTable table;
        const FormatPtr format = openMediaContainer(m_path);
        AVStream *stream = format ? firstStream(*format, AVMEDIA_TYPE_VIDEO) : nullptr;
        if (!stream || !table.scan(*format, *stream, {}))
            return {};
        return table;
    }

    QString m_path;
    bool *m_waited;
    bool m_let = false;
};

struct HeldVideo
{
    std::unique_ptr<TimedVideo> media;
    HeldTables *tables = nullptr;
    bool waited = false;
};

void openHeld(HeldVideo &held, const QString &path)
{
    auto tables = std::make_unique<HeldTables>(path, &held.waited);
    held.tables = tables.get();
    held.media = TimedVideo::openWithTableFrom(openMediaContainer(path), path, std::move(tables));
}

TEST(LateFrameTable, FramesKeepTheirNumbersBeforeAndAfterTheTableComes)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Pattern pattern;
    int tested = 0;
    for (const ContainerSample &container : containerSamples) {
        SCOPED_TRACE(container.file);
        const QString path = makeContainerSample(dir.path(), container, pattern);
        if (path.isEmpty() || !container.exactAfterSeek)
            continue;
        HeldVideo held;
        openHeld(held, path);
        if (!held.media)
            continue; // the container states no length: its table is read before it plays
        ++tested;
        TimedVideo &media = *held.media;
        for (int number = 0; number < 20; ++number)
            EXPECT_EQ(patternNumber(media.frame(number), pattern), number) << "in order";
        // Back and on again, as Back and Forward and a restart ask.
        for (const int number : {5, 6, 7, 0, 1, 21})
            EXPECT_EQ(patternNumber(media.frame(number), pattern), number) << "back and on";
        EXPECT_FALSE(held.waited) << "nothing so far needed the table";

        held.tables->let();
        for (int number = 22; number < pattern.frames; ++number)
            EXPECT_EQ(patternNumber(media.frame(number), pattern), number) << "after the table";
        EXPECT_EQ(media.videoInfo().length, pattern.frames);
        EXPECT_EQ(media.frameTimeMs(25) - media.frameTimeMs(0), 1000);
        for (const int number : {0, 59, 31, 12, 13})
            EXPECT_EQ(patternNumber(media.frame(number), pattern), number) << "out of order";

        // A frame far ahead, or the last, waits for the table and then seeks to it.
        HeldVideo ahead;
        openHeld(ahead, path);
        ASSERT_TRUE(ahead.media);
        EXPECT_EQ(patternNumber(ahead.media->frame(pattern.frames - 1), pattern),
                  pattern.frames - 1);
        EXPECT_TRUE(ahead.waited);
    }
    EXPECT_GE(tested, 8);
}

TEST(LateFrameTable, APlayerLoopsAtTheTrueEndWhenTheStatedLengthWasShort)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Pattern pattern;
    // MPEG-1 in a program stream states no length; FFmpeg guesses its duration from the bit
    // rate, short of the 60 frames here.
    const auto mpeg1 = std::find_if(
        std::begin(containerSamples), std::end(containerSamples),
        [](const ContainerSample &sample) { return QLatin1String(sample.file) == "mpeg1.mpeg"; });
    ASSERT_NE(mpeg1, std::end(containerSamples));
    const QString path = makeContainerSample(dir.path(), *mpeg1, pattern);
    ASSERT_FALSE(path.isEmpty());
    bool waited = false;
    TDCAviPlayer player;
    player.setVideoOpener([&waited](const QString &file) -> std::unique_ptr<VideoSource> {
        return TimedVideo::openWithTableFrom(openMediaContainer(file), file,
                                             std::make_unique<HeldTables>(file, &waited));
    });
    player.SetFileName(path);
    ASSERT_GT(player.FrameCount(), 0);
    ASSERT_LT(player.FrameCount(), pattern.frames) << "the stated length is the short guess";
    player.Play(0, player.FrameCount() - 1, 0);
    int furthest = 0;
    bool looped = false;
    QElapsedTimer bound;
    bound.start();
    while (!looped && bound.elapsed() < 20000) {
        QTest::qWait(5);
        const int position = player.Position();
        looped = position < furthest;
        furthest = std::max(furthest, position);
    }
    player.Stop();
    EXPECT_TRUE(waited);
    EXPECT_TRUE(looped);
    EXPECT_EQ(furthest, pattern.frames - 1);
    EXPECT_EQ(player.FrameCount(), pattern.frames);
}

} // namespace
