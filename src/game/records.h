// SPDX-License-Identifier: GPL-3.0-or-later
// Personal records: the best time and the fewest moves per picture, grid size and game type,
// and the text form they are kept in.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace game {

struct RecordKey
{
    QString picture; // the file's content hash, or the address of a downloaded picture
    int rows = 0;
    int cols = 0;
    int gameType = 0;
    bool operator==(const RecordKey &) const = default;
};

struct Record
{
    RecordKey key;
    QString name; // what the player knows the picture by
    qint64 bestMilliseconds = 0;
    int fewestMoves = 0;
    QDateTime updated; // UTC
};

struct RecordNews
{
    bool bestTime = false;
    bool fewestMoves = false;
    bool any() const { return bestTime || fewestMoves; }
};

class RecordBook
{
  public:
    // A completed game; what it improved is kept with the time of now.
    RecordNews offer(const RecordKey &key, const QString &name, qint64 milliseconds, int moves,
                     const QDateTime &now);
    void clear() { m_records.clear(); }
    bool empty() const { return m_records.empty(); }
    std::vector<Record> newestFirst() const;

    QByteArray toJson() const;
    // Nothing when the text is not a record book of ours or any entry of it is out of range.
    static std::optional<RecordBook> fromJson(const QByteArray &text);

  private:
    std::vector<Record> m_records;
};

// The line shown beside the completion caption; empty when nothing improved.
QString recordNote(const RecordNews &news);

} // namespace game
