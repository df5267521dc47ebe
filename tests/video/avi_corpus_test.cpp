// SPDX-License-Identifier: GPL-3.0-or-later
// The video layer on every real-world AVI of the shared corpus: what opens, its index, its frames.
#include "frame_checks.h"
#include "support/corpus.h"
#include "video/media/media_file.h"

#include <QDir>
#include <QHash>

#include <gtest/gtest.h>

#include <map>

using namespace video;
using namespace videotest;

namespace {

enum class Frames
{
    All,
    SomeDamaged,
    Refused
};

struct Expectation
{
    qint32 width = 0;
    qint32 height = 0;
    qint32 length = 0; // frames by the index; header lengths that differ are noted
    bool audio = false;
    Frames frames = Frames::All;
};

const std::map<QString, Expectation> expectations = {
    {"audio_only_adpcm_ima_dk3.avi", {0, 0, 0, false, Frames::Refused}},
    {"broken_xvid_truncated_10KB.avi", {0, 0, 0, false, Frames::Refused}}, // no frame stored
    // Truncated without index: the scan finds what is left (headers say 326, 2822, 50848).
    {"broken_cinepak_truncated_400x187.avi", {400, 187, 79, true, Frames::SomeDamaged}},
    {"broken_msvideo1_truncated_200x100.avi", {200, 100, 116, true, Frames::SomeDamaged}},
    {"broken_tscc_truncated_1024x768.avi", {1024, 768, 161, true, Frames::SomeDamaged}},
    {"cinepak_176x144.avi", {176, 144, 30}},
    {"corrupt_xvid_frames_720x528.avi", {720, 528, 270}}, // decodes, to damaged pictures
    {"divx5_mp3_512x384.avi", {512, 384, 600, true}},
    {"huffyuv_176x144.avi", {176, 144, 30}},
    {"indeo5_176x144.avi", {176, 144, 30}},
    {"mjpeg_422_ac3_468x312.avi", {468, 312, 9, true}}, // 3 stored frames span 9
    {"mjpeg_pcm_s16le_32x24.avi", {32, 24, 20, true}},
    {"mpeg4_fmp4_1024x768.avi", {1024, 768, 10}},
    {"mpeg4_fmp4_mp3_320x180.avi", {320, 180, 30, true}},
    {"mpeg4_mp2_190x240.avi", {190, 240, 60, true}},
    {"mpeg4_single_frame_240x240.avi", {240, 240, 1}},
    {"msrle8_272x60.avi", {272, 60, 34}},
    {"msvideo1_pal8_160x120.avi", {160, 120, 225}},
    {"msvideo1_rgb555_148x148.avi", {148, 148, 30}},
    {"raw_bgr24_176x144.avi", {176, 144, 1}},
    {"raw_uyvy_176x144.avi", {176, 144, 1}},
    {"raw_y8_gray_176x144.avi", {176, 144, 1}},
    {"raw_yuy2_176x144.avi", {176, 144, 1}},
    {"vcr2_pcm_s16le_176x144.avi", {176, 144, 157, true}},
    {"wmv3_176x144.avi", {176, 144, 30}},
    {"xvid_ac3_720x528.avi", {720, 528, 270, true}},
    {"xvid_mp3_10x5.avi", {10, 5, 39, true}},
};

// Every frame in order, then a spread of them out of order, which must match.
void checkFrames(VideoSource &media, const Expectation &expected)
{
    const QHash<qint32, size_t> inOrder = framesInOrder(media, expected.frames == Frames::All);
    if (expected.frames == Frames::SomeDamaged) {
        EXPECT_NE(inOrder.value(media.videoInfo().start), 0u) << "the first frame decodes";
    }
    expectSameOutOfOrder(media, inOrder);
}

TEST(AviCorpus, EveryFileOpensAsRecordedAndItsFramesDecode)
{
    PINDREL_REQUIRE_CORPUS(corpus);
    const QDir dir(corpus + "/avi");
    const QStringList files = dir.entryList({"*.avi"}, QDir::Files, QDir::Name);
    EXPECT_GE(files.size(), 27);
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        const auto found = expectations.find(file);
        ASSERT_NE(found, expectations.end()) << "no expectation recorded for a new corpus file";
        const Expectation &expected = found->second;
        const auto media = openVideoFile(dir.filePath(file));
        if (expected.frames == Frames::Refused) {
            EXPECT_EQ(media, nullptr);
            continue;
        }
        ASSERT_TRUE(media);
        expectStreamFacts(*media, expected.length, QSize(expected.width, expected.height),
                          expected.audio);
        checkFrames(*media, expected);
    }
}

} // namespace
