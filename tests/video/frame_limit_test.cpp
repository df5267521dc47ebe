// SPDX-License-Identifier: GPL-3.0-or-later
// Videos whose frames declare a size over 8192 x 8192 while their headers state a small one
// are refused when opened, as a header over the limit is.
#include "avi_fixtures.h"
#include "video/media/media_file.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// Sets the size in every baseline JPEG frame header (SOF0) of an MJPEG file; the number of
// headers patched. Scan data stuffs every 0xff with a zero, so the marker is never data.
int setJpegFrameSizes(QByteArray &bytes, quint16 width, quint16 height)
{
    int patched = 0;
    for (qsizetype at = bytes.indexOf("\xff\xc0"); at >= 0 && at + 9 <= bytes.size();
         at = bytes.indexOf("\xff\xc0", at + 2)) {
        qToBigEndian(height, bytes.data() + at + 5);
        qToBigEndian(width, bytes.data() + at + 7);
        ++patched;
    }
    return patched;
}

} // namespace

TEST(FrameLimits, FramesDeclaringMoreThanTheLimitAreRefusedWithTheirFile)
{
    PINDREL_REQUIRE_FFMPEG();
    const struct
    {
        const char *file;
        quint16 width, height; // 0: frames left as encoded
        bool opens;
    } cases[] = {
        {"as-encoded.avi", 0, 0, true},    {"limit.avi", 8192, 1024, true},
        {"huge.avi", 16000, 16000, false}, {"wide.avi", 9000, 1024, false},
        {"tall.avi", 1024, 8193, false},   {"huge.mkv", 16000, 16000, false},
    };
    QTemporaryDir folder;
    for (const auto &test : cases) {
        SCOPED_TRACE(test.file);
        const QString path = folder.filePath(test.file);
        // Noise keeps each frame over a megabyte: FFmpeg's decoder refuses a frame size far
        // beyond what its packet could code.
        ASSERT_TRUE(videotest::makeSourceVideo(path,
                                               "color=gray:s=1024x1024:r=25,noise=alls=100:allf=t",
                                               3, {"-c:v", "mjpeg", "-q:v", "1"}));
        if (test.width > 0) {
            QByteArray bytes = videotest::readFile(path);
            ASSERT_EQ(setJpegFrameSizes(bytes, test.width, test.height), 3);
            ASSERT_TRUE(videotest::writeFile(path, bytes));
        }
        const std::unique_ptr<video::VideoSource> media = video::openVideoFile(path);
        EXPECT_EQ(media != nullptr, test.opens);
        if (media) {
            EXPECT_EQ(media->videoInfo().width, 1024);
        }
    }
}
