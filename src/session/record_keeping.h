// SPDX-License-Identifier: GPL-3.0-or-later
// Personal records of the picture being played: how it is known again, whether the game used
// hints, and what a completed game improved.
#pragma once

#include <QString>

#include <functional>
#include <optional>

class RecordKeeping
{
  public:
    // Works out a picture's identity (empty: no records). Hashing a file costs a read of it,
    // so it runs only when a completed game has something to keep.
    using Identity = std::function<QString()>;

    void setPicture(Identity identity, const QString &name);
    // A new game starts: it has used no hint yet.
    void newGame() { m_hintUsed = false; }
    void hintUsed() { m_hintUsed = true; }
    bool hintWasUsed() const { return m_hintUsed; }

    // Keeps what the completed game improved in the records file; the note telling it, or
    // nothing. A game that used hints keeps none.
    QString completed(int rows, int cols, int gameType, int moves, qint64 milliseconds);

  private:
    Identity m_identify;
    std::optional<QString> m_identity; // once worked out
    QString m_name;
    bool m_hintUsed = false;
};
