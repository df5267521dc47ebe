// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog: game type, grid size, restarting videos and the video refresh rate.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QSlider;
class TfrmMain;

class TfrmOptions : public QDialog
{
    Q_OBJECT

  public:
    explicit TfrmOptions(TfrmMain *main);

  private:
    QWidget *createHeader();
    QWidget *createGeneralPage();
    QWidget *createVideoPage();
    void FormCreate();
    void btnOKClick();

    TfrmMain *m_main;
    QComboBox *cboGameType = nullptr;
    QComboBox *cboColumns = nullptr;
    QComboBox *cboRows = nullptr;
    QCheckBox *chkRestartVideo = nullptr;
    QSlider *trackRefresh = nullptr;
};
