// SPDX-License-Identifier: GPL-3.0-or-later
// Records are read from the data folder at each completion and written back at once, so two
// windows of the game never lose each other's records for long.
#include "session/record_keeping.h"

#include "sources/records_file.h"

#include <QDateTime>

void RecordKeeping::setPicture(Identity identity, const QString &name)
{
    m_identify = std::move(identity);
    m_identity.reset();
    m_name = name;
}

QString RecordKeeping::completed(int rows, int cols, int gameType, int moves, qint64 milliseconds)
{
    if (m_hintUsed)
        return {};
    if (!m_identity)
        m_identity = m_identify ? m_identify() : QString();
    if (m_identity->isEmpty())
        return {};
    const QString path = sources::recordsPath();
    game::RecordBook book = sources::loadRecords(path);
    const game::RecordNews news = book.offer({*m_identity, rows, cols, gameType}, m_name,
                                             milliseconds, moves, QDateTime::currentDateTimeUtc());
    // An unwritable data folder only means no records.
    if (!news.any() || !sources::saveRecords(path, book))
        return {};
    return game::recordNote(news);
}
