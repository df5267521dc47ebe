// SPDX-License-Identifier: GPL-3.0-or-later
// The about box.
#pragma once

#include <QDialog>

class TfrmAbout : public QDialog
{
    Q_OBJECT

  public:
    explicit TfrmAbout(QWidget *parent = nullptr);
};
