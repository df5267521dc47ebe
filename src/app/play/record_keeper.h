// SPDX-License-Identifier: GPL-3.0-or-later
// Personal records as the window shows them: the note beside the completion caption, and the
// records dialog.
#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QWidget;

class RecordKeeper : public QObject
{
    Q_OBJECT

  public:
    // The note lies beside the caption label and follows it: it hides when the caption hides.
    explicit RecordKeeper(QLabel *caption);

    // What a completed game improved, shown with its caption; nothing clears it.
    void showNote(const QString &note);

    // The "Records..." dialog.
    void showRecords(QWidget *parent);

    QLabel *note() const { return m_note; }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void placeNote();

    QLabel *m_caption;
    QLabel *m_note;
};
