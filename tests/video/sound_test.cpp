// SPDX-License-Identifier: GPL-3.0-or-later
// Real sound through PulseAudio: a player's tone reaches a null sink, recorded from its
// monitor with parec and measured with sox. Runs under null_sink.sh, which starts the server.
#include "avi_fixtures.h"
#include "video/AVIPlay.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace videotest;

namespace {

// Records the null sink's monitor as 16-bit stereo at 44.1 kHz for as long as it runs.
class MonitorRecorder
{
  public:
    explicit MonitorRecorder(const QString &sink)
    {
        m_parec.start("parec", {"--latency-msec=20", "-d", sink + ".monitor", "--format=s16le",
                                "--rate=44100", "--channels=2"});
    }
    ~MonitorRecorder()
    {
        m_parec.kill();
        m_parec.waitForFinished();
    }
    // True once the recorder delivers sound, so what follows is not lost to its start-up.
    bool waitUntilRecording()
    {
        return m_parec.waitForStarted() && QTest::qWaitFor([this] {
                   m_parec.waitForReadyRead(10);
                   return m_parec.bytesAvailable() > 0;
               });
    }
    // The RMS amplitude (0 to 1) of what was recorded over the next `ms` milliseconds.
    double rmsOver(int ms, const QString &folder)
    {
        m_parec.readAll();
        QTest::qWait(ms); // the recording's length: sound plays in real time
        const QString path = folder + "/recorded.raw";
        if (!writeFile(path, m_parec.readAll()))
            return -1;
        QProcess sox;
        sox.start("sox", {"-t", "raw", "-r", "44100", "-e", "signed", "-b", "16", "-c", "2", path,
                          "-n", "stat"});
        if (!sox.waitForFinished(60000))
            return -1;
        // sox reports on its error output: "RMS     amplitude:     0.088388".
        for (const QByteArray &line : sox.readAllStandardError().split('\n')) {
            if (line.startsWith("RMS") && line.contains("amplitude:"))
                return line.mid(line.indexOf(':') + 1).trimmed().toDouble();
        }
        return -1;
    }

  private:
    QProcess m_parec;
};

// Runs only under null_sink.sh, recording its sink from the start, with a folder for the files.
class RealSound : public testing::Test
{
  protected:
    void SetUp() override
    {
        const QString sink = qEnvironmentVariable("PINDREL_NULL_SINK");
        if (sink.isEmpty())
            GTEST_SKIP() << "run through tests/video/null_sink.sh";
        PINDREL_REQUIRE_FFMPEG();
        ASSERT_TRUE(dir.isValid());
        recorder = std::make_unique<MonitorRecorder>(sink);
        ASSERT_TRUE(recorder->waitUntilRecording());
    }
    double rmsOver(int ms) { return recorder->rmsOver(ms, dir.path()); }

    QTemporaryDir dir;
    std::unique_ptr<MonitorRecorder> recorder;
};

// A player of the file in a parent of its own, painting opaquely, its sound on.
struct PlayerOf
{
    explicit PlayerOf(const QString &path)
    {
        player->SetTransparent(false);
        player->SetFileName(path);
    }
    QWidget parent;
    TDCAviPlayer *player = new TDCAviPlayer(&parent);
};

TEST_F(RealSound, APlayingVideoIsHeardUntilPlaySoundIsSwitchedOff)
{
    const ToneTrack tracks[] = {
        {"16-bit PCM", "pcm_s16le", {"-c:a", "pcm_s16le"}},
        {"MP3", "libmp3lame", {"-c:a", "libmp3lame", "-b:a", "128k"}},
    };
    for (const ToneTrack &track : tracks) {
        SCOPED_TRACE(track.name);
        if (encoderMissing(track.encoder))
            continue;
        const QString path = dir.filePath(QString(track.encoder) + ".avi");
        ASSERT_TRUE(makeToneVideo(path, 6, track.options));
        PlayerOf played(path);
        TDCAviPlayer *player = played.player;
        ASSERT_GT(player->FrameCount(), 0);
        player->Play(0, player->FrameCount() - 1, 0);
        // A sine of amplitude 1/8 has an RMS of 0.088; resampling and encoding keep it close.
        const double playing = rmsOver(2000);
        EXPECT_GT(playing, 0.04);
        EXPECT_GT(player->Position(), 0); // the picture went on meanwhile

        player->SetPlaySound(false);
        QTest::qWait(300); // what the server already held plays out, in real time
        const double switchedOff = rmsOver(1000);
        EXPECT_LT(switchedOff, 0.001);
        EXPECT_TRUE(player->Active());
        std::printf("%s: RMS %.4f playing, %.4f with Play Sound off\n", track.name, playing,
                    switchedOff);
    }
}

TEST_F(RealSound, SoundChunksWithoutKeyFlagsAreHeardThroughEveryLoopOfARange)
{
    for (const ToneTrack &track : oldToolTracks) {
        SCOPED_TRACE(track.name);
        if (encoderMissing(track.encoder))
            continue;
        const QString path = dir.filePath(QString(track.encoder) + ".avi");
        ASSERT_TRUE(makeToneVideoWithoutSoundKeys(path, 3, track.options));
        PlayerOf played(path);
        ASSERT_GE(played.player->FrameCount(), 75);
        // From frame 25 to the end at 25 per second: a two-second range from the middle of
        // the file, heard for four seconds, so it starts over twice.
        played.player->Play(25, played.player->FrameCount() - 1, 0);
        // The half-seconds count from the first sound heard: the server's stream takes a while
        // to start, longer on a loaded machine (a first half-second of RMS 0.032 was seen).
        ASSERT_TRUE(QTest::qWaitFor([this] { return rmsOver(100) > 0.04; }, 5000))
            << "no sound at all";
        for (int window = 0; window < 8; ++window) {
            const double rms = rmsOver(500);
            EXPECT_GT(rms, 0.04) << "in half-second " << window;
            std::printf("%s: RMS %.4f in half-second %d\n", track.name, rms, window);
        }
    }
}

} // namespace
