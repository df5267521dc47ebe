// SPDX-License-Identifier: GPL-3.0-or-later
// The scripted server: one response per path, written whole, in drips, or cut by a reset.
#include "support/loopback_server.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>
#include <sys/socket.h>

LoopbackServer::LoopbackServer() : m_server(new QTcpServer(this))
{
    m_server->listen(QHostAddress::LocalHost, 0);
    connect(m_server, &QTcpServer::newConnection, this, &LoopbackServer::onConnection);
}

LoopbackServer::~LoopbackServer() = default;

void LoopbackServer::serve(const QString &path, const Response &response)
{
    m_responses.insert(path, response);
}

QString LoopbackServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
}

quint16 LoopbackServer::port() const
{
    return m_server->serverPort();
}

QStringList LoopbackServer::requestedPaths() const
{
    QStringList paths;
    for (const QByteArray &head : m_requests)
        paths << QString::fromLatin1(head.split(' ').value(1));
    return paths;
}

LoopbackServer::Response LoopbackServer::page(const QByteArray &html)
{
    Response response;
    response.contentType = "text/html";
    response.body = html;
    return response;
}

LoopbackServer::Response LoopbackServer::status(const QByteArray &statusLine,
                                                const QByteArray &extraHeaders)
{
    Response response = page("<html><body>" + statusLine + "</body></html>");
    response.status = statusLine;
    response.extraHeaders = extraHeaders;
    return response;
}

void LoopbackServer::onConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        ++m_connections;
        ++m_openConnections;
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onRequestBytes(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this] { --m_openConnections; });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void LoopbackServer::onRequestBytes(QTcpSocket *socket)
{
    // Keep-alive clients send their next request on the same connection.
    QByteArray pending = socket->property("pending").toByteArray() + socket->readAll();
    for (qsizetype end; (end = pending.indexOf("\r\n\r\n")) >= 0;) {
        const QByteArray head = pending.left(end + 4);
        pending.remove(0, end + 4);
        m_requests << head;
        const QString path = QString::fromLatin1(head.split(' ').value(1));
        send(socket, m_responses.value(path, status("404 Not Found")));
    }
    socket->setProperty("pending", pending);
}

QByteArray LoopbackServer::encodedBody(const Response &response)
{
    if (response.framing != Framing::Chunked)
        return response.body;
    QByteArray coded;
    for (qsizetype at = 0; at < response.body.size(); at += 4096) {
        const QByteArray chunk = response.body.mid(at, 4096);
        coded += QByteArray::number(chunk.size(), 16) + "\r\n" + chunk + "\r\n";
    }
    return coded + "0\r\n\r\n";
}

void LoopbackServer::send(QTcpSocket *socket, const Response &response)
{
    if (!response.rawHead.isEmpty()) {
        socket->write(response.rawHead + response.body);
        if (!response.endless.isEmpty())
            sendEndless(socket, response.endless);
        return;
    }
    QByteArray head = "HTTP/1.1 " + response.status + "\r\n";
    head += "Content-Type: " + response.contentType + "\r\n";
    if (response.framing == Framing::Length)
        head += "Content-Length: " +
                QByteArray::number(response.declaredLength >= 0 ? response.declaredLength
                                                                : response.body.size()) +
                "\r\n";
    if (response.framing == Framing::Chunked)
        head += "Transfer-Encoding: chunked\r\n";
    if (response.framing == Framing::Close || response.resetAfter >= 0)
        head += "Connection: close\r\n";
    head += response.extraHeaders + "\r\n";
    socket->write(head);

    QByteArray body = encodedBody(response);
    if (response.resetAfter >= 0) {
        body.truncate(response.resetAfter);
        socket->write(body);
        // A reset, not an orderly close: linger zero makes close() send RST.
        connect(socket, &QTcpSocket::bytesWritten, socket, [socket] {
            if (socket->bytesToWrite() > 0)
                return;
            const linger reset{1, 0};
            ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &reset,
                         sizeof reset);
            socket->abort();
        });
        return;
    }
    if (!response.endless.isEmpty()) {
        socket->write(body);
        sendEndless(socket, response.endless);
        return;
    }
    const bool closes = response.framing == Framing::Close;
    if (response.dripBytes <= 0) {
        socket->write(body);
        if (closes)
            socket->disconnectFromHost();
        return;
    }
    auto *drip = new QTimer(socket);
    auto sent = std::make_shared<qsizetype>(0);
    connect(socket, &QTcpSocket::disconnected, this, [this, drip] {
        if (drip->isActive())
            ++m_closedEarly;
        drip->stop();
    });
    connect(drip, &QTimer::timeout, socket, [socket, drip, body, sent, response, closes] {
        socket->write(body.mid(*sent, response.dripBytes));
        *sent += response.dripBytes;
        if (*sent < body.size())
            return;
        drip->stop();
        if (closes)
            socket->disconnectFromHost();
    });
    drip->start(response.dripIntervalMs);
}

void LoopbackServer::sendEndless(QTcpSocket *socket, const QByteArray &piece)
{
    // About 64 KiB a write, the next one only once the last has left: the server, in the
    // client's process, must not hold what the client is being tested for.
    QByteArray block;
    while (block.size() < 65'536)
        block += piece;
    auto sent = std::make_shared<qint64>(0);
    QTimer::singleShot(endlessSeconds * 1000, socket, [socket] { socket->abort(); });
    auto more = [socket, block, sent] {
        if (socket->bytesToWrite() > 0 || socket->state() != QAbstractSocket::ConnectedState)
            return;
        if (*sent >= endlessBytesLimit) {
            socket->disconnectFromHost();
            return;
        }
        socket->write(block);
        *sent += block.size();
    };
    connect(socket, &QTcpSocket::bytesWritten, socket, more);
    more();
}
