// SPDX-License-Identifier: GPL-3.0-or-later
// Fetching one picture over HTTP/1.1 into memory, with progress, a size cap, abort and cancelling.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

#include <cstddef>

struct curl_slist;

namespace sources {

class CurlLoop;

class PictureDownload : public QObject
{
    Q_OBJECT

  public:
    // Bodies beyond this are refused as they arrive.
    static constexpr qint64 maxBodyBytes = qint64(64) << 20;
    // A header larger than browsers take, in bytes or in lines, fails the transfer at once.
    static constexpr qint64 maxHeaderBytes = qint64(256) << 10;
    static constexpr int maxHeaderLines = 1000;
    // A transfer that receives nothing for this long fails.
    static constexpr int idleTimeoutMs = 30'000;
    static const char *const userAgent;
    static const char *const acceptTypes;

    enum class State
    {
        Running,
        Done,
        Failed,
        Dropped
    };

    explicit PictureDownload(QObject *parent = nullptr);
    ~PictureDownload() override;

    // Starts a GET of url and returns its number. A transfer still running is dropped without
    // a word: the newer request wins.
    quint64 get(const QUrl &url);
    // Closes the connection: a running transfer fails.
    void abort();
    // Ends a running transfer without a failure, as if a newer one had replaced it; so too a
    // finished one whose body has not been taken. True when there was one.
    bool drop();

    State stateOf(quint64 transfer) const;
    // The failure of the last transfer, for the record.
    QString failure() const { return m_failure; }
    // The body of the last transfer once it is Done; empties the buffer.
    QByteArray takeBody();

  signals:
    // The body starts: expected is its length, 0 when the server sends none.
    void workBegin(qint64 expected);
    void work(qint64 received);
    // The body has ended, completely or not.
    void workEnd();
    // A transfer has ended in any way, dropped ones included.
    void ended();

  private:
    // Curl's callbacks only record; the signals follow once curl has returned.
    static std::size_t onHeader(char *data, std::size_t size, std::size_t count, void *self);
    static std::size_t onBody(char *data, std::size_t size, std::size_t count, void *self);
    std::size_t header(const char *line, std::size_t size);
    void onAdvanced();
    void onDone(void *easy, int result);
    void begin();
    void conclude(State state, const QString &failure);

    CurlLoop *m_loop = nullptr;
    void *m_easy = nullptr; // the running transfer's curl handle
    curl_slist *m_requestHeaders = nullptr;
    quint64 m_current = 0;
    State m_state = State::Dropped;
    qint64 m_headerBytes = 0;
    int m_headerLines = 0;
    bool m_headed = false; // the answer's header has ended and was accepted
    qint64 m_expected = 0;
    qint64 m_reported = 0; // the body size last told by work()
    QString m_refusal;     // why a callback stopped the transfer
    bool m_begun = false;
    bool m_bodyTaken = false;
    QByteArray m_body;
    QString m_failure;
};

} // namespace sources
