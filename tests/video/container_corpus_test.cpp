// SPDX-License-Identifier: GPL-3.0-or-later
// The video layer on every real-world video of the shared corpus but AVI, and on its GIFs:
// what opens, its frame count and upright size, its sound, and its frames in any order.
#include "frame_checks.h"
#include "support/corpus.h"
#include "video/media/media_file.h"

#include <QDir>

#include <gtest/gtest.h>

#include <map>

using namespace video;
using namespace videotest;

namespace {

struct Expectation
{
    qint32 width = 0; // upright, after the display rotation
    qint32 height = 0;
    qint32 length = 0;
    bool audio = false;
    bool allDecode = true;
    // Frames decoded after a seek are the ones decoded in order, pixel for pixel.
    bool exactAfterSeek = true;
};
constexpr Expectation refused{};

const std::map<QString, Expectation> expectations = {
    {"video/broken_mkv_h264_aac_truncated_100KB.mkv", {1280, 718, 12, true, false}},
    {"video/broken_mov_mjpeg_mdat_stripped_320x240.mov", refused}, // no sample table
    {"video/broken_mp4_malformed_free_box_no_moov.mp4", refused},
    {"video/broken_webm_vp9_fuzz_claims_12336x12336.webm", refused},   // beyond 8192
    {"video/broken_webm_vp9_invalid_bitstream_320x240.webm", refused}, // nothing decodes
    {"video/flv_h264_aac_1080x720.flv", {1080, 720, 30, true}},
    {"video/gif_animated_36frames_480x360.gif", {480, 360, 36}},
    {"video/m4v_h264_aac_640x356.m4v", {640, 356, 1, true}},
    {"video/mkv_h264_10bit_nocues_noseekhead_352x288.mkv", {352, 288, 5}},
    {"video/mkv_h264_ac3_1080x720.mkv", {1080, 720, 30, true}},
    {"video/mkv_hevc10_hdr10_transposed_560x320.mkv", {320, 560, 10}},
    {"video/mov_h264_aac_iphone4_rot90_480x272.mov", {272, 480, 106, true}},
    {"video/mov_hevc10_aac_iphone12promax_rot90_1920x1080.mov", {1080, 1920, 9, true}},
    {"video/mp4_av1_aac_1080x720.mp4", {1080, 720, 30, true}},
    {"video/mp4_h264_aac_320x240.mp4", {320, 240, 30, true}},
    {"video/mp4_h264_aac_4k_rot90_3840x2160.mp4", {2160, 3840, 18, true}},
    {"video/mp4_hevc_bframes_854x480.mp4", {854, 480, 30}},
    {"video/mp4_mpeg4part2_176x144.mp4", {176, 144, 15}},
    {"video/mpg_ps_mpeg2_mp2_640x426.mpg", {640, 426, 3, true}},
    {"video/not_mp4_text_placeholder.mp4", refused},
    {"video/ogv_theora_400x300.ogv", {400, 300, 160}},
    {"video/ts_h264_854x480.ts", {854, 480, 30}},
    {"video/webm_av1_426x240.webm", {426, 240, 600}},
    {"video/webm_vp8_vorbis_640x356.webm", {640, 356, 1, true}},
    {"video/webm_vp9_opus_320x240.webm", {320, 240, 82, true}},
    // Its WMV8 intra frames decode a little differently without the frames before them.
    {"video/wmv_wmv2_wmav2_320x240.wmv", {320, 240, 474, true, true, false}},
    // Still GIFs open as one frame; the window shows them as pictures.
    {"gif/broken_gif_bomb_claims_huge_canvas.gif", refused},
    {"gif/broken_gif_truncated_575x800.gif", refused},
    {"gif/gif_animated_dispose_previous_5frames_100x100.gif", {100, 100, 5}},
    {"gif/gif_interlaced_540x330.gif", {540, 330, 1}},
    {"gif/gif_still_128x128.gif", {128, 128, 1}},
    {"gif/gif_transparent_200x150.gif", {200, 150, 1}},
};

TEST(ContainerCorpus, EveryFileOpensAsRecordedAndItsFramesDecodeInAnyOrder)
{
    PINDREL_REQUIRE_CORPUS(corpus);
    const QDir root(corpus);
    QStringList files;
    for (const QString folder : {"video", "gif"})
        for (const QString &file : QDir(root.filePath(folder)).entryList(QDir::Files, QDir::Name))
            files << folder + "/" + file;
    EXPECT_GE(files.size(), 32);
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        const auto found = expectations.find(file);
        ASSERT_NE(found, expectations.end()) << "no expectation recorded for a new corpus file";
        const Expectation &expected = found->second;
        const auto media = openVideoFile(root.filePath(file));
        if (expected.length == 0) {
            EXPECT_EQ(media, nullptr);
            continue;
        }
        ASSERT_TRUE(media);
        expectStreamFacts(*media, expected.length, QSize(expected.width, expected.height),
                          expected.audio);
        const QHash<qint32, size_t> inOrder = framesInOrder(*media, expected.allDecode);
        EXPECT_NE(inOrder.value(0), 0u) << "the first frame decodes";
        expectSameOutOfOrder(*media, inOrder, expected.exactAfterSeek);
    }
}

} // namespace
