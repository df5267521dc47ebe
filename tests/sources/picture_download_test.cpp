// SPDX-License-Identifier: GPL-3.0-or-later
// The download against a scripted loopback server: framings, failures, the size cap, the
// request it sends, dropping a transfer and a newer request taking over, hostile servers.
#include "sources/picture_download.h"
#include "support/loopback_server.h"
#include "support/process_status.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <unistd.h>

using sources::PictureDownload;
using Framing = LoopbackServer::Framing;
using State = PictureDownload::State;

namespace {

QByteArray bytesOf(qsizetype size)
{
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char(i * 7);
    return bytes;
}

// 50 000 bytes sent 1000 at a time, every 20 ms.
LoopbackServer::Response slowResponse()
{
    LoopbackServer::Response slow;
    slow.body = bytesOf(50'000);
    slow.dripBytes = 1000;
    slow.dripIntervalMs = 20;
    return slow;
}

struct Transfer
{
    State state = State::Running;
    QByteArray body;
    QList<qint64> begins; // expected lengths told at the start of the body
    qint64 lastWork = -1;
    int workEnds = 0;
};

Transfer fetch(PictureDownload &download, const QString &url)
{
    Transfer run;
    QObject::connect(&download, &PictureDownload::workBegin, &download,
                     [&](qint64 expected) { run.begins << expected; });
    QObject::connect(&download, &PictureDownload::work, &download,
                     [&](qint64 received) { run.lastWork = received; });
    QObject::connect(&download, &PictureDownload::workEnd, &download, [&] { ++run.workEnds; });
    QSignalSpy ended(&download, &PictureDownload::ended);
    const quint64 transfer = download.get(QUrl(url));
    if (download.stateOf(transfer) == State::Running) {
        EXPECT_TRUE(ended.wait(60'000));
    }
    run.state = download.stateOf(transfer);
    run.body = download.takeBody();
    download.disconnect();
    return run;
}

} // namespace

TEST(PictureDownload, FramingsStatusesAndTheSizeCap)
{
    const QByteArray picture = bytesOf(100'000);
    auto make = [&](Framing framing) {
        LoopbackServer::Response response;
        response.body = picture;
        response.framing = framing;
        return response;
    };
    LoopbackServer::Response reset = make(Framing::Length);
    reset.resetAfter = 40'000;
    LoopbackServer::Response declaredHuge = make(Framing::Length);
    declaredHuge.declaredLength = PictureDownload::maxBodyBytes + 1;
    declaredHuge.body.clear();
    LoopbackServer::Response atCap = make(Framing::Close);
    atCap.body = QByteArray(PictureDownload::maxBodyBytes, 'x');
    LoopbackServer::Response overCap = make(Framing::Close);
    overCap.body = QByteArray(PictureDownload::maxBodyBytes + 1, 'x');
    LoopbackServer::Response empty = make(Framing::Length);
    empty.body.clear();

    struct Case
    {
        const char *name;
        LoopbackServer::Response response;
        State state;
        qint64 told; // the length told at the body's start; -1 when no body starts
        qint64 size; // the body kept
    };
    const Case cases[] = {
        {"length", make(Framing::Length), State::Done, picture.size(), picture.size()},
        {"no-length", make(Framing::Close), State::Done, 0, picture.size()},
        {"chunked", make(Framing::Chunked), State::Done, 0, picture.size()},
        {"html-page", LoopbackServer::page("<html>not a picture</html>"), State::Done, 26, 26},
        {"empty", empty, State::Done, 0, 0},
        {"redirect", LoopbackServer::status("302 Found", "Location: /length\r\n"), State::Failed,
         -1, 0},
        {"missing", LoopbackServer::status("404 Not Found"), State::Failed, -1, 0},
        {"server-error", LoopbackServer::status("500 Internal Server Error"), State::Failed, -1, 0},
        {"reset", reset, State::Failed, picture.size(), 0},
        {"declared-huge", declaredHuge, State::Failed, -1, 0},
        {"at-cap", atCap, State::Done, 0, PictureDownload::maxBodyBytes},
        {"over-cap", overCap, State::Failed, 0, 0},
    };
    LoopbackServer server;
    auto pathOf = [](const Case &c) { return QStringLiteral("/") + QLatin1String(c.name); };
    for (const Case &c : cases)
        server.serve(pathOf(c), c.response);
    PictureDownload download;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Transfer run = fetch(download, server.url(pathOf(c)));
        EXPECT_EQ(run.state, c.state) << download.failure().toStdString();
        EXPECT_EQ(run.body.size(), c.size);
        if (c.state == State::Done && c.size == picture.size()) {
            EXPECT_EQ(run.body, picture);
        }
        if (c.told < 0) {
            EXPECT_TRUE(run.begins.isEmpty());
        } else {
            EXPECT_EQ(run.begins, QList<qint64>{c.told});
            EXPECT_EQ(run.workEnds, 1);
        }
        if (c.state == State::Done) {
            EXPECT_EQ(run.lastWork, c.size > 0 ? c.size : -1);
        }
    }
    // The redirect was not followed: "/length" was asked for once, by its own case.
    EXPECT_EQ(server.requestedPaths().count(QStringLiteral("/length")), 1);
}

TEST(PictureDownload, SendsAPlainHttp11GetWithItsOwnHeadersAndNoProxy)
{
    // A proxy from the environment would swallow the request: the download must not use it.
    qputenv("http_proxy", "http://127.0.0.1:9");
    LoopbackServer server;
    LoopbackServer::Response response;
    response.body = bytesOf(10);
    server.serve(QStringLiteral("/a%20b.jpg?size=2"), response);
    PictureDownload download;
    const Transfer run = fetch(download, server.url(QStringLiteral("/a%20b.jpg?size=2")));
    qunsetenv("http_proxy");
    EXPECT_EQ(run.state, State::Done);
    ASSERT_EQ(server.requests().size(), 1);
    const QList<QByteArray> lines = server.requests().constFirst().split('\n');
    EXPECT_EQ(lines.value(0), "GET /a%20b.jpg?size=2 HTTP/1.1\r");
    QStringList headers;
    for (const QByteArray &line : lines.mid(1))
        headers << QString::fromLatin1(line.trimmed());
    for (const QString &expected :
         {QStringLiteral("Accept: text/html, */*"),
          QStringLiteral("User-Agent: Mozilla/3.0 (compatible; Indy Library)"),
          QStringLiteral("Host: 127.0.0.1:%1").arg(server.port()),
          QStringLiteral("Accept-Encoding: identity")})
        EXPECT_TRUE(headers.contains(expected)) << expected.toStdString();
}

TEST(PictureDownload, DropEndsTheTransferSilentlyAndClosesTheConnection)
{
    LoopbackServer server;
    server.serve(QStringLiteral("/slow.jpg"), slowResponse());
    LoopbackServer::Response quick;
    quick.body = bytesOf(500);
    server.serve(QStringLiteral("/quick.jpg"), quick);
    PictureDownload download;
    QObject::connect(&download, &PictureDownload::work, &download, [&](qint64 received) {
        if (received >= 3000)
            EXPECT_TRUE(download.drop());
    });
    const Transfer run = fetch(download, server.url(QStringLiteral("/slow.jpg")));
    EXPECT_EQ(run.state, State::Dropped);
    EXPECT_TRUE(run.body.isEmpty());
    EXPECT_EQ(run.workEnds, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.closedEarly() == 1; }, 10'000));
    EXPECT_FALSE(download.drop()); // nothing left to drop

    // A transfer that has ended but whose body nobody has taken yet is dropped too; once
    // taken, it stays done.
    for (const bool taken : {false, true}) {
        const quint64 transfer = download.get(QUrl(server.url(QStringLiteral("/quick.jpg"))));
        ASSERT_TRUE(QTest::qWaitFor([&] { return download.stateOf(transfer) == State::Done; }));
        if (taken)
            EXPECT_EQ(download.takeBody(), quick.body);
        EXPECT_EQ(download.drop(), !taken);
        EXPECT_EQ(download.stateOf(transfer), taken ? State::Done : State::Dropped);
    }
}

TEST(PictureDownload, ANewerRequestDropsTheOlderOneSilently)
{
    LoopbackServer server;
    const LoopbackServer::Response slow = slowResponse();
    server.serve(QStringLiteral("/old.jpg"), slow);
    LoopbackServer::Response quick;
    quick.body = bytesOf(500);
    server.serve(QStringLiteral("/new.jpg"), quick);

    PictureDownload download;
    int ends = 0;
    QObject::connect(&download, &PictureDownload::workEnd, &download, [&] { ++ends; });
    const quint64 older = download.get(QUrl(server.url(QStringLiteral("/old.jpg"))));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.requests().isEmpty(); }, 10'000));
    QSignalSpy ended(&download, &PictureDownload::ended);
    const quint64 newer = download.get(QUrl(server.url(QStringLiteral("/new.jpg"))));
    EXPECT_EQ(ended.size(), 1); // the older one, at once
    EXPECT_EQ(download.stateOf(older), State::Dropped);
    ASSERT_TRUE(QTest::qWaitFor([&] { return download.stateOf(newer) != State::Running; }));
    EXPECT_EQ(download.stateOf(newer), State::Done);
    EXPECT_EQ(download.takeBody(), quick.body);
    EXPECT_EQ(ends, 1); // only the newer body ended: the older one was never told
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.closedEarly() == 1; }, 10'000));
}

namespace {

// CPU time this process has used, user and system, in clock ticks.
qint64 cpuTicks()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The fields after the command's closing parenthesis; utime and stime are the 12th and 13th.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.value(11).toLongLong() + fields.value(12).toLongLong();
}

} // namespace

