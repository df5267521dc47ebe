// SPDX-License-Identifier: GPL-3.0-or-later
// The web pane's test fixtures: a window whose pane runs the real engine, on the bundled site
// or on pages from a loopback server, followed with real mouse clicks on the view.
#pragma once

#include "../app/window_fixture.h"
#include "support/jpeg_bytes.h"
#include "support/loopback_server.h"

#include <QDesktopServices>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWebEngineView>

inline QByteArray pageWithLinks(const QByteArray &links)
{
    return "<html><head><style>a{display:block;height:36px;font-size:20px}</style></head><body>" +
           links + "</body></html>";
}

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
        QImage still(60, 45, QImage::Format_RGB32);
        still.fill(Qt::darkYellow);
        for (const char *name : {"a.jpg", "b.jpg"})
            ASSERT_TRUE(still.save(folder.filePath(QLatin1String(name))));
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

    // Back from a web puzzle: the puzzle stands dimmed a moment, then its page comes back.
    void backFromPuzzleToPage()
    {
        clickButton("btnBack");
        ASSERT_TRUE(QTest::qWaitFor([&] { return pane()->isVisible(); }));
    }

    // One of the two local pictures a.jpg and b.jpg, opened from the Open dialog.
    void openLocal(const char *name) { openThroughDialog(folder.filePath(QLatin1String(name))); }

    // Whatever lies at the middle of the picture area belongs to the pane.
    bool paneOnTop()
    {
        auto *area = find<QWidget>("fraSolution");
        QWidget *top = area->childAt(area->rect().center());
        return top && (top == pane() || pane()->isAncestorOf(top));
    }

    // Types address in the Open URL dialog and presses Enter.
    void openUrl(const QString &address)
    {
        whenModal("TfrmOpenURL", [address](QWidget *dialog) {
            auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("txtInternet"));
            ASSERT_NE(field, nullptr);
            QTest::keyClicks(field, address);
            QTest::keyClick(field, Qt::Key_Return);
        });
        action("mnuOpenURL")->trigger();
    }

    DesktopBrowser desktop;
    QTemporaryDir folder;
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
