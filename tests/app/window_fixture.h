// SPDX-License-Identifier: GPL-3.0-or-later
// A shown main window and real mouse presses on its board.
#pragma once

#include "app/navigate/sibling_navigation.h"
#include "app/widgets/picture_view.h"
#include "app/window/mainform.h"
#include "support/qt_printers.h"

#include <QAction>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

class WindowTest : public ::testing::Test
{
  protected:
    void SetUp() override;
    void TearDown() override;

    template <typename T> T *find(const char *name)
    {
        T *child = window->findChild<T *>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QAction *action(const char *name) { return find<QAction>(name); }
    QString text(const char *label) { return find<QLabel>(label)->text(); }
    PictureView *board() { return find<PictureView>("Image2"); }

    void clickButton(const char *name);
    // A key sequence typed at the window, as the window system delivers it: shortcuts work
    // even where a closed dialog kept the offscreen platform's focus.
    void pressKeys(const QString &keys);
    // A swap's red frame shows for a while before its tiles change places.
    void waitForSwapFrame();
    // A real press in the middle of the 1-based cell as shown on the screen, and its swap
    // carried out.
    void pressCell(int cell, Qt::MouseButton button = Qt::LeftButton);
    // Plays a Swap Blocks game to the end by clicks, each tile swapped into its home in turn.
    void solveBySwaps();

    // Runs act on the next modal dialog of the class once it is showing, from inside its
    // event loop.
    void whenModal(const char *className, std::function<void(QWidget *)> act);
    // Chooses a file in the Open dialog, or cancels it when path is empty.
    void openThroughDialog(const QString &path);
    // Closes the next message box with its default button and returns its caption and text.
    void expectMessage(QString *caption, QString *text);

    // Starts address's download as a picture link does and waits for its end.
    std::optional<TfrmMain::WebPicture>
    openFromWebAndWait(const QString &address, web::LinkOrigin origin = web::LinkOrigin::Page);
    // Waits for the end of address's download among those ends (a spy on webPictureEnded)
    // records; none when it does not come within a minute.
    static std::optional<TfrmMain::WebPicture> webPictureEnd(QSignalSpy &ends,
                                                             const QString &address);

    QTemporaryDir settingsDir;
    // The size SetUp gives the window; an empty one keeps the size the window chose itself.
    QSize windowSize{640, 520};
    std::unique_ptr<TfrmMain> window;
};
