// SPDX-License-Identifier: GPL-3.0-or-later
// Videos smaller than the grid show only pixels something wrote: the board and pictures of a
// red video, drawn in two processes whose fresh heap memory is filled differently, are red or
// black, and the pictures come out the same.
#include "window_fixture.h"

#include "../video/avi_fixtures.h"

#include <QCoreApplication>
#include <QPainter>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <QTimer>

namespace {

const char videoVariable[] = "PINDREL_TINY_VIDEO";
const char picturesVariable[] = "PINDREL_TINY_PICTURES";

// The three pictures of the video puzzle side by side: board, solution and dim source.
QImage shownPictures(const TfrmMain &window)
{
    const QImage *pictures[] = {&window.boardView().boardPicture(),
                                &window.boardView().solutionPicture(),
                                &window.boardView().dimPicture()};
    const QSize size = window.boardView().boardPicture().size();
    QImage strip(size.width() * 3, size.height(), QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    for (int i = 0; i < 3; ++i)
        painter.drawImage(i * size.width(), 0, *pictures[i]);
    return strip;
}

// Runs the drawing below in a process of its own whose fresh heap memory is filled with
// `fill` (glibc's MALLOC_PERTURB_, AddressSanitizer's malloc_fill_byte) and returns what it
// drew.
QImage drawnWithHeapFill(const QString &video, int fill, const QString &saveAs)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(videoVariable, video);
    environment.insert(picturesVariable, saveAs);
    environment.insert("MALLOC_PERTURB_", QString::number(fill));
    const QString asan = environment.value("ASAN_OPTIONS");
    environment.insert("ASAN_OPTIONS", (asan.isEmpty() ? QString() : asan + ':') +
                                           QStringLiteral("malloc_fill_byte=%1").arg(fill));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_also_run_disabled_tests",
                 "--gtest_filter=WindowTest.DISABLED_DrawTinyVideoPictures"});
    EXPECT_TRUE(child.waitForFinished(120000));
    EXPECT_EQ(child.exitCode(), 0);
    return QImage(saveAs);
}

} // namespace

// Opens the video named by the environment, lets it play a little, refreshes the board once
// and saves the pictures. Run only as the child of the test below.
TEST_F(WindowTest, DISABLED_DrawTinyVideoPictures)
{
    const QString video = qEnvironmentVariable(videoVariable);
    ASSERT_FALSE(video.isEmpty());
    window->openChosenFile(video);
    ASSERT_TRUE(window->boardView().isVideo());
    auto *refresh = find<QTimer>("Timer1");
    QTest::qWait(200);
    refresh->stop();
    window->Timer1Timer();
    ASSERT_TRUE(shownPictures(*window).save(qEnvironmentVariable(picturesVariable)));
}

TEST(TinyVideos, ShowNoPixelFromUnwrittenMemory)
{
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir folder;
    for (const char *size : {"3x3", "4x3", "9x3"}) {
        SCOPED_TRACE(size);
        const QString video = folder.filePath(QStringLiteral("red%1.avi").arg(size));
        ASSERT_TRUE(videotest::makeSourceVideo(
            video, QStringLiteral("color=c=red:s=%1:r=25,format=bgr24").arg(size), 10,
            {"-c:v", "rawvideo", "-pix_fmt", "bgr24"}));
        const QImage first = drawnWithHeapFill(video, 0x55, folder.filePath("first.png"));
        const QImage second = drawnWithHeapFill(video, 0xaa, folder.filePath("second.png"));
        ASSERT_FALSE(first.isNull());
        ASSERT_EQ(first.size(), second.size());
        // Each process deals its own board; the pictures it is cut from are the same.
        const int pictureWidth = first.width() / 3;
        const QRect pictures(pictureWidth, 0, 2 * pictureWidth, first.height());
        EXPECT_EQ(first.copy(pictures), second.copy(pictures));
        for (const QImage &drawn : {first, second}) {
            int red = 0;
            for (int y = 0; y < drawn.height(); ++y)
                for (int x = 0; x < drawn.width(); ++x) {
                    const QRgb pixel = drawn.pixel(x, y) | 0xff000000u;
                    red += pixel == 0xffff0000u;
                    EXPECT_TRUE(pixel == 0xffff0000u || pixel == 0xff000000u)
                        << x << "," << y << ": " << std::hex << pixel;
                }
            EXPECT_GT(red, 0);
        }
    }
}
