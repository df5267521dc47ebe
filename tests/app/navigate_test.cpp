// SPDX-License-Identifier: GPL-3.0-or-later
// Back and Forward through the folder's pictures, from buttons, menu and side buttons.
#include "window_fixture.h"

#include <QFile>
#include <QTest>
#include <QToolButton>

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
        listing = window->siblings();
        ASSERT_EQ(listing.size(), 3);
        openThroughDialog(pictures.filePath(listing.at(1)));
        ASSERT_EQ(window->siblingPosition(), 1);
    }

    QString shown() { return window->windowTitle().mid(QStringLiteral("Pindrel - ").size()); }

    QTemporaryDir pictures;
    QStringList listing;
};

TEST_F(NavigateTest, StepsRoundTheListBothWays)
{
    openMiddleOfThree();
    clickButton("btnForward");
    EXPECT_EQ(shown(), listing.at(2));
    clickButton("btnForward");
    EXPECT_EQ(shown(), listing.at(0)); // past the last comes the first
    EXPECT_EQ(window->state().blockList.size(), 16u);
    EXPECT_EQ(text("txtMoveCount"), "0");
    clickButton("btnBack");
    EXPECT_EQ(shown(), listing.at(2)); // before the first comes the last

    action("Back1")->trigger();
    EXPECT_EQ(shown(), listing.at(1));
    ASSERT_TRUE(action("Next1")->isEnabled());
    pressKeys(QStringLiteral("Ctrl+Alt+N"));
    EXPECT_EQ(shown(), listing.at(2));
}

TEST_F(NavigateTest, MouseSideButtonsStepToo)
{
    openMiddleOfThree();
    QTest::mouseRelease(board(), Qt::ForwardButton);
    EXPECT_EQ(shown(), listing.at(2));
    QTest::mouseRelease(board(), Qt::BackButton);
    EXPECT_EQ(shown(), listing.at(1));
    // With a key held the side button does nothing.
    QTest::mouseRelease(board(), Qt::BackButton, Qt::ShiftModifier);
    EXPECT_EQ(shown(), listing.at(1));
}

TEST_F(NavigateTest, LeavingTheSolutionViewShowsTheDarkenedPicture)
{
    openMiddleOfThree();
    action("mnuSolution")->trigger();
    ASSERT_FALSE(action("mnuSolution")->isEnabled());
    clickButton("btnForward");
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
    EXPECT_EQ(caption, "Pindrel");
    EXPECT_TRUE(message.contains(listing.at(2))) << message.toStdString();
    EXPECT_EQ(window->siblingPosition(), 2);
    clickButton("btnForward");
    EXPECT_EQ(shown(), listing.at(0));
}

TEST_F(NavigateTest, OneSiblingLeavesTheCommandsDisabled)
{
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    ASSERT_TRUE(image.save(pictures.filePath("only.jpg")));
    openThroughDialog(pictures.filePath("only.jpg"));
    EXPECT_EQ(window->siblingPosition(), 0);
    EXPECT_FALSE(find<QToolButton>("btnForward")->isEnabled());
    EXPECT_FALSE(action("Next1")->isEnabled());
    // The shortcut tests the button, so nothing happens.
    pressKeys(QStringLiteral("Ctrl+Alt+N"));
    EXPECT_EQ(window->windowTitle(), "Pindrel - only.jpg");
}
