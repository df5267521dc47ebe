// A shown main window and real mouse presses on its board.
#pragma once

#include "app/mainform.h"
#include "app/picture_view.h"

#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>


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
    // A real press in the middle of the 1-based cell as shown on the screen.
    void pressCell(int cell, Qt::MouseButton button = Qt::LeftButton);

    QTemporaryDir settingsDir;
    std::unique_ptr<TfrmMain> window;
};
