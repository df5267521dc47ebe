// SPDX-License-Identifier: GPL-3.0-or-later
// Back and Forward through the folder's pictures, from buttons, menu and side buttons, and
// the moment the left picture stands dimmed before the next opens.
#include "window_fixture.h"

#include "app/navigate/leaving_moment.h"

#include <QFile>
#include <QTest>
#include <QToolButton>

#include <functional>

class NavigateTest : public WindowTest
{
  protected:
    // Three pictures told apart by width; opens the one in the middle of the listing.
    void openMiddleOfThree()
    {
        for (int width : {30, 40, 50}) {
            QImage image(width, 20, QImage::Format_RGB32);
            image.fill(Qt::darkGreen);
            ASSERT_TRUE(image.save(pictures.filePath(QStringLiteral("w%1.jpg").arg(width))));
        }
        // The listing order is the folder's own; learn it, then open its second entry.
        openThroughDialog(pictures.filePath(QStringLiteral("w30.jpg")));
        listing = window->navigation().files();
        ASSERT_EQ(listing.size(), 3);
        openThroughDialog(pictures.filePath(listing.at(1)));
        ASSERT_EQ(window->navigation().position(), 1);
    }

    QString shown() { return window->windowTitle().mid(QStringLiteral("Pindrel - ").size()); }

    // A step opens the next picture once the left one has stood dimmed a moment, during which
    // the board takes no presses: waits until it takes them again.
    void waitForStep()
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return board()->isEnabled(); }));
    }

    QTemporaryDir pictures;
    QStringList listing;
};

TEST_F(NavigateTest, StepsRoundTheListBothWays)
{
    openMiddleOfThree();
    clickButton("btnForward");
    waitForStep();
    EXPECT_EQ(shown(), listing.at(2));
    clickButton("btnForward");
    waitForStep();
    EXPECT_EQ(shown(), listing.at(0)); // past the last comes the first
    EXPECT_EQ(window->session().state().blockList.size(), 16u);
    EXPECT_EQ(text("txtMoveCount"), "0");
    clickButton("btnBack");
    waitForStep();
    EXPECT_EQ(shown(), listing.at(2)); // before the first comes the last

    action("Back1")->trigger();
    waitForStep();
    EXPECT_EQ(shown(), listing.at(1));
    ASSERT_TRUE(action("Next1")->isEnabled());
    pressKeys(QStringLiteral("Ctrl+Alt+N"));
    waitForStep();
    EXPECT_EQ(shown(), listing.at(2));
}

TEST_F(NavigateTest, MouseSideButtonsStepToo)
{
    openMiddleOfThree();
    QTest::mouseRelease(board(), Qt::ForwardButton);
    waitForStep();
    EXPECT_EQ(shown(), listing.at(2));
    QTest::mouseRelease(board(), Qt::BackButton);
    waitForStep();
    EXPECT_EQ(shown(), listing.at(1));
    // With a key held the side button does nothing: no moment even starts.
    QTest::mouseRelease(board(), Qt::BackButton, Qt::ShiftModifier);
    EXPECT_TRUE(board()->isEnabled());
    EXPECT_EQ(shown(), listing.at(1));
}

TEST_F(NavigateTest, LeavingTheSolutionViewShowsTheDarkenedPicture)
{
    openMiddleOfThree();
    action("mnuSolution")->trigger();
    ASSERT_FALSE(action("mnuSolution")->isEnabled());
    clickButton("btnForward");
    EXPECT_TRUE(find<PictureView>("ProEffectImage1")->isVisible());
    EXPECT_FALSE(find<PictureView>("imgSolution")->isVisible());
    waitForStep();
    EXPECT_EQ(shown(), listing.at(2));
    EXPECT_TRUE(board()->isVisible());
    EXPECT_FALSE(find<PictureView>("ProEffectImage1")->isVisible());
}

TEST_F(NavigateTest, ADeletedSiblingIsReportedAndSteppedPast)
{
    openMiddleOfThree();
    ASSERT_TRUE(QFile::remove(pictures.filePath(listing.at(2))));
    QString caption, message;
    expectMessage(&caption, &message);
    clickButton("btnForward");
    waitForStep();
    EXPECT_EQ(caption, "Pindrel");
    EXPECT_TRUE(message.contains(listing.at(2))) << message.toStdString();
    EXPECT_EQ(window->navigation().position(), 2);
    clickButton("btnForward");
    waitForStep();
    EXPECT_EQ(shown(), listing.at(0));
}

TEST_F(NavigateTest, OneSiblingLeavesTheCommandsDisabled)
{
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    ASSERT_TRUE(image.save(pictures.filePath("only.jpg")));
    openThroughDialog(pictures.filePath("only.jpg"));
    EXPECT_EQ(window->navigation().position(), 0);
    EXPECT_FALSE(find<QToolButton>("btnForward")->isEnabled());
    EXPECT_FALSE(action("Next1")->isEnabled());
    // The shortcut tests the button, so nothing happens.
    pressKeys(QStringLiteral("Ctrl+Alt+N"));
    EXPECT_EQ(window->windowTitle(), "Pindrel - only.jpg");
}

TEST_F(NavigateTest, DuringTheLeavingMomentStepsAreHeldAndOtherCommandsTakeOver)
{
    openMiddleOfThree();
    struct Row
    {
        const char *input;
        std::function<void()> during;
        int endsAt; // the position in the listing shown in the end
    };
    const Row rows[] = {
        {"nothing", [] {}, 2},
        {"Forward again", [&] { clickButton("btnForward"); }, 0},
        {"Back", [&] { clickButton("btnBack"); }, 1},
        // Pressed both ways, the held presses cost no step.
        {"Forward and Back",
         [&] {
             clickButton("btnForward");
             clickButton("btnBack");
         },
         2},
        {"the side button", [&] { QTest::mouseRelease(board(), Qt::ForwardButton); }, 0},
        {"a swap on the board",
         [&] {
             pressCell(1);
             pressCell(2);
         },
         2},
        // Restart deals the picture still up, and the step is dropped.
        {"Restart", [&] { pressKeys(QStringLiteral("F5")); }, 1},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.input);
        window->openChosenFile(pictures.filePath(listing.at(1)));
        clickButton("btnForward");
        // The click has returned with the left picture still up and the board held.
        EXPECT_EQ(shown(), listing.at(1));
        EXPECT_FALSE(board()->isEnabled());
        row.during();
        EXPECT_EQ(text("txtMoveCount"), "0");
        waitForStep();
        QTest::qWait(2 * LeavingMoment::durationMs); // time for a step that should not come
        EXPECT_EQ(shown(), listing.at(row.endsAt));
        EXPECT_TRUE(board()->isVisible());
        EXPECT_TRUE(window->session().clock().clockRunning());
        EXPECT_FALSE(window->session().solutionShown());
    }
}
