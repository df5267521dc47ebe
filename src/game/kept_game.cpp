// SPDX-License-Identifier: GPL-3.0-or-later
// The kept game's JSON form. A kept file may be damaged, foreign, of a newer version or
// written by hand: nothing is taken from it unless all of it makes sense.
#include "game/kept_game.h"

#include "game/shuffle.h"
#include "game/stored_values.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace game {

using namespace stored;

namespace {

const QString formatName = QStringLiteral("pindrel-kept-game");
constexpr int formatVersion = 1;
// A frame of a week of video at 1000 fps.
constexpr double maxFrame = 7.0 * 24 * 3600 * 1000;

const struct
{
    KeptGame::Source source;
    const char *name;
} sourceNames[] = {
    {KeptGame::Source::StartUp, "start-up"},
    {KeptGame::Source::File, "file"},
    {KeptGame::Source::Download, "download"},
    {KeptGame::Source::Video, "video"},
};

QJsonArray toArray(const std::vector<Exchange> &moves)
{
    QJsonArray array;
    for (const Exchange &move : moves)
        array.append(QJsonArray{move.first, move.second});
    return array;
}

std::optional<std::vector<Exchange>> movesFrom(const QJsonValue &value, int tileCount)
{
    if (!value.isArray() || value.toArray().size() > maxMoves)
        return std::nullopt;
    std::vector<Exchange> moves;
    for (const QJsonValue &entry : value.toArray()) {
        const QJsonArray pair = entry.toArray();
        if (pair.size() != 2 || !wholeInRange(pair[0], 1, tileCount) ||
            !wholeInRange(pair[1], 1, tileCount) || pair[0] == pair[1])
            return std::nullopt;
        moves.push_back({pair[0].toInt(), pair[1].toInt()});
    }
    return moves;
}

// Checked before anything is allocated for it: the grid bounds the arrangement's length.
std::optional<std::vector<int>> arrangementFrom(const QJsonValue &value, int tileCount)
{
    if (!value.isArray() || value.toArray().size() != tileCount)
        return std::nullopt;
    std::vector<int> cells;
    std::vector<bool> seen(std::size_t(tileCount) + 1, false);
    for (const QJsonValue &entry : value.toArray()) {
        if (!wholeInRange(entry, 1, tileCount) || seen[std::size_t(entry.toInt())])
            return std::nullopt;
        seen[std::size_t(entry.toInt())] = true;
        cells.push_back(entry.toInt());
    }
    return cells;
}

std::optional<KeptGame::Source> sourceFrom(const QJsonValue &value)
{
    for (const auto &known : sourceNames)
        if (value.toString() == QLatin1String(known.name))
            return known.source;
    return std::nullopt;
}

QString sourceName(KeptGame::Source source)
{
    for (const auto &known : sourceNames)
        if (known.source == source)
            return QLatin1String(known.name);
    return {};
}

} // namespace

QByteArray KeptGame::toJson() const
{
    QJsonArray cells;
    for (int cell : blockList)
        cells.append(cell);
    const QJsonObject root{
        {QStringLiteral("format"), formatName},
        {QStringLiteral("version"), formatVersion},
        {QStringLiteral("source"), sourceName(source)},
        {QStringLiteral("path"), path},
        {QStringLiteral("hash"), hash},
        {QStringLiteral("videoFrame"), videoFrame},
        {QStringLiteral("rows"), rows},
        {QStringLiteral("cols"), cols},
        {QStringLiteral("gameType"), gameType},
        {QStringLiteral("arrangement"), cells},
        {QStringLiteral("dimSelected"), dimSelected},
        {QStringLiteral("dimIncorrect"), dimIncorrect},
        {QStringLiteral("grid"), grid},
        {QStringLiteral("moves"), moves},
        {QStringLiteral("milliseconds"), double(milliseconds)},
        {QStringLiteral("done"), toArray(done)},
        {QStringLiteral("undone"), toArray(undone)},
        {QStringLiteral("hintUsed"), hintUsed},
    };
    return QJsonDocument(root).toJson();
}

std::optional<KeptGame> KeptGame::fromJson(const QByteArray &text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    const auto at = [&root](const char *key) { return root[QLatin1String(key)]; };
    if (at("format").toString() != formatName || !wholeInRange(at("version"), 1, 1) ||
        !wholeInRange(at("rows"), minGridSize, maxGridSize) ||
        !wholeInRange(at("cols"), minGridSize, maxGridSize) ||
        !wholeInRange(at("gameType"), SwapBlocks, MoveBlocks) ||
        !wholeInRange(at("videoFrame"), 0, maxFrame) || !wholeInRange(at("moves"), 0, maxMoves) ||
        !wholeInRange(at("milliseconds"), 0, maxMilliseconds) || !shortText(at("path")) ||
        !shortText(at("hash")))
        return std::nullopt;
    for (const char *key : {"dimSelected", "dimIncorrect", "grid", "hintUsed"})
        if (!at(key).isBool())
            return std::nullopt;

    KeptGame kept;
    const std::optional<Source> source = sourceFrom(at("source"));
    if (!source)
        return std::nullopt;
    kept.source = *source;
    kept.path = at("path").toString();
    kept.hash = at("hash").toString();
    if (kept.source != Source::StartUp && (kept.path.isEmpty() || kept.hash.isEmpty()))
        return std::nullopt;
    kept.videoFrame = at("videoFrame").toInt();
    kept.rows = at("rows").toInt();
    kept.cols = at("cols").toInt();
    kept.gameType = at("gameType").toInt();
    const int tileCount = kept.rows * kept.cols;
    std::optional<std::vector<int>> cells = arrangementFrom(at("arrangement"), tileCount);
    std::optional<std::vector<Exchange>> done = movesFrom(at("done"), tileCount);
    std::optional<std::vector<Exchange>> undone = movesFrom(at("undone"), tileCount);
    if (!cells || !done || !undone)
        return std::nullopt;
    kept.blockList = std::move(*cells);
    kept.done = std::move(*done);
    kept.undone = std::move(*undone);
    kept.gapCell = kept.gameType == MoveBlocks ? kept.blockList.back() - 1 : -1;

    GameState state;
    state.rows = kept.rows;
    state.cols = kept.cols;
    state.gameType = kept.gameType;
    state.blockList = kept.blockList;
    if (isSolved(state) || (kept.gameType == MoveBlocks && !isSolvableSlide(state)))
        return std::nullopt;

    kept.dimSelected = at("dimSelected").toBool();
    kept.dimIncorrect = at("dimIncorrect").toBool();
    kept.grid = at("grid").toBool();
    kept.moves = at("moves").toInt();
    kept.milliseconds = qint64(at("milliseconds").toDouble());
    kept.hintUsed = at("hintUsed").toBool();
    return kept;
}

} // namespace game
