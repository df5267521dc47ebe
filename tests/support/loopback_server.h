// SPDX-License-Identifier: GPL-3.0-or-later
// A scripted HTTP server on 127.0.0.1 for download and web pane tests; it records what the
// client sent.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class QTcpServer;
class QTcpSocket;

class LoopbackServer : public QObject
{
    Q_OBJECT

  public:
    enum class Framing
    {
        Length,
        Close,
        Chunked
    };

    struct Response
    {
        QByteArray status = "200 OK";
        QByteArray contentType = "image/jpeg";
        QByteArray body;
        // Length: Content-Length and the body; Close: the body ends with the connection;
        // Chunked: chunked transfer coding.
        Framing framing = Framing::Length;
        QByteArray extraHeaders;    // whole lines, each ending in "\r\n"
        qint64 declaredLength = -1; // a Content-Length other than the body's size
        qint64 resetAfter = -1;     // body bytes sent before the connection is reset
        int dripBytes = 0;          // the body this many bytes at a time...
        int dripIntervalMs = 0;     // ...this often
        // Sent instead of the head built from the fields above, blank line included or not.
        QByteArray rawHead;
        // After the head and body, this again and again while the client reads, up to
        // endlessBytesLimit or endlessSeconds: a hostile server that never ends its answer.
        QByteArray endless;
    };

    // Bounds on an endless answer, so that no test server runs on by itself.
    static constexpr qint64 endlessBytesLimit = qint64(4) << 30;
    static constexpr int endlessSeconds = 60;

    // Listens on 127.0.0.1, port chosen by the system.
    LoopbackServer();
    ~LoopbackServer() override;

    void serve(const QString &path, const Response &response);
    // "http://127.0.0.1:port" + path.
    QString url(const QString &path) const;
    quint16 port() const;
    // The request heads received, in order, each up to its blank line.
    const QList<QByteArray> &requests() const { return m_requests; }
    QStringList requestedPaths() const;
    // Connections the client has closed or reset while a body was still being sent.
    int closedEarly() const { return m_closedEarly; }
    // Connections accepted, and those of them the client has not closed yet.
    int connections() const { return m_connections; }
    int openConnections() const { return m_openConnections; }

    static Response page(const QByteArray &html);
    static Response status(const QByteArray &statusLine, const QByteArray &extraHeaders = {});

  private:
    void onConnection();
    void onRequestBytes(QTcpSocket *socket);
    void send(QTcpSocket *socket, const Response &response);
    void sendEndless(QTcpSocket *socket, const QByteArray &piece);
    static QByteArray encodedBody(const Response &response);

    QTcpServer *m_server = nullptr;
    QHash<QString, Response> m_responses;
    QList<QByteArray> m_requests;
    int m_closedEarly = 0;
    int m_connections = 0;
    int m_openConnections = 0;
};
