// SPDX-License-Identifier: GPL-3.0-or-later
// Failures that escape a handler are shown, and the program goes on.
#include "window_fixture.h"

#include <QCoreApplication>
#include <QEvent>
#include <stdexcept>

namespace {

class FailingHandler : public QObject
{
  public:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("the picture folder is gone");
        return QObject::event(event);
    }
};

} // namespace

TEST_F(WindowTest, AnEscapingFailureIsShownWithItsOwnText)
{
    QString caption, message;
    expectMessage(&caption, &message);
    FailingHandler handler;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&handler, &event);
    EXPECT_EQ(caption, "Pindrel");
    EXPECT_EQ(message, "the picture folder is gone");

    // The window still works afterwards.
    clickButton("btnRestart");
    EXPECT_TRUE(board()->isVisible());
}
