// SPDX-License-Identifier: GPL-3.0-or-later
// The record book: what a completed game improves, and which texts are trusted.
#include "game/records.h"

#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

const QDateTime start = QDateTime(QDate(2026, 1, 1), QTime(12, 0), Qt::UTC);

} // namespace

TEST(RecordsTest, EachKeyKeepsItsBestTimeAndFewestMoves)
{
    const game::RecordKey a{QStringLiteral("sha256:aa"), 4, 4, 1};
    const game::RecordKey aMove{QStringLiteral("sha256:aa"), 4, 4, 2};
    const game::RecordKey aBig{QStringLiteral("sha256:aa"), 5, 4, 1};
    const struct
    {
        game::RecordKey key;
        qint64 milliseconds;
        int moves;
        bool bestTime, fewestMoves;
    } games[] = {
        {a, 90000, 40, true, true}, // the first game is both records
        {a, 95000, 38, false, true},     {a, 80000, 45, true, false},
        {a, 80000, 38, false, false},    // an equal result is no new record
        {aMove, 120000, 90, true, true}, // another game type is kept apart
        {aBig, 200000, 60, true, true},  // so is another grid
        {a, 70000, 30, true, true},
    };
    game::RecordBook book;
    int minute = 0;
    for (const auto &g : games) {
        const game::RecordNews news = book.offer(g.key, QStringLiteral("a.jpg"), g.milliseconds,
                                                 g.moves, start.addSecs(60 * ++minute));
        EXPECT_EQ(news.bestTime, g.bestTime) << minute;
        EXPECT_EQ(news.fewestMoves, g.fewestMoves) << minute;
    }
    const std::vector<game::Record> kept = book.newestFirst();
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept[0].key, a); // improved last
    EXPECT_EQ(kept[0].bestMilliseconds, 70000);
    EXPECT_EQ(kept[0].fewestMoves, 30);
    EXPECT_EQ(kept[1].key, aBig);
    EXPECT_EQ(kept[2].key, aMove);

    // Written and read back unchanged.
    const std::optional<game::RecordBook> again = game::RecordBook::fromJson(book.toJson());
    ASSERT_TRUE(again.has_value());
    const std::vector<game::Record> read = again->newestFirst();
    ASSERT_EQ(read.size(), kept.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].key, kept[i].key);
        EXPECT_EQ(read[i].name, kept[i].name);
        EXPECT_EQ(read[i].bestMilliseconds, kept[i].bestMilliseconds);
        EXPECT_EQ(read[i].fewestMoves, kept[i].fewestMoves);
        EXPECT_EQ(read[i].updated, kept[i].updated);
    }
}

TEST(RecordsTest, TextsThatAreNotOurRecordBookAreNotTrusted)
{
    const QByteArray entry = R"({"picture":"sha256:aa","name":"a.jpg","rows":4,"cols":4,)"
                             R"("gameType":1,"bestMilliseconds":1000,"fewestMoves":9,)"
                             R"("updated":"2026-01-01T12:00:00.000Z"})";
    const auto book = [](const QByteArray &records) {
        return R"({"format":"pindrel-records","version":1,"records":[)" + records + "]}";
    };
    const struct
    {
        QByteArray text;
        bool trusted;
    } cases[] = {
        {book(entry), true},
        {book(""), true},
        {"", false},
        {"{not json", false},
        {"[1, 2, 3]", false},
        {R"({"format":"someone-else","version":1,"records":[]})", false},
        {R"({"format":"pindrel-records","version":2,"records":[]})", false},
        {R"({"format":"pindrel-records","version":1,"records":{}})", false},
        {book(entry + "," + entry), false}, // the same key twice
        {book(QByteArray(entry).replace(R"("rows":4)", R"("rows":16)")), false},
        {book(QByteArray(entry).replace(R"("rows":4)", R"("rows":"4")")), false},
        {book(QByteArray(entry).replace(R"("gameType":1)", R"("gameType":3)")), false},
        {book(QByteArray(entry).replace(R"("fewestMoves":9)", R"("fewestMoves":-1)")), false},
        {book(QByteArray(entry).replace(R"("fewestMoves":9)", R"("fewestMoves":9.5)")), false},
        {book(QByteArray(entry).replace(R"("bestMilliseconds":1000)",
                                        R"("bestMilliseconds":1e300)")),
         false},
        {book(QByteArray(entry).replace(R"("sha256:aa")", R"("")")), false},
        {book(QByteArray(entry).replace("2026-01-01T12:00:00.000Z", "yesterday")), false},
        {book(QByteArray(entry).replace(R"("name":"a.jpg",)", "")), false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(game::RecordBook::fromJson(c.text).has_value(), c.trusted) << c.text.constData();
}
