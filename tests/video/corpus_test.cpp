// SPDX-License-Identifier: GPL-3.0-or-later
// The video layer on every real-world video and GIF of the shared corpus, AVI or not.
#include "frame_checks.h"
#include "support/corpus.h"
#include "video/media/media_file.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

using namespace video;
using namespace videotest;

namespace {

enum class Decode
{
    All,
    Some, // damaged frames decode to null, but the first does not
    Refused
};

struct Expectation
{
    const char *file; // under the corpus folder
    qint32 width = 0; // upright, after the display rotation
    qint32 height = 0;
    qint32 length = 0; // frames by the index or the container
    bool audio = false;
    Decode decode = Decode::All;
    // Frames decoded after a seek are the ones decoded in order, pixel for pixel.
    bool exactAfterSeek = true;
    friend void PrintTo(const Expectation &row, std::ostream *out) { *out << row.file; }
};

constexpr Decode refused = Decode::Refused;

const Expectation expectations[] = {
    {"avi/audio_only_adpcm_ima_dk3.avi", 0, 0, 0, false, refused},
    {"avi/broken_xvid_truncated_10KB.avi", 0, 0, 0, false, refused}, // no frame stored
    // Truncated without index: the scan finds what is left (headers say 326, 2822, 50848).
    {"avi/broken_cinepak_truncated_400x187.avi", 400, 187, 79, true, Decode::Some},
    {"avi/broken_msvideo1_truncated_200x100.avi", 200, 100, 116, true, Decode::Some},
    {"avi/broken_tscc_truncated_1024x768.avi", 1024, 768, 161, true, Decode::Some},
    {"avi/cinepak_176x144.avi", 176, 144, 30},
    {"avi/corrupt_xvid_frames_720x528.avi", 720, 528, 270}, // decodes, to damaged pictures
    {"avi/divx5_mp3_512x384.avi", 512, 384, 600, true},
    {"avi/huffyuv_176x144.avi", 176, 144, 30},
    {"avi/indeo5_176x144.avi", 176, 144, 30},
    {"avi/mjpeg_422_ac3_468x312.avi", 468, 312, 9, true}, // 3 stored frames span 9
    {"avi/mjpeg_pcm_s16le_32x24.avi", 32, 24, 20, true},
    {"avi/mpeg4_fmp4_1024x768.avi", 1024, 768, 10},
    {"avi/mpeg4_fmp4_mp3_320x180.avi", 320, 180, 30, true},
    {"avi/mpeg4_mp2_190x240.avi", 190, 240, 60, true},
    {"avi/mpeg4_single_frame_240x240.avi", 240, 240, 1},
    {"avi/msrle8_272x60.avi", 272, 60, 34},
    {"avi/msvideo1_pal8_160x120.avi", 160, 120, 225},
    {"avi/msvideo1_rgb555_148x148.avi", 148, 148, 30},
    {"avi/raw_bgr24_176x144.avi", 176, 144, 1},
    {"avi/raw_uyvy_176x144.avi", 176, 144, 1},
    {"avi/raw_y8_gray_176x144.avi", 176, 144, 1},
    {"avi/raw_yuy2_176x144.avi", 176, 144, 1},
    {"avi/vcr2_pcm_s16le_176x144.avi", 176, 144, 157, true},
    {"avi/wmv3_176x144.avi", 176, 144, 30},
    {"avi/xvid_ac3_720x528.avi", 720, 528, 270, true},
    {"avi/xvid_mp3_10x5.avi", 10, 5, 39, true},
    {"video/broken_mkv_h264_aac_truncated_100KB.mkv", 1280, 718, 12, true, Decode::Some},
    {"video/broken_mov_mjpeg_mdat_stripped_320x240.mov", 0, 0, 0, false, refused}, // no samples
    {"video/broken_mp4_malformed_free_box_no_moov.mp4", 0, 0, 0, false, refused},
    {"video/broken_webm_vp9_fuzz_claims_12336x12336.webm", 0, 0, 0, false, refused}, // > 8192
    {"video/broken_webm_vp9_invalid_bitstream_320x240.webm", 0, 0, 0, false, refused},
    {"video/flv_h264_aac_1080x720.flv", 1080, 720, 30, true},
    {"video/gif_animated_36frames_480x360.gif", 480, 360, 36},
    {"video/m4v_h264_aac_640x356.m4v", 640, 356, 1, true},
    {"video/mkv_h264_10bit_nocues_noseekhead_352x288.mkv", 352, 288, 5},
    {"video/mkv_h264_ac3_1080x720.mkv", 1080, 720, 30, true},
    {"video/mkv_hevc10_hdr10_transposed_560x320.mkv", 320, 560, 10},
    {"video/mov_h264_aac_iphone4_rot90_480x272.mov", 272, 480, 106, true},
    {"video/mov_hevc10_aac_iphone12promax_rot90_1920x1080.mov", 1080, 1920, 9, true},
    {"video/mp4_av1_aac_1080x720.mp4", 1080, 720, 30, true},
    {"video/mp4_h264_aac_320x240.mp4", 320, 240, 30, true},
    {"video/mp4_h264_aac_4k_rot90_3840x2160.mp4", 2160, 3840, 18, true},
    {"video/mp4_hevc_bframes_854x480.mp4", 854, 480, 30},
    {"video/mp4_mpeg4part2_176x144.mp4", 176, 144, 15},
    {"video/mpg_ps_mpeg2_mp2_640x426.mpg", 640, 426, 3, true},
    {"video/not_mp4_text_placeholder.mp4", 0, 0, 0, false, refused},
    {"video/ogv_theora_400x300.ogv", 400, 300, 160},
    {"video/ts_h264_854x480.ts", 854, 480, 30},
    {"video/webm_av1_426x240.webm", 426, 240, 600},
    {"video/webm_vp8_vorbis_640x356.webm", 640, 356, 1, true},
    {"video/webm_vp9_opus_320x240.webm", 320, 240, 82, true},
    // Its WMV8 intra frames decode a little differently without the frames before them.
    {"video/wmv_wmv2_wmav2_320x240.wmv", 320, 240, 474, true, Decode::All, false},
    // Still GIFs open as one frame; the window shows them as pictures.
    {"gif/broken_gif_bomb_claims_huge_canvas.gif", 0, 0, 0, false, refused},
    {"gif/broken_gif_truncated_575x800.gif", 0, 0, 0, false, refused},
    {"gif/gif_animated_dispose_previous_5frames_100x100.gif", 100, 100, 5},
    {"gif/gif_interlaced_540x330.gif", 540, 330, 1},
    {"gif/gif_still_128x128.gif", 128, 128, 1},
    {"gif/gif_transparent_200x150.gif", 200, 150, 1},
};

TEST(MediaCorpusRows, EveryFileHasOne)
{
    PINDREL_REQUIRE_CORPUS(corpus);
    const auto expectRows = [&](const QStringList &folders, const QStringList &filter,
                                int atLeast) {
        int files = 0;
        for (const QString &folder : folders) {
            for (const QString &file : QDir(corpus + "/" + folder).entryList(filter, QDir::Files)) {
                const QString path = folder + "/" + file;
                ++files;
                EXPECT_TRUE(std::any_of(std::begin(expectations), std::end(expectations),
                                        [&](const Expectation &row) { return path == row.file; }))
                    << "no expectation recorded for the new corpus file " << path.toStdString();
            }
        }
        EXPECT_GE(files, atLeast) << folders.join(", ").toStdString();
    };
    expectRows({"avi"}, {"*.avi"}, 27);
    expectRows({"video", "gif"}, {}, 32);
}

class MediaCorpus : public testing::TestWithParam<Expectation>
{
};

// What opens, its frame count, upright size and sound, and its frames in order, then a spread
// of them out of order, which must match.
TEST_P(MediaCorpus, OpensAsRecordedAndItsFramesDecodeInAnyOrder)
{
    PINDREL_REQUIRE_CORPUS(corpus);
    const Expectation &expected = GetParam();
    const QString path = corpus + "/" + expected.file;
    ASSERT_TRUE(QFile::exists(path));
    const auto media = openVideoFile(path);
    if (expected.decode == Decode::Refused) {
        EXPECT_EQ(media, nullptr);
        return;
    }
    ASSERT_TRUE(media);
    expectStreamFacts(*media, expected.length, QSize(expected.width, expected.height),
                      expected.audio);
    const QHash<qint32, size_t> inOrder = framesInOrder(*media, expected.decode == Decode::All);
    EXPECT_NE(inOrder.value(0), 0u) << "the first frame decodes";
    expectSameOutOfOrder(*media, inOrder, expected.exactAfterSeek);
}

INSTANTIATE_TEST_SUITE_P(Files, MediaCorpus, testing::ValuesIn(expectations),
                         [](const testing::TestParamInfo<Expectation> &info) {
                             QString name = QString::fromLatin1(info.param.file);
                             name.replace(QRegularExpression("[^A-Za-z0-9]"), "_");
                             return name.toStdString();
                         });

} // namespace
