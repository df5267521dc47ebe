// SPDX-License-Identifier: GPL-3.0-or-later
// A call waits for its window to be on screen, runs from the event loop, and runs once.
#include "app/widgets/once_exposed.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

TEST(OnceExposed, TheCallWaitsForTheWindowToShowAndRunsOnce)
{
    QWidget window;
    int calls = 0;
    callOnceExposed(&window, [&calls] { ++calls; });
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 0) << "ran before the window was shown";

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(QTest::qWaitFor([&calls] { return calls == 1; }));
    window.hide();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 1) << "ran again at the second showing";
}

TEST(OnceExposed, OnAShownWindowTheCallRunsFromTheEventLoop)
{
    QWidget window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    int calls = 0;
    callOnceExposed(&window, [&calls] { ++calls; });
    EXPECT_EQ(calls, 0) << "ran inside callOnceExposed, not from the event loop";
    EXPECT_TRUE(QTest::qWaitFor([&calls] { return calls == 1; }));
}
