// SPDX-License-Identifier: GPL-3.0-or-later
// The player control over in-memory videos: its frame clock, loops, events, sound calls
// and drawing.
#include "fake_video.h"
#include "support/qt_printers.h"

#include <QTest>
#include <gtest/gtest.h>

using testvideo::colourOfFrame;
using testvideo::FakeVideo;

namespace {

video::VideoStreamInfo streamOf(qint32 length, quint32 scale = 1, quint32 rate = 25,
                                QSize size = {30, 20}, qint32 start = 0)
{
    return {start, length, size.width(), size.height(), scale, rate};
}

class PlayerTest : public ::testing::Test
{
  protected:
    PlayerTest()
    {
        player = new TDCAviPlayer(&parent);
        player->SetTransparent(false);
        for (auto [signal, name] : {std::pair{&TDCAviPlayer::OnOpen, "open"},
                                    {&TDCAviPlayer::OnClose, "close"},
                                    {&TDCAviPlayer::OnStart, "start"},
                                    {&TDCAviPlayer::OnStop, "stop playing"}})
            QObject::connect(player, signal, [this, name] { log << QLatin1String(name); });
        player->setWaveOutput(std::make_unique<testvideo::RecordingWave>(log));
    }

    // Every file name opens the stream given, or fails when there is none. With audio, its
    // track is 8-bit mono at 8 kHz (320 samples a frame at 25 frames a second) unless told.
    void open(std::optional<video::VideoStreamInfo> info, const QString &name = "a.avi",
              bool audio = false, QPoint marker = {-1, -1},
              video::AudioFormat format = testvideo::audioFormat(8000, 1, video::SampleType::UInt8))
    {
        player->setVideoOpener([=, this](const QString &) -> std::unique_ptr<video::VideoSource> {
            if (!info)
                return nullptr;
            auto track = audio ? std::make_unique<testvideo::FakeTrack>(log, format) : nullptr;
            return std::make_unique<FakeVideo>(*info, std::move(track), marker);
        });
        player->SetFileName(name);
    }

    // What the log shows of a sound started at sample `first` whose first block holds
    // `count` samples of `bytes` bytes each.
    static QStringList sound(qint64 first, qint64 count, int bytes = 1)
    {
        return {"wave open", "wave pause", QStringLiteral("read %1+%2").arg(first).arg(count),
                QStringLiteral("wave write %1").arg(count * bytes), "wave restart"};
    }
    inline static const QStringList silence{"wave reset", "wave close"};

    void tick()
    {
        video::FrameTickEvent event;
        QCoreApplication::sendEvent(player, &event);
    }

    QRgb paintedColour(QPoint at = {0, 0})
    {
        QImage picture(player->size(), QImage::Format_RGB32);
        picture.fill(Qt::black);
        player->PaintTo(picture, 0, 0);
        return picture.pixel(at);
    }

