// SPDX-License-Identifier: GPL-3.0-or-later
// Failures that escape a handler are shown, and the program goes on.
#include "window_fixture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTest>
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

// With no window of the game active (the player is in another program, or a window that went
// away had the focus), the box still belongs to the main window, so the window manager opens
// it over the game.
TEST_F(WindowTest, AFailureWhileNoWindowIsActiveIsShownOverTheMainWindow)
{
    {
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    }
    ASSERT_EQ(QApplication::activeWindow(), nullptr);
    QWidget *parent = nullptr;
    QString message;
    whenModal("QMessageBox", [&](QWidget *modal) {
        parent = modal->parentWidget();
        message = qobject_cast<QMessageBox *>(modal)->text();
        modal->close();
    });
    FailingHandler handler;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&handler, &event);
    EXPECT_EQ(message, "the picture folder is gone");
    EXPECT_EQ(parent, window.get());
}
