// SPDX-License-Identifier: GPL-3.0-or-later
// The game on a Wayland compositor (weston's headless backend, started by the wrapper): it
// runs natively there, opens a picture and a video, goes in and out of full screen, shows a
// dialog and closes.
#include "../app/window_fixture.h"
#include "../video/avi_fixtures.h"
#include "app/open/command_line.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QTest>

TEST_F(WindowTest, WaylandSessionOpensPlaysAndCloses)
{
    ASSERT_EQ(QGuiApplication::platformName(), "wayland") << "not a native Wayland client";
    PINDREL_REQUIRE_FFMPEG();
    QTemporaryDir media;
    QImage picture(90, 60, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    const QString photo = media.filePath("photo.png");
    ASSERT_TRUE(picture.save(photo));
    const QString video = media.filePath("clip.avi");
    ASSERT_TRUE(videotest::makePatternVideo(video, {}, {"-c:v", "mjpeg"}));

    // What `pindrel photo.png` does at start.
    window->openRequested(*parseCommandLine({"pindrel", photo}));
    EXPECT_EQ(window->windowTitle(), "Pindrel - photo.png");
    EXPECT_EQ(window->boardView().solutionPicture().size(), QSize(90, 60));

    window->openChosenFile(video);
    EXPECT_EQ(window->windowTitle(), "Pindrel - clip.avi");
    ASSERT_TRUE(window->boardView().isVideo());
    const QImage first = window->boardView().solutionPicture().copy();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return window->boardView().solutionPicture() != first; }, 10'000))
        << "the video does not play";

    action("mnuFullScreen")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen(); }, 10'000));
    action("mnuFullScreen")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isFullScreen(); }, 10'000));

    // A dialog shows and takes its answer.
    QString caption, text;
    expectMessage(&caption, &text);
    window->openChosenFile(media.filePath("gone.png"));
    EXPECT_EQ(text, "Unable to open file.");

    window->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 10'000));
}
