// SPDX-License-Identifier: GPL-3.0-or-later
// The window's state around the web pane on the real engine: which view is on top, commands
// given during a download, and Back and Forward from the pane's opening.
#include "web_pane_fixture.h"

#include "sources/picture_download.h"
#include "web/browser_loader.h"

#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QWebEngineHistory>

#include <functional>

TEST_F(LoopbackSiteTest, ThePaneStaysOnTopWhileBrowsing)
{
    const std::pair<const char *, std::function<void()>> ways[] = {
        {"Back from a web puzzle",
         [&] {
             clickLink("pic");
             ASSERT_TRUE(waitForTitle("Pindrel - " + server.url(QStringLiteral("/pics/one.jpg"))));
             backFromPuzzleToPage();
         }},
        {"Open URL over a local puzzle",
         [&] {
             openLocal("a.jpg");
             openUrl(server.url(QStringLiteral("/site/next.htm")));
             ASSERT_TRUE(waitForPage(QStringLiteral("/site/next.htm")));
         }},
    };
    const std::pair<const char *, std::function<void()>> commands[] = {
        {"resize",
         [&] {
             const QSize larger = window->size() + QSize(40, 30);
             window->resize(larger);
             EXPECT_TRUE(QTest::qWaitFor([&] { return window->size() == larger; }));
         }},
        {"Ctrl+G", [&] { pressKeys(QStringLiteral("Ctrl+G")); }},
        {"Ctrl+T", [&] { pressKeys(QStringLiteral("Ctrl+T")); }},
        {"F11", [&] { pressKeys(QStringLiteral("F11")); }},
        {"F11 again", [&] { pressKeys(QStringLiteral("F11")); }},
    };
    for (const auto &[way, enter] : ways) {
        SCOPED_TRACE(way);
        enter();
        ASSERT_TRUE(paneOnTop());
        for (const auto &[command, run] : commands) {
            SCOPED_TRACE(command);
            run();
            EXPECT_EQ(text("txtStatus"), "Browsing");
            EXPECT_TRUE(paneOnTop());
        }
    }
}

TEST_F(LoopbackSiteTest, EveryCommandDuringADownloadCancelsItSilentlyButBackWhileBrowsingFailsIt)
{
    // Eight seconds of drips: every command, dialogs included, comes while it runs.
    LoopbackServer::Response slow;
    slow.body = testsupport::jpegOf(QSize(64, 48), Qt::darkRed) + QByteArray(200'000, '\0');
    slow.dripBytes = 500;
    slow.dripIntervalMs = 20;
    server.serve(QStringLiteral("/pics/slow.jpg"), slow);
    const QString one = server.url(QStringLiteral("/pics/one.jpg"));
    const auto browse = [&] {
        action("mnuWeb")->trigger();
        ASSERT_TRUE(waitForPage(QStringLiteral("/site/pindrel_v2.htm")));
    };
    struct Row
    {
        const char *command;
        std::function<void()> before, run;
        QString title;
        bool browsing;      // else a puzzle plays
        bool steps = false; // and Back and Forward step through its folder
        bool fails = false; // the transfer fails with its message instead
    };
    const Row rows[] = {
        {"Open", browse, [&] { openLocal("a.jpg"); }, "Pindrel - a.jpg", false, true},
        {"a recent picture", browse,
         [&] { find<QMenu>("mnuImageFiles")->actions().constFirst()->trigger(); },
         "Pindrel - a.jpg", false},
        {"Back",
         [&] {
             browse();
             ASSERT_EQ(openFromWebAndWait(one), TfrmMain::WebPicture::Opened);
         },
         [&] { clickButton("btnBack"); }, "Pindrel - " + one, true, false, true},
        {"Forward", [&] { openLocal("a.jpg"); }, [&] { clickButton("btnForward"); },
         "Pindrel - b.jpg", false, true},
        {"Restart", browse, [&] { clickButton("btnRestart"); }, "Pindrel", true},
        {"Options OK", browse,
         [&] {
             whenModal("TfrmOptions", [](QWidget *dialog) {
                 QTest::mouseClick(dialog->findChild<QPushButton *>("btnOK"), Qt::LeftButton);
             });
             action("mnuSetup")->trigger();
         },
         "Pindrel", true},
        {"Puzzles on the Web", browse, [&] { action("mnuWeb")->trigger(); }, "Pindrel", true},
        {"Open URL", browse, [&] { openUrl(server.url(QStringLiteral("/site/next.htm"))); },
         "Pindrel", true},
    };
    int boxes = 0;
    whenModal("QMessageBox", [&boxes](QWidget *box) {
        ++boxes;
        box->close();
    });
    auto *client = find<sources::PictureDownload>("Client");
    for (const Row &row : rows) {
        SCOPED_TRACE(row.command);
        row.before();
        bool ran = false;
        QObject::connect(client, &sources::PictureDownload::work, window.get(), [&] {
            client->disconnect(window.get());
            QTimer::singleShot(0, window.get(), [&] {
                row.run();
                ran = true;
            });
        });
        const int closed = server.closedEarly();
        const int boxesBefore = boxes;
        EXPECT_EQ(openFromWebAndWait(server.url(QStringLiteral("/pics/slow.jpg"))),
                  row.fails ? TfrmMain::WebPicture::Failed : TfrmMain::WebPicture::Dropped);
        EXPECT_TRUE(ran);
        EXPECT_TRUE(QTest::qWaitFor([&] { return server.closedEarly() == closed + 1; }));
        // A clock left running would overwrite the time panel within a second.
        QTest::qWait(600);
        EXPECT_EQ(boxes - boxesBefore, row.fails ? 1 : 0);
        EXPECT_EQ(window->windowTitle(), row.title);
        EXPECT_EQ(pane()->isVisible(), row.browsing);
        EXPECT_EQ(board()->isVisible(), !row.browsing);
        EXPECT_EQ(window->session().clock().clockRunning(), !row.browsing);
        EXPECT_EQ(action("mnuSolution")->isEnabled(), !row.browsing);
        EXPECT_FALSE(find<QWidget>("progressBar")->isVisible());
        if (row.browsing)
            EXPECT_EQ(text("txtStatus"), row.fails ? "Error" : "Browsing");
        EXPECT_EQ(window->navigation().position() >= 0, row.steps);
    }
}

TEST_F(WebPaneTest, BackAndForwardFollowTheBrowsersHistoryFromThePanesOpening)
{
    const QString page = web::bundledSiteDir() + QStringLiteral("/pindrel.htm");
    const std::tuple<const char *, std::function<void()>, QString> openings[] = {
        {"Puzzles on the Web", [&] { action("mnuWeb")->trigger(); }, "/pindrel_v2.htm"},
        {"Open URL", [&] { openUrl(page); }, "/pindrel.htm"},
    };
    for (const auto &[opening, open, loads] : openings) {
        SCOPED_TRACE(opening);
        openLocal("a.jpg");
        ASSERT_TRUE(find<QToolButton>("btnBack")->isEnabled());
        open();
        for (bool loaded : {false, true}) {
            if (loaded)
                ASSERT_TRUE(waitForPage(loads));
            const bool back = view()->history()->canGoBack();
            const bool forward = view()->history()->canGoForward();
            EXPECT_EQ(find<QToolButton>("btnBack")->isEnabled(), back) << loaded;
            EXPECT_EQ(action("Back1")->isEnabled(), back) << loaded;
            EXPECT_EQ(find<QToolButton>("btnForward")->isEnabled(), forward) << loaded;
            EXPECT_EQ(action("Next1")->isEnabled(), forward) << loaded;
        }
    }
}