    QStringList log; // outlives the player, which still reports while it is destroyed
    QWidget parent;
    TDCAviPlayer *player;
};

TEST_F(PlayerTest, TicksAdvanceOneFrameAndLoopOverTheRange)
{
    // A rate of 0 refuses the ticker's period, so only the ticks sent here advance.
    struct Case
    {
        qint32 from, to;
        int count;
        std::vector<qint32> positions; // after each tick
        int stopsAfterTick;            // 0: never stops
    } cases[] = {
        {0, 3, 0, {1, 2, 3, 0, 1, 2, 3, 0}, 0},
        {1, 3, 2, {2, 3, 1, 2, 3, 4}, 6},
        {3, 1, 0, {3, 3, 3}, 0},
        {65534, 69999, 0, {65535, 65536, 65537}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "Play(" << c.from << ", " << c.to << ", " << c.count << ")");
        open(streamOf(70000, 1, 0), QString::number(c.from));
        player->Play(c.from, c.to, c.count);
        EXPECT_TRUE(player->Active());
        for (std::size_t i = 0; i < c.positions.size(); ++i) {
            tick();
            EXPECT_EQ(player->Position(), c.positions[i]) << "tick " << i + 1;
            EXPECT_EQ(player->Active(), c.stopsAfterTick == 0 || int(i + 1) < c.stopsAfterTick);
        }
        EXPECT_EQ(paintedColour(), colourOfFrame(player->Position()));
    }
}

TEST_F(PlayerTest, FramePeriodIsTheStreamRateRoundedToMilliseconds)
{
    const struct
    {
        quint32 scale, rate, period;
    } cases[] = {{1, 25, 40}, {1001, 30000, 33}, {1, 15, 67}, {0, 25, 0}, {1, 0, 0xffffffffu}};
    for (const auto &c : cases) {
        open(streamOf(10, c.scale, c.rate), QStringLiteral("%1/%2").arg(c.scale).arg(c.rate));
        log.clear();
        player->Play(0, 9, 0);
        EXPECT_EQ(player->FramePeriod(), c.period) << c.scale << "/" << c.rate;
        // A refused period still counts as playing.
        EXPECT_TRUE(player->Active());
        EXPECT_EQ(log, QStringList{"start"});
        player->Stop();
    }
}

TEST_F(PlayerTest, TheTickerPostsTicksWhilePlaying)
{
    open(streamOf(1000, 1, 100));
    player->Play(0, 999, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return player->Position() >= 3; }, 5000));
    player->Stop();
    EXPECT_FALSE(player->Active());
}

TEST_F(PlayerTest, EventsAndSoundCallsComeInOrder)
{
    open(streamOf(4, 1, 0), "a.avi", true);
    player->Play(0, 3, 0);
    for (int i = 0; i < 4; ++i)
        tick();
    // Each pass of the range starts the sound afresh at its first frame.
    EXPECT_EQ(log, (QStringList{"open", "start"} + sound(0, 960) + silence + sound(0, 960)));

    // Another file while playing: it plays its own whole range.
    log.clear();
    open(streamOf(6, 1, 0, {30, 20}, 2), "b.avi");
    EXPECT_EQ(log, (silence + QStringList{"stop playing", "close", "open", "start"}));
    EXPECT_TRUE(player->Active());
    EXPECT_EQ(player->StartFrame(), 2);
    EXPECT_EQ(player->StopFrame(), 5);
    EXPECT_EQ(player->Position(), 2);

    // The same name again does nothing; a new position stops playback for good.
    log.clear();
    player->SetFileName("b.avi");
    player->SetPosition(2);
    EXPECT_TRUE(log.isEmpty());
    player->SetPosition(100);
    EXPECT_EQ(log, QStringList{"stop playing"});
    EXPECT_EQ(player->Position(), 5);
    player->SetPosition(-3);
    EXPECT_EQ(player->Position(), 0);
    EXPECT_FALSE(player->Active());
}

