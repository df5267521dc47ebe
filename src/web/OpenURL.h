// SPDX-License-Identifier: GPL-3.0-or-later
// The Open URL dialog: one typed address for the web pane.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

class TfrmOpenURL : public QDialog
{
    Q_OBJECT

  public:
    explicit TfrmOpenURL(QWidget *parent = nullptr);

    QString address() const;

  protected:
    // Escape does not close it: neither button is bound to a key.
    void keyPressEvent(QKeyEvent *event) override;

  private:
    QLineEdit *txtInternet = nullptr;
    QPushButton *btnOK = nullptr;
    QPushButton *btnCancel = nullptr;
};
