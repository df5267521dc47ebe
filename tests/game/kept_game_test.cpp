// SPDX-License-Identifier: GPL-3.0-or-later
// The kept game's text form: what is written reads back the same, and nothing impossible is
// ever taken from a kept file.
#include "game/kept_game.h"

#include "game/shuffle.h"

#include <gtest/gtest.h>

using game::KeptGame;

namespace {

KeptGame played(int gameType)
{
    game::GameState state;
    state.rows = 3;
    state.cols = 4;
    state.gameType = gameType;
    game::randomBlocks(state, 1234);
    KeptGame kept;
    kept.source = KeptGame::Source::Video;
    kept.path = QStringLiteral("/videos/clip.mp4");
    kept.hash = QStringLiteral("sha256:00ff");
    kept.videoFrame = 417;
    kept.rows = state.rows;
    kept.cols = state.cols;
    kept.gameType = gameType;
    kept.blockList = state.blockList;
    kept.gapCell = state.gapCell;
    kept.dimSelected = false;
    kept.dimIncorrect = true;
    kept.grid = true;
    kept.moves = 12;
    kept.milliseconds = 83'250;
    kept.done = {{1, 2}, {5, 9}};
    kept.undone = {{3, 4}};
    kept.hintUsed = true;
    return kept;
}

} // namespace

TEST(KeptGame, ReadsBackAsWritten)
{
    for (int gameType : {game::SwapBlocks, game::MoveBlocks}) {
        const KeptGame kept = played(gameType);
        const std::optional<KeptGame> read = KeptGame::fromJson(kept.toJson());
        ASSERT_TRUE(read) << gameType;
        EXPECT_EQ(read->source, kept.source);
        EXPECT_EQ(read->path, kept.path);
        EXPECT_EQ(read->hash, kept.hash);
        EXPECT_EQ(read->videoFrame, 417);
        EXPECT_EQ(read->blockList, kept.blockList);
        EXPECT_EQ(read->gapCell, kept.gapCell);
        EXPECT_EQ(read->gameType, gameType);
        EXPECT_FALSE(read->dimSelected);
        EXPECT_TRUE(read->dimIncorrect && read->grid && read->hintUsed);
        EXPECT_EQ(read->moves, 12);
        EXPECT_EQ(read->milliseconds, 83'250);
        ASSERT_EQ(read->done.size(), 2u);
        EXPECT_EQ(read->done[1].first, 5);
        EXPECT_EQ(read->done[1].second, 9);
        ASSERT_EQ(read->undone.size(), 1u);
        EXPECT_EQ(read->undone[0].second, 4);
    }
}

TEST(KeptGame, NothingImpossibleIsTaken)
{
    const auto text = [](auto change) {
        KeptGame kept = played(game::MoveBlocks);
        change(kept);
        return kept.toJson();
    };
    const QByteArray good = played(game::MoveBlocks).toJson();
    const auto edited = [&good](const char *from, const char *to) {
        return QByteArray(good).replace(from, to);
    };
    QByteArray billion = good;
    billion.replace("\"rows\": 3", "\"rows\": 1000000000");
    const struct
    {
        const char *what;
        QByteArray text;
    } cases[] = {
        {"empty", ""},
        {"not json", "kept game"},
        {"a json array", "[1, 2, 3]"},
        {"another format", edited("pindrel-kept-game", "pindrel-records")},
        {"a newer version", edited("\"version\": 1", "\"version\": 2")},
        {"no version", edited("\"version\"", "\"versio\"")},
        {"a grid of a billion rows", billion},
        {"a grid too small", text([](KeptGame &k) { k.rows = 2; })},
        {"an unknown source", edited("\"video\"", "\"tape\"")},
        {"a video without a path", text([](KeptGame &k) { k.path.clear(); })},
        {"a tile twice", text([](KeptGame &k) { k.blockList[0] = k.blockList[1]; })},
        {"a tile too many", text([](KeptGame &k) { k.blockList.push_back(13); })},
        {"a cell off the board", text([](KeptGame &k) { k.blockList[0] = 99; })},
        {"already solved", text([](KeptGame &k) {
             for (int t = 1; t <= 12; ++t)
                 k.blockList[std::size_t(t - 1)] = t;
         })},
        {"an unsolvable slide",
         text([](KeptGame &k) { std::swap(k.blockList[0], k.blockList[1]); })},
        {"a negative clock", text([](KeptGame &k) { k.milliseconds = -1; })},
        {"a clock of years", text([](KeptGame &k) { k.milliseconds = 9'000'000'000'000; })},
        {"negative moves", text([](KeptGame &k) { k.moves = -3; })},
        {"a negative frame", text([](KeptGame &k) { k.videoFrame = -1; })},
        {"a move off the board", text([](KeptGame &k) {
             k.done.push_back({1, 13});
         })},
        {"a move of a cell with itself", text([](KeptGame &k) {
             k.undone.push_back({4, 4});
         })},
        {"a fractional clock", edited("83250", "83250.5")},
        {"a switch that is a number", edited("\"grid\": true", "\"grid\": 1")},
    };
    for (const auto &c : cases)
        EXPECT_FALSE(KeptGame::fromJson(c.text)) << c.what;
    EXPECT_TRUE(KeptGame::fromJson(good));
}
