// SPDX-License-Identifier: GPL-3.0-or-later
// Puzzles from downloaded pictures: success, every failure, the gauge, the addresses each
// origin may reach, a newer link taking over, and the transfer on the window's own event loop.
// The server runs on 127.0.0.1 inside the test.
#include "app/widgets/progress_gauge.h"
#include "sources/kept_game_file.h"
#include "sources/picture_download.h"
#include "sources/records_file.h"
#include "support/fifo_watch.h"
#include "support/jpeg_bytes.h"
#include "support/loopback_server.h"
#include "window_fixture.h"

#include <QEventLoop>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>

namespace {

LoopbackServer::Response picture(QSize size, LoopbackServer::Framing framing, int dripBytes = 0)
{
    LoopbackServer::Response response;
    response.body = testsupport::jpegOf(size, Qt::darkCyan);
    response.framing = framing;
    response.dripBytes = dripBytes;
    response.dripIntervalMs = 5;
    // Padding after the picture's end keeps a small picture dripping for a while.
    if (dripBytes > 0)
        response.body += QByteArray(dripBytes * 40, '\0');
    return response;
}

} // namespace

class WebDownloadTest : public WindowTest
{
  protected:
    ProgressGauge *gauge() { return find<ProgressGauge>("progressBar"); }
    QWidget *pane() { return find<QWidget>("fraBrowser"); }
    sources::PictureDownload *client() { return find<sources::PictureDownload>("Client"); }

    LoopbackServer server;
};

TEST_F(WebDownloadTest, APictureBecomesAPuzzleCaptionedWithItsWholeAddress)
{
    server.serve(QStringLiteral("/photos/pic.jpg?size=2"),
                 picture(QSize(120, 90), LoopbackServer::Framing::Length));
    const QString address = server.url(QStringLiteral("/photos/pic.jpg?size=2"));
    EXPECT_EQ(openFromWebAndWait(address), TfrmMain::WebPicture::Opened);

    EXPECT_EQ(window->windowTitle(), "Pindrel - " + address);
    EXPECT_EQ(window->boardView().solutionPicture().size(), QSize(120, 90));
    EXPECT_EQ(window->navigation().position(), -2);
    EXPECT_FALSE(window->session().solutionShown());
    EXPECT_EQ(window->session().state().blockList.size(), 16u);
    EXPECT_TRUE(board()->isVisible());
    EXPECT_TRUE(board()->isEnabled());
    EXPECT_FALSE(pane()->isVisible());
    EXPECT_FALSE(gauge()->isVisible());
    EXPECT_TRUE(action("mnuSolution")->isEnabled());
    EXPECT_FALSE(action("Next1")->isEnabled());
    EXPECT_TRUE(action("Back1")->isEnabled());
    EXPECT_TRUE(window->session().clock().clockRunning());
    EXPECT_EQ(text("txtStatus"), "00:00:00");
    // A web picture joins neither the recent pictures nor the siblings.
    EXPECT_TRUE(find<QMenu>("mnuImageFiles")->actions().isEmpty());
    EXPECT_TRUE(window->navigation().files().isEmpty());
}

// A user name and password in a picture's address reach its server, and nothing else: not
// the title, the kept game or the records.
TEST_F(WebDownloadTest, APasswordInTheAddressIsUsedForTheDownloadOnly)
{
    server.serve(QStringLiteral("/a.jpg"),
                 picture(QSize(120, 90), LoopbackServer::Framing::Length));
    const QString plain = server.url(QStringLiteral("/a.jpg"));
    QString address = plain;
    address.replace(QStringLiteral("http://"), QStringLiteral("http://user:s3cret@"));
    EXPECT_EQ(openFromWebAndWait(address), TfrmMain::WebPicture::Opened);
    ASSERT_FALSE(server.requests().isEmpty());
    EXPECT_TRUE(server.requests().constLast().contains("Authorization: Basic "));
    EXPECT_EQ(window->windowTitle(), "Pindrel - " + plain);

    const auto fileText = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    int tile = 1;
    while (window->session().state().blockList[std::size_t(tile - 1)] == tile)
        ++tile;
    pressCell(tile);
    pressCell(window->session().state().blockList[std::size_t(tile - 1)]);
    window->session().keepNow();
    const QByteArray kept = fileText(sources::keptGamePath());
    EXPECT_TRUE(kept.contains(plain.toUtf8())) << kept.toStdString();
    EXPECT_FALSE(kept.contains("s3cret"));
    solveBySwaps();
    const QByteArray records = fileText(sources::recordsPath());
    EXPECT_TRUE(records.contains(plain.toUtf8())) << records.toStdString();
    EXPECT_FALSE(records.contains("s3cret"));
}

