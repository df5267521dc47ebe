// SPDX-License-Identifier: GPL-3.0-or-later
// Frames asked for at another size than the stream's come smoothly shrunk whatever the pixel
// format their codec decodes to, planar or not, and the frame at its own size stays as it was.
#include "avi_fixtures.h"
#include "frame_checks.h"
#include "video/media/media_file.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ScaledFrames, EveryPixelFormatShrinksAsASmoothScaleOfTheFullFrame)
{
    PINDREL_REQUIRE_FFMPEG();
    struct Case
    {
        const char *decodedAs;
        QStringList options;
        const char *file;
    };
    const Case cases[] = {
        {"yuv420p", {"-c:v", "mpeg4", "-q:v", "2"}, "a.avi"},
        {"yuvj420p", {"-c:v", "mjpeg", "-q:v", "2"}, "b.avi"},
        {"yuv444p", {"-c:v", "ffv1", "-pix_fmt", "yuv444p"}, "c.mkv"},
        {"gray", {"-c:v", "ffv1", "-pix_fmt", "gray"}, "d.mkv"},
        {"bgr0, no planes", {"-c:v", "ffv1", "-pix_fmt", "bgr0"}, "e.mkv"},
        {"yuv422p", {"-c:v", "ffv1", "-pix_fmt", "yuv422p"}, "f.mkv"},
        {"yuva420p, a plane of alpha", {"-c:v", "ffv1", "-pix_fmt", "yuva420p"}, "g.mkv"},
    };
    QTemporaryDir folder;
    for (const Case &test : cases) {
        SCOPED_TRACE(test.decodedAs);
        const QString path = folder.filePath(test.file);
        ASSERT_TRUE(videotest::makeSourceVideo(path, "gradients=s=320x240:rate=25:n=4:seed=1", 3,
                                               test.options));
        const std::unique_ptr<video::VideoSource> media = video::openVideoFile(path);
        ASSERT_TRUE(media);
        const QImage full = media->frame(1);
        ASSERT_EQ(full.size(), QSize(320, 240));
        // Halved, odd sizes (whose chroma rows and columns round up), a pixel less.
        for (const QSize size : {QSize(160, 120), QSize(97, 73), QSize(319, 239)}) {
            SCOPED_TRACE(size.width());
            const QImage shrunk = media->scaledFrame(1, size);
            ASSERT_EQ(shrunk.size(), size);
            ASSERT_EQ(shrunk.format(), QImage::Format_RGB32);
            const QImage expected =
                full.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            // Up to 4.7 levels on these gradients; U and V exchanged make 40 to 97.
            EXPECT_LT(videotest::meanChannelDifference(shrunk, expected), 6.0);
        }
        EXPECT_EQ(media->frame(1), full);
    }
}
