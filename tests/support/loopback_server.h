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
    };

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

    static Response page(const QByteArray &html);
    static Response status(const QByteArray &statusLine, const QByteArray &extraHeaders = {});

  private:
    void onConnection();
    void onRequestBytes(QTcpSocket *socket);
    void send(QTcpSocket *socket, const Response &response);
    static QByteArray encodedBody(const Response &response);

    QTcpServer *m_server = nullptr;
    QHash<QString, Response> m_responses;
    QList<QByteArray> m_requests;
    int m_closedEarly = 0;
};