TEST_F(PlayerTest, SoundStartsWhereTheRangesFirstFrameStarts)
{
    const struct
    {
        video::VideoStreamInfo stream;
        qint32 from, to;
        video::AudioFormat format;
        QStringList sound;
    } cases[] = {
        // 25 frames a second over 8 kHz mono: 320 samples a frame, the range shorter than a block.
        {streamOf(10, 1, 0), 0, 3, testvideo::audioFormat(8000, 1, video::SampleType::UInt8),
         sound(0, 960)},
        // Frames numbered from 2: frame 2 starts 80 ms into the file.
        {streamOf(10, 1, 0, {30, 20}, 2), 2, 5,
         testvideo::audioFormat(8000, 1, video::SampleType::UInt8), sound(640, 960)},
        // 29.97 frames a second: frame 10 starts at 333 ms, sample 14685 of 44.1 kHz; blocks
        // of 16-bit stereo hold 512 samples, and eight of them go out before output starts.
        {streamOf(100, 1001, 30000), 10, 20,
         testvideo::audioFormat(44100, 2, video::SampleType::Int16),
         QStringList{"wave open", "wave pause", "read 14685+512", "wave write 2048"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "Play(" << c.from << ", " << c.to << ")");
        open(c.stream, QStringLiteral("%1-%2").arg(c.from).arg(c.to), true, {-1, -1}, c.format);
        log.clear();
        player->Play(c.from, c.to, 0);
        player->Stop();
        EXPECT_EQ(log.mid(1, c.sound.size()), c.sound);
    }
}

TEST_F(PlayerTest, SoundFollowsThePlaySoundSwitchAndStopsWithThePicture)
{
    open(streamOf(10, 1, 0), "a.avi", true);
    player->Play(0, 9, 0);
    tick();
    tick();
    log.clear();
    // Switched back on, the sound starts again at the current frame.
    player->SetPlaySound(false);
    player->SetPlaySound(true);
    player->Stop();
    const QStringList restarted{"wave open",       "wave pause",    "read 640+2048",
                                "wave write 2048", "read 2688+192", "wave write 192",
                                "wave restart"};
    EXPECT_EQ(log, (silence + restarted + silence + QStringList{"stop playing"}));

    // A tick queued before the stop still loops the position, but brings no sound back.
    log.clear();
    player->SetPosition(9);
    tick();
    EXPECT_EQ(player->Position(), 0);
    // Switched on while stopped: nothing plays until playback starts.
    player->SetPlaySound(false);
    player->SetPlaySound(true);
    EXPECT_TRUE(log.isEmpty());

    // No sound track: nothing is asked of the sound side.
    open(streamOf(10, 1, 0), "silent.avi", false);
    log.clear();
    player->Play(0, 9, 0);
    for (int i = 0; i < 12; ++i)
        tick();
    EXPECT_EQ(log, QStringList{"start"});
}

TEST_F(PlayerTest, AFailedOpenHoldsNothingAndKeepsTheLastFrameSize)
{
    open(streamOf(8, 1, 25, {64, 48}));
    log.clear();
    open(std::nullopt, "not-a-video.avi");
    EXPECT_EQ(log, QStringList{"close"});
    EXPECT_EQ(player->FrameCount(), 0);
    EXPECT_EQ(player->FrameWidth(), 64);
    EXPECT_EQ(player->FrameHeight(), 48);
    log.clear();
    player->Play(0, 65535, 0);
    EXPECT_FALSE(player->Active());
    EXPECT_TRUE(log.isEmpty());

    // Clearing the name closes nothing more and leaves the control filled with its colour.
    player->SetColor(Qt::blue);
    player->SetFileName(QString());
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(paintedColour(), QColor(Qt::blue).rgb());
    EXPECT_EQ(player->grab().toImage().pixel(5, 5), QColor(Qt::blue).rgb());
}

TEST_F(PlayerTest, FramesAreLaidOutAsTheSwitchesSay)
{
    // The white marker sits at (10, 5) of every 30 x 20 frame.
    const QPoint marker(10, 5);
    open(streamOf(3, 1, 0), "a.avi", false, marker);
    EXPECT_EQ(player->size(), QSize(30, 20)); // AutoSize takes the frame's size
    EXPECT_EQ(paintedColour(marker), qRgb(255, 255, 255));
    EXPECT_EQ(paintedColour(), colourOfFrame(0));

    player->SetAutoSize(false);
    player->SetColor(Qt::blue);
    // Centred in a smaller control: negative offsets show the middle of the frame.
    player->resize(10, 10);
    EXPECT_EQ(paintedColour({0, 0}), qRgb(255, 255, 255));
    // Centred in a larger control: the bands around the frame take the colour on screen.
    player->resize(50, 40);
    const QImage onScreen = player->grab().toImage();
    EXPECT_EQ(onScreen.pixel(0, 0), QColor(Qt::blue).rgb());
    EXPECT_EQ(onScreen.pixel(49, 39), QColor(Qt::blue).rgb());
    EXPECT_EQ(onScreen.pixel(10 + marker.x(), 10 + marker.y()), qRgb(255, 255, 255));
    // Stretched over the whole control.
    player->SetStretch(true);
    EXPECT_EQ(paintedColour({0, 0}), colourOfFrame(0));
    EXPECT_EQ(paintedColour({49, 39}), colourOfFrame(0));
    // A hidden control paints nothing.
    player->hide();
    EXPECT_EQ(paintedColour(), qRgb(0, 0, 0));
}

} // namespace
