// SPDX-License-Identifier: GPL-3.0-or-later
// Curl's socket and timer callbacks turned into QSocketNotifiers and a single-shot QTimer.
#include "sources/curl_loop.h"

#include <QSocketNotifier>

#include <mutex>
#include <tuple>

namespace sources {

CurlLoop::CurlLoop(QObject *parent) : QObject(parent)
{
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    m_multi = curl_multi_init();
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETFUNCTION, &CurlLoop::onSocket);
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERFUNCTION, &CurlLoop::onTimer);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERDATA, this);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { act(CURL_SOCKET_TIMEOUT, 0); });
}

CurlLoop::~CurlLoop()
{
    for (CURL *easy : m_running.keys())
        curl_multi_remove_handle(m_multi, easy);
    curl_multi_cleanup(m_multi);
}

void CurlLoop::add(CURL *easy)
{
    m_running.insert(easy, ++m_serial);
    curl_multi_add_handle(m_multi, easy);
}

void CurlLoop::remove(CURL *easy)
{
    if (m_running.remove(easy))
        curl_multi_remove_handle(m_multi, easy);
}

int CurlLoop::onSocket(CURL *, curl_socket_t socket, int what, void *loop, void *)
{
    static_cast<CurlLoop *>(loop)->watch(socket, what);
    return 0;
}

int CurlLoop::onTimer(CURLM *, long timeoutMs, void *loop)
{
    // Curl may not be called back into from here: the timer does it from the event loop.
    QTimer &timer = static_cast<CurlLoop *>(loop)->m_timer;
    if (timeoutMs < 0)
        timer.stop();
    else
        timer.start(int(qMin(timeoutMs, long(INT_MAX))));
    return 0;
}

void CurlLoop::watch(curl_socket_t socket, int what)
{
    Notifiers &notifiers = m_sockets[socket];
    auto set = [this, socket](QSocketNotifier *&notifier, QSocketNotifier::Type type, bool on,
                              int events) {
        if (on && !notifier) {
            notifier = new QSocketNotifier(socket, type, this);
            connect(notifier, &QSocketNotifier::activated, this,
                    [this, socket, events] { act(socket, events); });
        }
        if (notifier)
            notifier->setEnabled(on);
    };
    set(notifiers.read, QSocketNotifier::Read, what == CURL_POLL_IN || what == CURL_POLL_INOUT,
        CURL_CSELECT_IN);
    set(notifiers.write, QSocketNotifier::Write, what == CURL_POLL_OUT || what == CURL_POLL_INOUT,
        CURL_CSELECT_OUT);
    if (what == CURL_POLL_REMOVE) {
        // Disabled above, so a socket curl opens next under the same number gets notifiers
        // of its own; these may be the sender of the signal being handled.
        for (QSocketNotifier *notifier : {notifiers.read, notifiers.write})
            if (notifier)
                notifier->deleteLater();
        m_sockets.remove(socket);
    }
}

void CurlLoop::act(curl_socket_t socket, int events)
{
    int running = 0;
    curl_multi_socket_action(m_multi, socket, events, &running);
    QList<std::tuple<CURL *, quint64, CURLcode>> ended;
    int left = 0;
    while (CURLMsg *message = curl_multi_info_read(m_multi, &left)) {
        if (message->msg == CURLMSG_DONE)
            ended.append({message->easy_handle, m_running.value(message->easy_handle),
                          message->data.result});
    }
    emit advanced();
    for (const auto &[easy, serial, result] : ended) {
        if (m_running.value(easy) == serial && serial != 0)
            emit done(easy, result);
    }
}

} // namespace sources
