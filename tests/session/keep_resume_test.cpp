// SPDX-License-Identifier: GPL-3.0-or-later
// A game left unfinished is kept and comes back whole in another session, on its own picture
// only; a finished game is forgotten, a damaged kept file set aside.
#include "session_fixture.h"

#include "sources/kept_game_file.h"

#include <QFile>
#include <QSignalSpy>

namespace {

using Source = game::KeptGame::Source;

void overwrite(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class KeepResumeTest : public SessionTest
{
  protected:
    // Opens the kept game's picture as the window does, building a fresh puzzle for it, and
    // remembers what it was asked to open.
    GameSession::PictureOpener opener()
    {
        return [this](const game::KeptGame &kept, const QByteArray &) {
            opened.push_back({kept.source, kept.path});
            if (kept.source == Source::StartUp)
                session->startUpPictureOpened();
            else
                session->pictureOpened(kept.source, kept.path, QStringLiteral("kept"));
            session->deal();
        };
    }

    // A few moves of the game on the board, one of them taken back.
    void playAndTakeOneBack()
    {
        for (int move = 0; move < 3; ++move) {
            if (state().gameType == game::SwapBlocks)
                swapCells(2 * move + 1, 2 * move + 2);
            else
                pressCell(slideNotBackTo(state(), state().blockList));
        }
        session->undo();
    }

    std::vector<std::pair<Source, QString>> opened;
};

TEST_F(KeepResumeTest, AGameLeftUnfinishedComesBackWholeInAnotherSession)
{
    const QString picture = writePicture(QStringLiteral("still.png"), Qt::darkRed);
    const struct
    {
        const char *name;
        Source source;
        QString path;
        int gameType;
        bool hint;
    } cases[] = {
        {"start-up picture, Swap Blocks with a hint", Source::StartUp, QString(), game::SwapBlocks,
         true},
        {"picture file, Move Blocks", Source::File, picture, game::MoveBlocks, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        session = newSession();
        opened.clear();
        if (c.source == Source::File)
            session->pictureOpened(Source::File, c.path, QStringLiteral("still"));
        session->setSwitches({false, true, true});
        dealGame(c.gameType, 3, 4);
        if (c.hint)
            session->requestHint();
        playAndTakeOneBack();
        now += 7000;
        session->keepNow();
        const game::GameState played = state();
        const int moves = session->moves();
        const auto done = pairsOf(session->history().done());
        const auto undone = pairsOf(session->history().undone());
        ASSERT_EQ(undone.size(), 1u);

        session = newSession();
        now += 100000; // the clock goes on from the time kept, not from the time since
        QSignalSpy switches(session.get(), &GameSession::switchesChanged);
        const GameSession::ResumeOutcome outcome = session->resume(opener());
        ASSERT_TRUE(outcome.resumed) << outcome.message.toStdString();
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0].first, c.source);
        EXPECT_EQ(opened[0].second, c.path);
        EXPECT_EQ(state().rows, 3);
        EXPECT_EQ(state().cols, 4);
        EXPECT_EQ(state().gameType, c.gameType);
        EXPECT_EQ(state().blockList, played.blockList);
        EXPECT_EQ(state().gapCell, played.gapCell);
        EXPECT_EQ(session->moves(), moves);
        EXPECT_EQ(pairsOf(session->history().done()), done);
        EXPECT_EQ(pairsOf(session->history().undone()), undone);
        EXPECT_EQ(session->clock().elapsedMilliseconds(), 7000);
        EXPECT_TRUE(session->clock().clockRunning());
        EXPECT_EQ(switches.size(), 1);
        EXPECT_FALSE(session->switches().dimSelected);
        EXPECT_TRUE(session->switches().dimIncorrect);
        EXPECT_TRUE(session->switches().grid);
        EXPECT_EQ(session->hintUsed(), c.hint);
        // The game plays on: the move taken back is played again.
        session->redo();
        EXPECT_EQ(session->moves(), moves + 1);
        EXPECT_FALSE(session->history().canRedo());
    }
}

TEST_F(KeepResumeTest, AChangedPictureIsRefusedAndTheGameStaysKeptForItsReturn)
{
    const QString picture = writePicture(QStringLiteral("still.png"), Qt::darkBlue);
    const QByteArray original = contentOf(picture);
    session->pictureOpened(Source::File, picture, QStringLiteral("still"));
    dealGame(game::SwapBlocks, 3, 3);
    swapCells(1, 2);
    session->keepNow();
    const std::vector<int> played = state().blockList;

    writePicture(QStringLiteral("still.png"), Qt::darkYellow);
    session = newSession();
    const GameSession::ResumeOutcome refused = session->resume(opener());
    EXPECT_FALSE(refused.resumed);
    EXPECT_TRUE(refused.message.contains(QStringLiteral("gone or has changed")))
        << refused.message.toStdString();
    EXPECT_TRUE(refused.message.contains(picture));
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(session->anyKept());

    overwrite(picture, original);
    EXPECT_TRUE(session->resume(opener()).resumed);
    EXPECT_EQ(state().blockList, played);
}

TEST_F(KeepResumeTest, OnlyAnUnfinishedGameThatWasPlayedIsKept)
{
    dealGame(game::MoveBlocks, 3, 3);
    session->keepNow();
    EXPECT_FALSE(session->anyKept()); // dealt, never moved

    const std::vector<int> slides = slidesHome(state());
    ASSERT_GE(slides.size(), 2u);
    pressCell(slides[0]);
    session->keepNow();
    EXPECT_TRUE(session->anyKept());

    for (std::size_t i = 1; i < slides.size(); ++i)
        pressCell(slides[i]);
    ASSERT_TRUE(game::isSolved(state()));
    EXPECT_FALSE(session->anyKept());
    EXPECT_FALSE(QFile::exists(keptPath()));
}

TEST_F(KeepResumeTest, AKeptGameThatCannotBeResumedIsExplained)
{
    const struct
    {
        const char *name;
        std::optional<QByteArray> text; // the kept file, if any
        QString message;
        bool setAside;
    } cases[] = {
        {"nothing kept", std::nullopt, QStringLiteral("No game is kept."), false},
        {"damaged", QByteArray("{\"format\":\"pindrel-kept-game\",\"rows\":"),
         QStringLiteral("It has been set aside as kept-game.json.unreadable."), true},
        {"binary junk", QByteArray("\x00\xff\x13\x37", 4),
         QStringLiteral("It has been set aside as kept-game.json.unreadable."), true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(keptPath());
        QFile::remove(keptPath() + QStringLiteral(".unreadable"));
        if (c.text)
            overwrite(keptPath(), *c.text);
        const GameSession::ResumeOutcome outcome = session->resume(opener());
        EXPECT_FALSE(outcome.resumed);
        EXPECT_TRUE(outcome.message.endsWith(c.message)) << outcome.message.toStdString();
        EXPECT_TRUE(opened.empty());
        EXPECT_FALSE(session->anyKept());
        EXPECT_EQ(QFile::exists(keptPath() + QStringLiteral(".unreadable")), c.setAside);
    }
}

TEST_F(KeepResumeTest, APictureThatCannotBeOpenedLeavesTheGameOnTheBoardAsItWas)
{
    dealGame(game::SwapBlocks, 4, 5);
    swapCells(1, 2);
    session->keepNow();

    session = newSession();
    dealGame(game::SwapBlocks, 3, 3);
    swapCells(1, 2);
    const game::GameState before = state();
    const GameSession::ResumeOutcome outcome = session->resume(
        [](const game::KeptGame &, const QByteArray &) { throw std::runtime_error("no picture"); });
    EXPECT_FALSE(outcome.resumed);
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("could not be opened")));
    EXPECT_EQ(state().rows, before.rows);
    EXPECT_EQ(state().cols, before.cols);
    EXPECT_EQ(state().blockList, before.blockList);
    EXPECT_EQ(session->moves(), 1);
    EXPECT_TRUE(session->anyKept());
}
