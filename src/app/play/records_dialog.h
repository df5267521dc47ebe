// SPDX-License-Identifier: GPL-3.0-or-later
// The "Records..." dialog: every record kept, newest first, and a way to clear them.
#pragma once

#include <QDialog>

class QPushButton;
class QTableWidget;

class RecordsDialog : public QDialog
{
    Q_OBJECT

  public:
    RecordsDialog(const QString &recordsPath, QWidget *parent = nullptr);

  private:
    void fill();
    void clearRecords();

    QString m_path;
    QTableWidget *m_table;
    QPushButton *m_clear;
};
