// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls: made once, found by their names, and handed to the parts of the
// window that show things in them.
#pragma once

class PictureView;
class ProgressGauge;
class QFileDialog;
class QFrame;
class QLabel;
class QMainWindow;
class QMenu;
class QToolBar;
class QToolButton;
class QWidget;

struct WindowParts
{
    // Tool strip.
    QWidget *toolStrip = nullptr;
    QFrame *bevelLine = nullptr;
    QToolBar *toolBar = nullptr;
    QToolButton *btnOpen = nullptr;
    QToolButton *btnWeb = nullptr;
    QToolButton *btnRestart = nullptr;
    QToolButton *btnBack = nullptr;
    QToolButton *btnForward = nullptr;
    QToolButton *btnOptions = nullptr;
    QLabel *txtMoveCount = nullptr;
    QLabel *txtStatus = nullptr;
    ProgressGauge *progressBar = nullptr;
    QMenu *mnuImageFiles = nullptr;

    // Picture area: all controls lie on the same rectangle, one stacking order for good, and
    // which one shows is a matter of visibility alone.
    QWidget *fraImages = nullptr;
    QWidget *fraSolution = nullptr;
    QWidget *fraBrowser = nullptr; // the web pane's frame
    PictureView *Image2 = nullptr;
    PictureView *imgSolution = nullptr;
    PictureView *ProEffectImage1 = nullptr;
    QLabel *txtInfo = nullptr;
    QLabel *txtInfoShadow = nullptr;

    QFileDialog *OpenDialog1 = nullptr; // made by openDialog

    // The Open dialog, made on first use: building it cost about a fifth of the start-up.
    QFileDialog *openDialog(QWidget *window);
};

// The tool strip, the bevel line and the picture area as the window's central widget.
WindowParts buildWindowParts(QMainWindow *window);