TEST(PictureDownload, HostileServersGetNoMoreThanTheCapAndKeepNothing)
{
    const QByteArray zeros(4096, '\0');
    auto raw = [](const QByteArray &head, const QByteArray &endless) {
        LoopbackServer::Response response;
        response.rawHead = head;
        response.endless = endless;
        return response;
    };
    LoopbackServer::Response endlessBody;
    endlessBody.framing = Framing::Close;
    endlessBody.endless = zeros;
    LoopbackServer::Response stalls;
    stalls.declaredLength = qint64(2) << 30;
    struct Case
    {
        const char *name;
        LoopbackServer::Response response;
        const char *failure; // what the failure names: the bound that stopped it
    };
    const Case cases[] = {
        {"huge-chunk",
         raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
             "7fffffffffffffff\r\n",
             zeros),
         "64 MiB"},
        {"endless-body", endlessBody, "64 MiB"},
        {"endless-header", raw("HTTP/1.1 200 OK\r\nX-Junk: ", QByteArray(4096, 'a')), "header"},
        {"endless-header-lines", raw("HTTP/1.1 200 OK\r\n", "X-A: b\r\n"), "header"},
        {"stalling-2-GiB", stalls, "64 MiB"},
    };
    LoopbackServer good;
    LoopbackServer::Response picture;
    picture.body = bytesOf(200'000);
    good.serve(QStringLiteral("/good.jpg"), picture);
    PictureDownload download;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackServer hostile;
        hostile.serve(QStringLiteral("/x.jpg"), c.response);
        const qint64 before = statusBytes("VmRSS:");
        ASSERT_TRUE(resetPeakResident());
        const Transfer run = fetch(download, hostile.url(QStringLiteral("/x.jpg")));
        const qint64 peak = statusBytes("VmHWM:");
        EXPECT_EQ(run.state, State::Failed);
        EXPECT_TRUE(download.failure().contains(QLatin1String(c.failure)))
            << download.failure().toStdString();
        // The failure closed the connection, and what the download held is given back.
        EXPECT_TRUE(QTest::qWaitFor([&] { return hostile.openConnections() == 0; }, 10'000));
        const qint64 after = statusBytes("VmRSS:");
        if (residentSetIsMeaningful) {
            EXPECT_LE(peak - before, PictureDownload::maxBodyBytes + (qint64(8) << 20));
            EXPECT_LE(after - before, qint64(8) << 20);
        }
        // Nothing goes on working in the background: left alone, the process is idle.
        const qint64 ticks = cpuTicks();
        QElapsedTimer idle;
        idle.start();
        QTest::qWait(500);
        const qint64 used = (cpuTicks() - ticks) * 1000 / sysconf(_SC_CLK_TCK);
        EXPECT_LT(used, idle.elapsed() / 2);
        std::printf("%s: peak +%lld MiB, after +%lld MiB, cpu %lld ms of %lld\n", c.name,
                    (peak - before) >> 20, (after - before) >> 20, used, qint64(idle.elapsed()));
        // A later download, from another server, is not held up.
        const Transfer next = fetch(download, good.url(QStringLiteral("/good.jpg")));
        EXPECT_EQ(next.state, State::Done) << download.failure().toStdString();
        EXPECT_EQ(next.body, picture.body);
        EXPECT_EQ(hostile.connections(), 1);
    }
}
