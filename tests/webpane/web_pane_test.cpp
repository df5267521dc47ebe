// The web pane on the real engine: pages from a loopback server and the bundled site, followed
// with real mouse clicks on the view.
#include "../app/window_fixture.h"
#include "support/jpeg_bytes.h"
#include "support/loopback_server.h"

#include <QDesktopServices>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QWebEngineView>

namespace {

QByteArray pageWithLinks(const QByteArray &links)
{
    return "<html><head><style>a{display:block;height:36px;font-size:20px}</style></head><body>" +
           links + "</body></html>";
}

} // namespace

// Records the addresses handed to the desktop's browser instead of starting one.
class DesktopBrowser : public QObject
{
    Q_OBJECT

  public:
    QList<QUrl> opened;

  public slots:
    void open(const QUrl &url) { opened << url; }
};

class WebPaneTest : public WindowTest
{
  protected:
    void SetUp() override
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &desktop, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
        if (!homeSite.isEmpty()) {
            QDir(settingsDir.path()).mkpath(QStringLiteral("Pindrel"));
            QFile ini(settingsDir.filePath(QStringLiteral("Pindrel/Pindrel.ini")));
            ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
            ini.write("[General]\nhome_site=" + homeSite.toUtf8() +
                      "\nimage_search_host=" + searchHost.toUtf8() + "\n");
        }
        WindowTest::SetUp();
    }

    void TearDown() override
    {
        WindowTest::TearDown();
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }

    QWebEngineView *view() { return window->findChild<QWebEngineView *>("WebBrowser1"); }

    // The page at an address ending in ending has loaded in full.
    bool waitForPage(const QString &ending)
    {
        return QTest::qWaitFor(
            [&] {
                // The view names the address it is going to before the document is there.
                return view() &&
                       script(QStringLiteral("document.readyState + ' ' + document.URL"))
                           .toString()
                           .startsWith(QLatin1String("complete ")) &&
                       script(QStringLiteral("document.URL")).toString().endsWith(ending);
            },
            60'000);
    }

    QVariant script(const QString &code)
    {
        QVariant result;
        bool done = false;
        view()->page()->runJavaScript(code, [&](const QVariant &value) {
            result = value;
            done = true;
        });
        return QTest::qWaitFor([&] { return done; }, 10'000) ? result : QVariant();
    }

    // A real click in the middle of the link, through the widget that takes the view's input.
    void clickLink(const char *id)
    {
        const QVariantList centre =
            script(QStringLiteral("(function(){var r=document.getElementById('%1')"
                                  ".getBoundingClientRect();return [r.left+r.width/2,"
                                  "r.top+r.height/2];})()")
                       .arg(QLatin1String(id)))
                .toList();
        ASSERT_EQ(centre.size(), 2) << id;
        QTest::mouseClick(view()->focusProxy(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(centre.at(0).toInt(), centre.at(1).toInt()));
    }

    bool waitForTitle(const QString &title)
    {
        return QTest::qWaitFor([&] { return window->windowTitle() == title; }, 30'000);
    }

    QWidget *pane() { return find<QWidget>("fraBrowser"); }

    DesktopBrowser desktop;
    QString homeSite;
    QString searchHost;
};

class LoopbackSiteTest : public WebPaneTest
{
  protected:
    void SetUp() override
    {
        homeSite = server.url(QStringLiteral("/site"));
        searchHost = QStringLiteral("127.0.0.1:%1").arg(server.port());
        const QByteArray search = server.url(QStringLiteral("/imgres?imgurl=")).toUtf8() +
                                  server.url(QStringLiteral("/pics/two.jpg")).toUtf8() +
                                  "&amp;w=300";
        server.serve(QStringLiteral("/site/pindrel_v2.htm"),
                     LoopbackServer::page(pageWithLinks(
                         "<a id='pic' href='/pics/one.jpg'>one</a>"
                         "<a id='page' href='/site/next.htm'>next</a>"
                         "<a id='search' href='" +
                         search +
                         "'>search</a>"
                         "<a id='blank' href='/site/popup.htm' target='_blank'>popup</a>")));
        server.serve(QStringLiteral("/site/next.htm"),
                     LoopbackServer::page(pageWithLinks(
                         "<a id='blank' href='/site/popup.htm' target='_blank'>popup</a>")));
        server.serve(QStringLiteral("/site/popup.htm"),
                     LoopbackServer::page(pageWithLinks("popup")));
        for (const auto &[path, size] : {std::pair{"/pics/one.jpg", QSize(80, 60)},
                                         std::pair{"/pics/two.jpg", QSize(70, 50)}}) {
            LoopbackServer::Response picture;
            picture.body = testsupport::jpegOf(size, Qt::darkMagenta);
            server.serve(QLatin1String(path), picture);
        }
        WebPaneTest::SetUp();
        action("mnuWeb")->trigger();
        ASSERT_TRUE(waitForPage(QStringLiteral("/site/pindrel_v2.htm")));
    }

    int requestsFor(const char *path) { return server.requestedPaths().count(QLatin1String(path)); }

    LoopbackServer server;
};

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
    EXPECT_EQ(window->solutionPicture().size(), QSize(480, 360));
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
    EXPECT_EQ(window->solutionPicture().size(), QSize(80, 60));
    EXPECT_TRUE(board()->isVisible());
    EXPECT_FALSE(pane()->isVisible());
    EXPECT_EQ(window->siblingPosition(), -2);
    EXPECT_TRUE(view()->url().toString().endsWith("/site/pindrel_v2.htm"));

    clickButton("btnBack");
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
    EXPECT_EQ(window->solutionPicture().size(), QSize(70, 50));
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
    const std::vector<int> arrangement = window->state().blockList;
    clickButton("btnBack");
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
    EXPECT_EQ(window->state().blockList, arrangement);
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

TEST_F(LoopbackSiteTest, APictureAddressTypedInOpenUrlBecomesAPuzzle)
{
    const QString two = server.url(QStringLiteral("/pics/two.jpg"));
    whenModal("TfrmOpenURL", [two](QWidget *dialog) {
        auto *address = dialog->findChild<QLineEdit *>(QStringLiteral("txtInternet"));
        ASSERT_NE(address, nullptr);
        QTest::keyClicks(address, two);
        QTest::keyClick(address, Qt::Key_Return);
    });
    action("mnuOpenURL")->trigger();
    ASSERT_TRUE(waitForTitle("Pindrel - " + two));
    EXPECT_EQ(window->solutionPicture().size(), QSize(70, 50));
    EXPECT_FALSE(pane()->isVisible());
}

#include "web_pane_test.moc"
