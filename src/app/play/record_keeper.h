// SPDX-License-Identifier: GPL-3.0-or-later
// Personal records: which picture is being played, keeping a completed game's records, the
// note beside the completion caption, and the records dialog.
#pragma once

#include "game/records.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QWidget;

class RecordKeeper : public QObject
{
    Q_OBJECT

  public:
    // The note lies beside the caption label and follows it: it hides when the caption hides.
    explicit RecordKeeper(QLabel *caption);

    // Works out a picture's identity (empty: no records). Hashing a file costs a read of it,
    // so it runs only when a completed game has something to keep.
    using Identity = std::function<QString()>;

    // The picture now played: how to know it again, and the name shown for it.
    void setPicture(Identity identity, const QString &name);
    // A new game starts: it has used no hint yet.
    void newGame() { m_hintUsed = false; }
    void hintUsed() { m_hintUsed = true; }
    bool hintWasUsed() const { return m_hintUsed; }

    // Keeps what the completed game improved and shows it; a game that used hints keeps none.
    void completed(int rows, int cols, int gameType, int moves, qint64 milliseconds);

    // The "Records..." dialog.
    void showRecords(QWidget *parent);

    QLabel *note() const { return m_note; }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void placeNote();

    QLabel *m_caption;
    QLabel *m_note;
    Identity m_identify;
    std::optional<QString> m_identity; // once worked out
    QString m_name;
    bool m_hintUsed = false;
};
