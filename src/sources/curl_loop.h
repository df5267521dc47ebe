// SPDX-License-Identifier: GPL-3.0-or-later
// A libcurl multi handle driven by Qt's event loop: socket notifiers and one timer, no thread.
#pragma once

#include <QHash>
#include <QObject>
#include <QTimer>

#include <curl/curl.h>

class QSocketNotifier;

namespace sources {

class CurlLoop : public QObject
{
    Q_OBJECT

  public:
    explicit CurlLoop(QObject *parent = nullptr);
    ~CurlLoop() override;

    // Starts a prepared easy handle.
    void add(CURL *easy);
    // Takes a handle out, finished or not; a transfer still running has its connection closed.
    // The caller cleans the handle up.
    void remove(CURL *easy);

  signals:
    // Curl has run: the handles' callbacks have been called. Emitted outside curl, so that
    // receivers may remove handles.
    void advanced();
    // A handle's transfer has ended with a CURLcode, after the advanced() that ended it.
    void done(CURL *easy, int result);

  private:
    static int onSocket(CURL *easy, curl_socket_t socket, int what, void *loop, void *);
    static int onTimer(CURLM *multi, long timeoutMs, void *loop);
    void act(curl_socket_t socket, int events);
    void watch(curl_socket_t socket, int what);

    CURLM *m_multi = nullptr;
    QTimer m_timer;
    struct Notifiers
    {
        QSocketNotifier *read = nullptr;
        QSocketNotifier *write = nullptr;
    };
    QHash<curl_socket_t, Notifiers> m_sockets;
    // A serial per running handle: a handle removed and another made at its address while
    // done() messages are being handed out does not receive the old one's.
    QHash<CURL *, quint64> m_running;
    quint64 m_serial = 0;
};

} // namespace sources
