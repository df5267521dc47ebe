// SPDX-License-Identifier: GPL-3.0-or-later
// The web pane on the real engine: pages from a loopback server and the bundled site, followed
// with real mouse clicks on the view.
#include "web_pane_fixture.h"

#include "support/fifo_watch.h"

#include <QTest>
#include <QToolButton>
#include <QWebEngineView>

TEST_F(WebPaneTest, TheBundledStartPageLoadsAndItsPicturesBecomePuzzles)
{
    EXPECT_EQ(view(), nullptr); // the engine waits for the pane's first use
    clickButton("btnWeb");
    ASSERT_TRUE(waitForPage(QStringLiteral("/site/pindrel_v2.htm")));
    EXPECT_TRUE(view()->url().isLocalFile());
    EXPECT_EQ(text("txtStatus"), "Browsing");
    EXPECT_TRUE(pane()->isVisible());
    EXPECT_FALSE(board()->isVisible());
    EXPECT_EQ(window->windowTitle(), "Pindrel");

    clickLink("sunset");
    const QString picture = view()->url().resolved(QUrl(QStringLiteral("sunset.jpg"))).toString();
    ASSERT_TRUE(waitForTitle("Pindrel - " + picture));
    EXPECT_EQ(window->boardView().solutionPicture().size(), QSize(480, 360));
    EXPECT_TRUE(board()->isVisible());
    EXPECT_FALSE(pane()->isVisible());
}

TEST_F(LoopbackSiteTest, PageLinksNavigateAndBackAndForwardWalkTheHistory)
{
    EXPECT_EQ(requestsFor("/site/pindrel_v2.htm"), 1);
    EXPECT_EQ(text("txtStatus"), "Browsing");
    clickLink("page");
    ASSERT_TRUE(waitForPage(QStringLiteral("/site/next.htm")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return find<QToolButton>("btnBack")->isEnabled(); }));
    EXPECT_TRUE(action("Back1")->isEnabled());
    EXPECT_FALSE(find<QToolButton>("btnForward")->isEnabled());

    clickButton("btnBack");
    ASSERT_TRUE(waitForPage(QStringLiteral("/site/pindrel_v2.htm")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return find<QToolButton>("btnForward")->isEnabled(); }));
    EXPECT_TRUE(action("Next1")->isEnabled());
    clickButton("btnForward");
    ASSERT_TRUE(waitForPage(QStringLiteral("/site/next.htm")));

    // Restart reloads the page while browsing.
    const int before = requestsFor("/site/next.htm");
    pressKeys(QStringLiteral("F5"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return requestsFor("/site/next.htm") > before; }));
    EXPECT_EQ(text("txtStatus"), "Browsing");
}

TEST_F(LoopbackSiteTest, PictureLinksBecomePuzzlesAndBackReturnsToTheirPage)
{
    clickLink("pic");
    const QString one = server.url(QStringLiteral("/pics/one.jpg"));
    ASSERT_TRUE(waitForTitle("Pindrel - " + one));
    EXPECT_EQ(window->boardView().solutionPicture().size(), QSize(80, 60));
    EXPECT_TRUE(board()->isVisible());
    EXPECT_FALSE(pane()->isVisible());
    EXPECT_EQ(window->navigation().position(), -2);
    EXPECT_TRUE(view()->url().toString().endsWith("/site/pindrel_v2.htm"));

    backFromPuzzleToPage();
    EXPECT_TRUE(pane()->isVisible());
    EXPECT_TRUE(view()->isVisible());
    EXPECT_EQ(text("txtStatus"), "Browsing");
    EXPECT_FALSE(board()->isEnabled());
    // The start page is the first of the history: nothing further back.
    EXPECT_FALSE(find<QToolButton>("btnBack")->isEnabled());
    ASSERT_TRUE(waitForPage(QStringLiteral("/site/pindrel_v2.htm")));

    // An image-search result is unwrapped: the picture is fetched, the search never asked.
    clickLink("search");
    ASSERT_TRUE(waitForTitle("Pindrel - " + server.url(QStringLiteral("/pics/two.jpg"))));
    EXPECT_EQ(window->boardView().solutionPicture().size(), QSize(70, 50));
    EXPECT_EQ(requestsFor("/pics/two.jpg"), 1);
    for (const QString &path : server.requestedPaths())
        EXPECT_FALSE(path.startsWith("/imgres")) << path.toStdString();
}

TEST_F(LoopbackSiteTest, ArrowKeysScrollThePageNotTheBoardWhileThePaneShows)
{
    // A puzzle from the page, one move on it, then back to the page.
    clickLink("pic");
    ASSERT_TRUE(waitForTitle("Pindrel - " + server.url(QStringLiteral("/pics/one.jpg"))));
    const auto keys = [&](Qt::Key key, Qt::KeyboardModifiers modifiers, int times) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(window->windowHandle(), key, modifiers);
    };
    keys(Qt::Key_Right, Qt::NoModifier, 2);
    const int cursor = find<QWidget>("boardOverlay")->property("cursorCell").toInt();
    const std::vector<int> arrangement = window->session().state().blockList;
    backFromPuzzleToPage();
    ASSERT_TRUE(waitForPage(QStringLiteral("/site/pindrel_v2.htm")));
    script(QStringLiteral("document.body.style.height = '5000px'"));
    QTest::mouseClick(view()->focusProxy(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 200));
    ASSERT_EQ(script(QStringLiteral("window.scrollY")).toInt(), 0);

    keys(Qt::Key_Down, Qt::NoModifier, 6);
    keys(Qt::Key_Space, Qt::NoModifier, 1);
    keys(Qt::Key_Z, Qt::ControlModifier, 1);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return script(QStringLiteral("window.scrollY")).toInt() > 0; }, 10'000));
    EXPECT_EQ(find<QWidget>("boardOverlay")->property("cursorCell").toInt(), cursor);
    EXPECT_EQ(window->session().state().blockList, arrangement);
}

