// SPDX-License-Identifier: GPL-3.0-or-later
// The record book and its JSON form. Everything read back is checked: a file that is not
// ours, or has any entry out of range, is not trusted at all.
#include "game/records.h"

#include "game/game_state.h"
#include "game/stored_values.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace game {

using namespace stored;

namespace {

const QString formatName = QStringLiteral("pindrel-records");
constexpr int formatVersion = 1;

std::optional<Record> recordFrom(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject entry = value.toObject();
    if (!shortText(entry[QStringLiteral("picture")], false) ||
        !shortText(entry[QStringLiteral("name")], true) ||
        !wholeInRange(entry[QStringLiteral("rows")], minGridSize, maxGridSize) ||
        !wholeInRange(entry[QStringLiteral("cols")], minGridSize, maxGridSize) ||
        !wholeInRange(entry[QStringLiteral("gameType")], SwapBlocks, MoveBlocks) ||
        !wholeInRange(entry[QStringLiteral("bestMilliseconds")], 0, maxMilliseconds) ||
        !wholeInRange(entry[QStringLiteral("fewestMoves")], 0, maxMoves) ||
        !entry[QStringLiteral("updated")].isString())
        return std::nullopt;
    Record record;
    record.key = {entry[QStringLiteral("picture")].toString(),
                  entry[QStringLiteral("rows")].toInt(), entry[QStringLiteral("cols")].toInt(),
                  entry[QStringLiteral("gameType")].toInt()};
    record.name = entry[QStringLiteral("name")].toString();
    record.bestMilliseconds = qint64(entry[QStringLiteral("bestMilliseconds")].toDouble());
    record.fewestMoves = entry[QStringLiteral("fewestMoves")].toInt();
    record.updated =
        QDateTime::fromString(entry[QStringLiteral("updated")].toString(), Qt::ISODateWithMs);
    if (!record.updated.isValid())
        return std::nullopt;
    return record;
}

} // namespace

RecordNews RecordBook::offer(const RecordKey &key, const QString &name, qint64 milliseconds,
                             int moves, const QDateTime &now)
{
    auto found = std::find_if(m_records.begin(), m_records.end(),
                              [&key](const Record &record) { return record.key == key; });
    if (found == m_records.end()) {
        m_records.push_back({key, name, milliseconds, moves, now.toUTC()});
        return {true, true};
    }
    RecordNews news{milliseconds < found->bestMilliseconds, moves < found->fewestMoves};
    if (news.bestTime)
        found->bestMilliseconds = milliseconds;
    if (news.fewestMoves)
        found->fewestMoves = moves;
    if (news.any()) {
        found->updated = now.toUTC();
        found->name = name;
    }
    return news;
}

std::vector<Record> RecordBook::newestFirst() const
{
    std::vector<Record> sorted = m_records;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Record &a, const Record &b) { return a.updated > b.updated; });
    return sorted;
}

QByteArray RecordBook::toJson() const
{
    QJsonArray entries;
    for (const Record &record : m_records)
        entries.append(QJsonObject{
            {QStringLiteral("picture"), record.key.picture},
            {QStringLiteral("name"), record.name},
            {QStringLiteral("rows"), record.key.rows},
            {QStringLiteral("cols"), record.key.cols},
            {QStringLiteral("gameType"), record.key.gameType},
            {QStringLiteral("bestMilliseconds"), double(record.bestMilliseconds)},
            {QStringLiteral("fewestMoves"), record.fewestMoves},
            {QStringLiteral("updated"), record.updated.toUTC().toString(Qt::ISODateWithMs)},
        });
    const QJsonObject root{{QStringLiteral("format"), formatName},
                           {QStringLiteral("version"), formatVersion},
                           {QStringLiteral("records"), entries}};
    return QJsonDocument(root).toJson();
}

std::optional<RecordBook> RecordBook::fromJson(const QByteArray &text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    if (root[QStringLiteral("format")].toString() != formatName ||
        root[QStringLiteral("version")].toInt() != formatVersion ||
        !root[QStringLiteral("records")].isArray())
        return std::nullopt;
    RecordBook book;
    for (const QJsonValue &value : root[QStringLiteral("records")].toArray()) {
        std::optional<Record> record = recordFrom(value);
        if (!record)
            return std::nullopt;
        for (const Record &kept : book.m_records)
            if (kept.key == record->key)
                return std::nullopt;
        book.m_records.push_back(*record);
    }
    return book;
}

QString recordNote(const RecordNews &news)
{
    if (news.bestTime && news.fewestMoves)
        return QCoreApplication::translate("Records", "New record: best time and fewest moves");
    if (news.bestTime)
        return QCoreApplication::translate("Records", "New record: best time");
    if (news.fewestMoves)
        return QCoreApplication::translate("Records", "New record: fewest moves");
    return {};
}

} // namespace game