TEST_F(WebDownloadTest, EveryFailureIsReportedAndBringsThePaneBack)
{
    LoopbackServer::Response reset = picture(QSize(200, 150), LoopbackServer::Framing::Length);
    reset.resetAfter = reset.body.size() / 2;
    LoopbackServer::Response huge = picture(QSize(8, 8), LoopbackServer::Framing::Length);
    huge.declaredLength = sources::PictureDownload::maxBodyBytes + 1;
    LoopbackServer::Response truncated = picture(QSize(200, 150), LoopbackServer::Framing::Close);
    truncated.body.truncate(40);
    LoopbackServer::Response empty = picture(QSize(8, 8), LoopbackServer::Framing::Length);
    empty.body.clear();
    server.serve(QStringLiteral("/missing.jpg"), LoopbackServer::status("404 Not Found"));
    server.serve(QStringLiteral("/moved.jpg"),
                 LoopbackServer::status("302 Found", "Location: /elsewhere.jpg\r\n"));
    server.serve(QStringLiteral("/page.jpg"), LoopbackServer::page("<html>Not here</html>"));
    server.serve(QStringLiteral("/reset.jpg"), reset);
    server.serve(QStringLiteral("/huge.jpg"), huge);
    server.serve(QStringLiteral("/truncated.jpg"), truncated);
    server.serve(QStringLiteral("/empty.jpg"), empty);
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const QString refused = QStringLiteral("http://127.0.0.1:%1/a.jpg").arg(closed.serverPort());
    closed.close();

    QStringList addresses{refused};
    for (const char *path : {"/missing.jpg", "/moved.jpg", "/page.jpg", "/reset.jpg", "/huge.jpg",
                             "/truncated.jpg", "/empty.jpg"})
        addresses << server.url(QLatin1String(path));
    for (const QString &address : addresses) {
        SCOPED_TRACE(address.toStdString());
        QString caption, message;
        expectMessage(&caption, &message);
        EXPECT_EQ(openFromWebAndWait(address), TfrmMain::WebPicture::Failed);
        EXPECT_EQ(caption, "Warning");
        EXPECT_EQ(message, "Unable to download image.");
        EXPECT_EQ(text("txtStatus"), "Error");
        EXPECT_TRUE(pane()->isVisible());
        EXPECT_TRUE(pane()->isEnabled());
        EXPECT_FALSE(board()->isVisible());
        EXPECT_FALSE(gauge()->isVisible());
        EXPECT_EQ(window->navigation().position(), -2);
        EXPECT_FALSE(window->session().clock().clockRunning());
        EXPECT_EQ(window->windowTitle(), "Pindrel");
        EXPECT_TRUE(window->boardView().solutionPicture().isNull());
    }
    // The redirect's target was never asked for.
    EXPECT_FALSE(server.requestedPaths().contains(QStringLiteral("/elsewhere.jpg")));
}

TEST_F(WebDownloadTest, TheGaugeCoversTheTimePanelAndCountsTheBody)
{
    struct Seen
    {
        qint64 maximum, value;
        QString text;
        bool visible;
    };
    for (const auto framing : {LoopbackServer::Framing::Length, LoopbackServer::Framing::Close}) {
        const LoopbackServer::Response response = picture(QSize(64, 48), framing, 500);
        server.serve(QStringLiteral("/drip.jpg"), response);
        QList<Seen> seen;
        // Connected after the window's own handler, so it sees the gauge as updated.
        auto watch = QObject::connect(client(), &sources::PictureDownload::work, window.get(), [&] {
            seen << Seen{gauge()->maximum(), gauge()->value(), gauge()->text(),
                         gauge()->isVisible()};
        });
        EXPECT_EQ(openFromWebAndWait(server.url(QStringLiteral("/drip.jpg"))),
                  TfrmMain::WebPicture::Opened);
        QObject::disconnect(watch);

        const bool sized = framing == LoopbackServer::Framing::Length;
        ASSERT_GT(seen.size(), 10);
        EXPECT_EQ(gauge()->geometry(), find<QLabel>("txtStatus")->rect());
        qint64 before = 0;
        for (const Seen &s : seen) {
            EXPECT_TRUE(s.visible);
            EXPECT_EQ(s.maximum, sized ? response.body.size() : 0);
            EXPECT_GE(s.value, before);
            before = s.value;
            const qint64 percent = sized ? s.value * 100 / s.maximum : 0;
            EXPECT_EQ(s.text, QString::number(percent) + "%");
        }
        EXPECT_EQ(seen.constLast().text, sized ? "100%" : "0%");
        EXPECT_FALSE(gauge()->isVisible());
    }
}