TEST_F(LoopbackSiteTest, NewWindowsGoToTheDesktopFromHomePagesAndIntoThePaneFromOthers)
{
    clickLink("blank");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !desktop.opened.isEmpty(); }, 30'000));
    EXPECT_EQ(desktop.opened.constFirst().toString(),
              server.url(QStringLiteral("/site/popup.htm")));
    EXPECT_TRUE(view()->url().toString().endsWith("/site/pindrel_v2.htm"));

    clickLink("page");
    ASSERT_TRUE(waitForPage(QStringLiteral("/site/next.htm")));
    clickLink("blank");
    ASSERT_TRUE(waitForPage(QStringLiteral("/site/popup.htm")));
    EXPECT_EQ(desktop.opened.size(), 1);
    EXPECT_TRUE(pane()->isVisible());
}

// Links to schemes the engine does not load itself are refused as the page follows them:
// none reaches the desktop's programs, and the page stays.
TEST_F(LoopbackSiteTest, LinksToOtherSchemesNeverReachTheDesktop)
{
    const char *const schemes[] = {"mailto", "ssh", "smb", "steam", "telnet", "ldap", "ftp"};
    QByteArray links;
    for (const char *scheme : schemes) {
        QDesktopServices::setUrlHandler(QLatin1String(scheme), &desktop, "open");
        const QByteArray target = QByteArray(scheme) == "mailto"
                                      ? QByteArray("mailto:someone@example.org")
                                      : QByteArray(scheme) + "://127.0.0.1/x";
        links += "<a id='" + QByteArray(scheme) + "' href='" + target + "'>" + scheme + "</a>";
    }
    links += "<a id='page' href='/site/next.htm'>next</a>";
    server.serve(QStringLiteral("/site/schemes.htm"), LoopbackServer::page(pageWithLinks(links)));
    window->browser()->navigate(server.url(QStringLiteral("/site/schemes.htm")));
    ASSERT_TRUE(waitForPage(QStringLiteral("/site/schemes.htm")));

    for (const char *scheme : schemes)
        clickLink(scheme);
    // A page link clicked after them loads once they have all been dealt with.
    clickLink("page");
    ASSERT_TRUE(waitForPage(QStringLiteral("/site/next.htm")));
    QTest::qWait(500);
    for (const char *scheme : schemes)
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    QStringList opened;
    for (const QUrl &url : desktop.opened)
        opened << url.toString();
    EXPECT_EQ(opened, QStringList());
    EXPECT_TRUE(pane()->isVisible());
}

TEST_F(LoopbackSiteTest, PictureAddressesTypedInOpenUrlBecomePuzzles)
{
    const QString local = folder.filePath(QStringLiteral("a.jpg"));
    const QString port = QString::number(server.port());
    struct Case
    {
        QString typed, fetched;
        QSize size;
    };
    // Without a scheme an address is http, as in a browser; a local path is that file.
    const Case cases[] = {
        {server.url("/pics/two.jpg"), server.url("/pics/two.jpg"), {70, 50}},
        {"127.0.0.1:" + port + "/pics/one.jpg", server.url("/pics/one.jpg"), {80, 60}},
        {local, QUrl::fromLocalFile(local).toString(), {60, 45}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        openUrl(c.typed);
        ASSERT_TRUE(waitForTitle("Pindrel - " + c.fetched));
        EXPECT_EQ(window->boardView().solutionPicture().size(), c.size);
        EXPECT_FALSE(pane()->isVisible());
    }
}

TEST_F(LoopbackSiteTest, AnImageSearchLinkToALocalFileIsRefused)
{
    const QString path = folder.filePath(QStringLiteral("fifo#.jpg"));
    FifoWatch fifo(path);
    ASSERT_TRUE(fifo.created());
    const QByteArray wrapped = server.url(QStringLiteral("/imgres?imgurl=")).toUtf8() +
                               QUrl::fromLocalFile(path).toEncoded();
    server.serve(QStringLiteral("/site/local.htm"),
                 LoopbackServer::page(pageWithLinks("<a id='local' href='" + wrapped + "'>x</a>")));
    openUrl(server.url(QStringLiteral("/site/local.htm")));
    ASSERT_TRUE(waitForPage(QStringLiteral("/site/local.htm")));
    QString caption, message;
    expectMessage(&caption, &message);
    clickLink("local");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !message.isEmpty(); }, 30'000));
    EXPECT_EQ(message, "Unable to download image.");
    EXPECT_EQ(text("txtStatus"), "Error");
    EXPECT_FALSE(fifo.openedForReading());
}
