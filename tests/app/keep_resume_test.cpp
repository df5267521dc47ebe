// SPDX-License-Identifier: GPL-3.0-or-later
// The game in progress kept when the window closes and put back by Resume Last Game in a new
// window; kept files that cannot be trusted refused with the program going on.
#include "window_fixture.h"

#include "../video/avi_fixtures.h"
#include "app/open/open_request.h"
#include "game/board_cursor.h"
#include "sources/kept_game_file.h"
#include "support/jpeg_bytes.h"
#include "support/loopback_server.h"
#include "video/AVIPlay.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace {

enum class Kind
{
    Still,
    Download,
    Video
};

const char *nameOf(Kind kind)
{
    switch (kind) {
    case Kind::Still:
        return "still picture";
    case Kind::Download:
        return "downloaded picture";
    case Kind::Video:
        return "video";
    }
    return "";
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class KeepResumeTest : public WindowTest
{
  protected:
    QString keptPath() const { return sources::keptGamePath(); }

    // A real video whose frames show their own number, long enough not to loop during a case.
    static videotest::Pattern numberedFrames()
    {
        videotest::Pattern pattern;
        pattern.frames = 250;
        return pattern;
    }

    void open(Kind kind)
    {
        switch (kind) {
        case Kind::Still:
            writeFile(folder.filePath("still.jpg"), testsupport::jpegOf({90, 60}, Qt::darkRed));
            openThroughDialog(folder.filePath("still.jpg"));
            break;
        case Kind::Download: {
            LoopbackServer::Response response;
            response.body = testsupport::jpegOf({90, 60}, Qt::darkCyan);
            server.serve(QStringLiteral("/pic.jpg"), response);
            ASSERT_EQ(openFromWebAndWait(server.url(QStringLiteral("/pic.jpg"))),
                      TfrmMain::WebPicture::Opened);
            break;
        }
        case Kind::Video:
            ASSERT_TRUE(videotest::makePatternVideo(folder.filePath("clip.avi"), numberedFrames(),
                                                    {"-c:v", "mjpeg", "-q:v", "2"}));
            openThroughDialog(folder.filePath("clip.avi"));
            break;
        }
    }

    // A move of either game type: a swap of the first two cells that are not the same tile's
    // home, or a slide into the gap.
    void makeMove()
    {
        const game::GameState &state = window->session().state();
        if (state.gameType == game::MoveBlocks) {
            for (game::Direction d : {game::Direction::Left, game::Direction::Right,
                                      game::Direction::Up, game::Direction::Down})
                if (const int cell = game::cellSlidingTowards(state, d); cell > 0) {
                    pressCell(cell);
                    return;
                }
        }
        pressCell(1);
        pressCell(2);
    }

    void newWindow()
    {
        window->close();
        window = std::make_unique<TfrmMain>();
        window->resize(640, 520);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QTemporaryDir folder;
    LoopbackServer server;
};

TEST_F(KeepResumeTest, AGameLeftUnfinishedIsResumedExactlyInANewWindow)
{
    PINDREL_REQUIRE_FFMPEG();
    for (Kind kind : {Kind::Still, Kind::Download, Kind::Video}) {
        for (int gameType : {game::SwapBlocks, game::MoveBlocks}) {
            SCOPED_TRACE(nameOf(kind));
            SCOPED_TRACE(gameType);
            QDir(settingsDir.filePath("data")).removeRecursively();
            open(kind);
            window->applyOptions(gameType, 4, 5, true);
            for (int move = 0; move < 4; ++move)
                makeMove();
            action("mnuUndo")->trigger();
            find<QAction>("mnuShowGrid")->setChecked(true);
            QTest::qWait(20);
            // A video has played on a while, so the frame it goes on from is not the first.
            if (kind == Kind::Video)
                ASSERT_TRUE(QTest::qWaitFor(
                    [&] { return find<TDCAviPlayer>("avi")->Position() >= 10; }, 5000));
            const game::GameState before = window->session().state();
            const int moves = window->session().moves();
            ASSERT_GE(moves, 5);
            const int requests = int(server.requests().size());

            newWindow();
            const sources::KeptGameRead kept = sources::loadKeptGame(keptPath());
            ASSERT_EQ(kept.outcome, sources::KeptGameRead::Outcome::Read);
            EXPECT_EQ(kept.game->milliseconds >= 20, true);
            ASSERT_TRUE(action("mnuResume")->isEnabled());
            action("mnuResume")->trigger();

            const game::GameState &after = window->session().state();
            EXPECT_EQ(after.blockList, before.blockList);
            EXPECT_EQ(after.gapCell, before.gapCell);
            EXPECT_EQ(after.rows, 4);
            EXPECT_EQ(after.cols, 5);
            EXPECT_EQ(after.gameType, gameType);
            EXPECT_EQ(window->session().moves(), moves);
            EXPECT_GE(window->session().clock().elapsedMilliseconds(), kept.game->milliseconds);
            EXPECT_TRUE(window->session().clock().clockRunning());
            EXPECT_TRUE(action("mnuShowGrid")->isChecked());
            EXPECT_EQ(window->boardView().isVideo(), kind == Kind::Video);
            if (kind == Kind::Video) {
                // The video goes on from the frame it showed, and the board shows that frame.
                auto *player = find<TDCAviPlayer>("avi");
                EXPECT_GT(kept.game->videoFrame, 0);
                EXPECT_EQ(player->Position(), kept.game->videoFrame);
                EXPECT_TRUE(player->Active());
                find<QTimer>("Timer1")->stop();
                window->Timer1Timer();
                EXPECT_EQ(videotest::patternNumber(window->boardView().solutionPicture(),
                                                   numberedFrames()),
                          player->Position());
            }
            // The downloaded picture came from the kept copy, not from the server again.
            EXPECT_EQ(int(server.requests().size()), requests);
            // The history came back: the move taken back can be played again, and undone.
            ASSERT_TRUE(action("mnuRedo")->isEnabled());
            ASSERT_TRUE(action("mnuUndo")->isEnabled());
            action("mnuRedo")->trigger();
            EXPECT_EQ(window->session().moves(), moves + 1);
            EXPECT_FALSE(action("mnuRedo")->isEnabled());
        }
    }
}

TEST_F(KeepResumeTest, OnlyAnUnfinishedGameThatWasPlayedIsKept)
{
    open(Kind::Still);
    // Dealt but never moved: nothing worth keeping.
    newWindow();
    EXPECT_FALSE(QFile::exists(keptPath()));
    EXPECT_FALSE(action("mnuResume")->isEnabled());

    // Kept when played; a completed game is then forgotten.
    open(Kind::Still);
    makeMove();
    action("mnuSolution")->trigger();
    ASSERT_TRUE(QFile::exists(keptPath()));
    action("mnuResume")->trigger();
    solveBySwaps();
    EXPECT_TRUE(text("txtInfo").startsWith(QStringLiteral("Puzzle Completed!")));
    EXPECT_FALSE(QFile::exists(keptPath()));
}

TEST_F(KeepResumeTest, AKeptGameThatCannotBeTrustedIsRefusedAndTheProgramGoesOn)
{
    open(Kind::Still);
    makeMove();
    newWindow();
    const QByteArray good = sources::loadKeptGame(keptPath()).game->toJson();
    const auto edited = [&good](const char *from, const char *to) {
        return QByteArray(good).replace(from, to);
    };
    const struct
    {
        const char *what;
        QByteArray text;
        bool setAside; // false: the picture is at fault, and the game stays kept
    } cases[] = {
        {"truncated", good.left(good.size() / 2), true},
        {"binary junk", QByteArray("\x00\xff\x13\x37junk", 8), true},
        {"someone else's", R"({"format":"other","version":1})", true},
        {"a newer version", edited("\"version\": 1", "\"version\": 2"), true},
        {"a billion tiles", edited("\"rows\": 4", "\"rows\": 1000000000"), true},
        {"a negative clock", edited("\"milliseconds\": ", "\"milliseconds\": -"), true},
        {"a picture that is gone", edited("still.jpg", "gone.jpg"), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(keptPath() + ".unreadable");
        writeFile(keptPath(), c.text);
        const std::vector<int> shown = window->session().state().blockList;
        QString caption, message;
        expectMessage(&caption, &message);
        // The item follows the file whenever the menu opens.
        emit find<QMenu>("mnuGame")->aboutToShow();
        action("mnuResume")->trigger();
        EXPECT_EQ(caption, QStringLiteral("Resume Last Game"));
        EXPECT_FALSE(message.isEmpty());
        EXPECT_EQ(window->session().state().blockList, shown);
        EXPECT_EQ(QFile::exists(keptPath()), !c.setAside);
        EXPECT_EQ(QFile::exists(keptPath() + ".unreadable"), c.setAside);
        EXPECT_EQ(action("mnuResume")->isEnabled(), !c.setAside);
    }
    // The program goes on: a picture opens and plays.
    open(Kind::Still);
    makeMove();
    EXPECT_EQ(window->session().moves(), 1);
}

TEST_F(KeepResumeTest, TheCommandLineAsksForTheKeptGame)
{
    open(Kind::Still);
    makeMove();
    const std::vector<int> played = window->session().state().blockList;
    newWindow();
    window->openRequested({OpenRequest::Kind::Resume, QString()});
    EXPECT_EQ(window->session().state().blockList, played);
}
