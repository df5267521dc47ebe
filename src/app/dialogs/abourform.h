// SPDX-License-Identifier: GPL-3.0-or-later
// The about box.
#pragma once

#include <QDialog>
#include <QImage>
#include <QUrl>

class TfrmAbout : public QDialog
{
    Q_OBJECT

  public:
    // The game's own picture beside the text, and where the player may write.
    TfrmAbout(const QImage &picture, const QUrl &contact, QWidget *parent = nullptr);
};
