// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog: game type, grid size, restarting videos and the video refresh rate.
#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QSlider;

// What OK hands back: the game the restart deals, and whether an open video starts over.
struct GameOptions
{
    int gameType;
    int rows;
    int cols;
    bool restartVideo;
};

// What the dialog shows as it opens, and what it weighs when OK restarts the game.
struct OptionsAtOpening
{
    GameOptions current;
    int refreshInterval; // milliseconds between two video frames
    bool videoPuzzle;    // restarting the video is offered only while one is open
    // The moves OK would throw away, counted as OK is pressed rather than as the dialog opens.
    std::function<int()> movesAtStake;
};

class TfrmOptions : public QDialog
{
    Q_OBJECT

  public:
    TfrmOptions(const OptionsAtOpening &opening, QWidget *parent);

  signals:
    // The slider acts at once, even when the dialog is cancelled afterwards.
    void refreshIntervalChanged(int milliseconds);
    // Sent after the dialog hides and before exec() returns, so the game restarts from
    // within the OK press.
    void optionsChosen(const GameOptions &chosen);

  private:
    QWidget *createHeader();
    QWidget *createGeneralPage();
    QWidget *createVideoPage();
    void FormCreate(const OptionsAtOpening &opening);
    void btnOKClick();

    std::function<int()> m_movesAtStake;
    QComboBox *cboGameType = nullptr;
    QComboBox *cboColumns = nullptr;
    QComboBox *cboRows = nullptr;
    QCheckBox *chkRestartVideo = nullptr;
    QSlider *trackRefresh = nullptr;
};