TEST_F(WebDownloadTest, AddressesAreFetchedOnlyWhereTheirOriginMayReach)
{
    QTemporaryDir folder;
    const QString outside = folder.filePath(QStringLiteral("outside.jpg"));
    QFile file(outside);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(testsupport::jpegOf(QSize(30, 20), Qt::darkBlue));
    file.close();
    // Reached through its escaped name, the way a page writes it.
    FifoWatch fifo(folder.filePath(QStringLiteral("fifo#.jpg")));
    ASSERT_TRUE(fifo.created());
    const QString fifoAddress = QUrl::fromLocalFile(folder.filePath("fifo#.jpg")).toString();
    const std::tuple<QString, web::LinkOrigin, bool> cases[] = {
        {QUrl::fromLocalFile(outside).toString(), web::LinkOrigin::Page, false},
        {QUrl::fromLocalFile(outside).toString(), web::LinkOrigin::Typed, true},
        {fifoAddress, web::LinkOrigin::Page, false},
        {fifoAddress, web::LinkOrigin::Typed, false},
    };
    for (const auto &[address, origin, opens] : cases) {
        SCOPED_TRACE(address.toStdString() + (origin == web::LinkOrigin::Page ? " page" : ""));
        QString caption, message;
        if (!opens)
            expectMessage(&caption, &message);
        EXPECT_EQ(openFromWebAndWait(address, origin),
                  opens ? TfrmMain::WebPicture::Opened : TfrmMain::WebPicture::Failed);
        EXPECT_EQ(message, opens ? "" : "Unable to download image.");
    }
    EXPECT_FALSE(fifo.openedForReading());
}

TEST_F(WebDownloadTest, ANewerLinkDuringATransferWinsAndOnlyItsPuzzleIsBuilt)
{
    server.serve(QStringLiteral("/old.jpg"),
                 picture(QSize(64, 48), LoopbackServer::Framing::Length, 200));
    server.serve(QStringLiteral("/new.jpg"),
                 picture(QSize(90, 60), LoopbackServer::Framing::Length));
    const QString newer = server.url(QStringLiteral("/new.jpg"));
    QSignalSpy ends(window.get(), &TfrmMain::webPictureEnded);
    QObject::connect(client(), &sources::PictureDownload::work, window.get(), [&] {
        client()->disconnect(window.get());
        QTimer::singleShot(0, window.get(), [&] { window->openImageFromWeb(newer); });
    });
    int boxes = 0;
    whenModal("QMessageBox", [&boxes](QWidget *box) {
        ++boxes;
        box->close();
    });
    EXPECT_EQ(openFromWebAndWait(server.url(QStringLiteral("/old.jpg"))),
              TfrmMain::WebPicture::Dropped);
    EXPECT_EQ(webPictureEnd(ends, newer), TfrmMain::WebPicture::Opened);
    EXPECT_EQ(window->windowTitle(), "Pindrel - " + newer);
    EXPECT_EQ(window->boardView().solutionPicture().size(), QSize(90, 60));
    EXPECT_TRUE(board()->isVisible());
    EXPECT_FALSE(pane()->isVisible());
    EXPECT_TRUE(window->session().clock().clockRunning());
    QTest::qWait(50); // time for a message about the dropped download, had one been queued
    EXPECT_EQ(boxes, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.closedEarly() == 1; }));
}

TEST_F(WebDownloadTest, TheTransferRunsOnTheWindowsOwnEventLoopWithNoLoopNestedInside)
{
    server.serve(QStringLiteral("/drip.jpg"),
                 picture(QSize(64, 48), LoopbackServer::Framing::Length, 200));
    const QString address = server.url(QStringLiteral("/drip.jpg"));
    // The one loop the window runs on, as under the application's exec().
    QEventLoop outer;
    std::optional<TfrmMain::WebPicture> end;
    QObject::connect(window.get(), &TfrmMain::webPictureEnded, &outer,
                     [&](const QString &, TfrmMain::WebPicture outcome) {
                         end = outcome;
                         outer.quit();
                     });
    QList<int> levelsAtWork;
    QObject::connect(client(), &sources::PictureDownload::work, window.get(),
                     [&] { levelsAtWork << QThread::currentThread()->loopLevel(); });
    bool endedBeforeReturn = true, timerBeforeEnd = false;
    int levelInTimer = 0;
    QTimer::singleShot(0, window.get(), [&] {
        window->openImageFromWeb(address);
        endedBeforeReturn = end.has_value();
        // Posted after the call: it runs while the transfer goes on.
        QTimer::singleShot(0, window.get(), [&] {
            timerBeforeEnd = !end.has_value();
            levelInTimer = QThread::currentThread()->loopLevel();
        });
    });
    QTimer::singleShot(60'000, &outer, &QEventLoop::quit);
    outer.exec();

    EXPECT_EQ(end, TfrmMain::WebPicture::Opened);
    EXPECT_FALSE(endedBeforeReturn);
    EXPECT_TRUE(timerBeforeEnd);
    EXPECT_EQ(levelInTimer, 1);
    ASSERT_GT(levelsAtWork.size(), 10);
    EXPECT_EQ(levelsAtWork.count(1), levelsAtWork.size()) << levelsAtWork.count(2) << " nested";
}
