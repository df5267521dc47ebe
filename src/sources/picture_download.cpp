// SPDX-License-Identifier: GPL-3.0-or-later
// The download on libcurl: one transfer at a time, its body kept in memory.
//
// Qt's own HTTP client (Qt 6.4) reads a response header without any bound: a server that never
// ends its header keeps Qt's HTTP thread copying it byte by byte, and the connection is left
// open after the reply is aborted or times out. Nothing in QNetworkAccessManager's API sees the
// header before it has ended, so it cannot be bounded from outside. Curl hands over every
// header line as it arrives, passes a body through in small pieces whatever its framing
// declares, and closes a connection whose transfer is taken out unfinished.
#include "sources/picture_download.h"

#include "sources/curl_loop.h"

#include <utility>

namespace sources {

const char *const PictureDownload::userAgent = "Mozilla/3.0 (compatible; Indy Library)";
const char *const PictureDownload::acceptTypes = "text/html, */*";

namespace {

QString tooLarge()
{
    return QStringLiteral("the body is larger than 64 MiB");
}

QString headerTooLarge()
{
    return QStringLiteral("the header is larger than 256 KiB or 1000 lines");
}

} // namespace

PictureDownload::PictureDownload(QObject *parent) : QObject(parent) {}

PictureDownload::~PictureDownload()
{
    drop();
    curl_slist_free_all(m_requestHeaders);
}

quint64 PictureDownload::get(const QUrl &url)
{
    drop();
    if (!m_loop) {
        // Made on first use: start-up does not pay for the network stack.
        m_loop = new CurlLoop(this);
        connect(m_loop, &CurlLoop::advanced, this, &PictureDownload::onAdvanced);
        connect(m_loop, &CurlLoop::done, this, &PictureDownload::onDone);
        m_requestHeaders = curl_slist_append(nullptr, QByteArray("Accept: ") + acceptTypes);
        // Only bytes as sent: the gauge and the cap count them.
        m_requestHeaders = curl_slist_append(m_requestHeaders, "Accept-Encoding: identity");
    }
    CURL *easy = curl_easy_init();
    curl_easy_setopt(easy, CURLOPT_URL, url.toEncoded().constData());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https,file");
    // An empty proxy: none, whatever the environment names.
    curl_easy_setopt(easy, CURLOPT_PROXY, "");
    curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(easy, CURLOPT_USERAGENT, userAgent);
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, m_requestHeaders);
    // Redirects are not followed (curl's default); a connection is not kept for later either:
    // pictures come one at a time, and nothing of a transfer is held once it has ended.
    curl_easy_setopt(easy, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, long(idleTimeoutMs));
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, long(idleTimeoutMs / 1000));
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &PictureDownload::onHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &PictureDownload::onBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);

    ++m_current;
    m_state = State::Running;
    m_headerBytes = 0;
    m_headerLines = 0;
    m_headed = false;
    m_expected = 0;
    m_reported = 0;
    m_refusal.clear();
    m_begun = false;
    m_bodyTaken = false;
    m_body = QByteArray();
    m_failure.clear();
    m_easy = easy;
    m_loop->add(easy);
    return m_current;
}

void PictureDownload::abort()
{
    if (m_state == State::Running)
        conclude(State::Failed, QStringLiteral("the connection was closed"));
}

bool PictureDownload::drop()
{
    // A command can run between the end of a transfer and its taker noticing.
    const bool unclaimed = m_state == State::Done && !m_bodyTaken;
    if (m_state != State::Running && !unclaimed)
        return false;
    conclude(State::Dropped, {});
    return true;
}

PictureDownload::State PictureDownload::stateOf(quint64 transfer) const
{
    return transfer == m_current ? m_state : State::Dropped;
}

QByteArray PictureDownload::takeBody()
{
    m_bodyTaken = true;
    return std::exchange(m_body, {});
}

std::size_t PictureDownload::onHeader(char *data, std::size_t size, std::size_t count, void *self)
{
    return static_cast<PictureDownload *>(self)->header(data, size * count);
}

std::size_t PictureDownload::header(const char *line, std::size_t size)
{
    m_headerBytes += qint64(size);
    if (m_headerBytes > maxHeaderBytes || ++m_headerLines > maxHeaderLines) {
        m_refusal = headerTooLarge();
        return 0; // a short count stops the transfer
    }
    const bool blank = size <= 2 && (line[0] == '\r' || line[0] == '\n');
    if (!blank)
        return size;
    long status = 0;
    curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &status);
    // An interim answer: the real one follows. A local file has no status at all.
    if (status >= 100 && status <= 199)
        return size;
    // Redirects are not followed: they fail like any answer outside the 200 range.
    if (status != 0 && (status < 200 || status > 299)) {
        m_refusal = QStringLiteral("HTTP status %1").arg(status);
        return 0;
    }
    curl_off_t length = -1;
    curl_easy_getinfo(m_easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    if (length > maxBodyBytes) {
        m_refusal = tooLarge();
        return 0;
    }
    m_expected = qMax<qint64>(length, 0);
    // Room for the whole body at once: growing it by steps would copy it, and hold it twice.
    // Pages nothing is written to take no memory.
    m_body.reserve(length >= 0 ? length : maxBodyBytes);
    m_headed = true;
    return size;
}

std::size_t PictureDownload::onBody(char *data, std::size_t size, std::size_t count, void *self)
{
    auto *download = static_cast<PictureDownload *>(self);
    const qsizetype bytes = qsizetype(size * count);
    if (download->m_body.size() + bytes > maxBodyBytes) {
        download->m_refusal = tooLarge();
        return 0;
    }
    download->m_body.append(data, bytes);
    return size * count;
}

void PictureDownload::onAdvanced()
{
    if (m_state != State::Running || !m_refusal.isEmpty())
        return;
    if (m_headed || !m_body.isEmpty())
        begin();
    // The signal may have run a handler that ended the transfer.
    if (m_state == State::Running && m_body.size() != m_reported) {
        m_reported = m_body.size();
        emit work(m_reported);
    }
}

void PictureDownload::onDone(void *easy, int result)
{
    if (easy != m_easy || m_state != State::Running)
        return;
    if (result != CURLE_OK) {
        // A body cut short or refused still started, as far as the gauge is concerned.
        if (m_headed)
            begin();
        QString failure = m_refusal;
        // Curl refuses a header line longer than 100 KiB itself, as if out of memory.
        if (failure.isEmpty() && !m_headed && result == CURLE_OUT_OF_MEMORY)
            failure = headerTooLarge();
        if (failure.isEmpty())
            failure = QString::fromUtf8(curl_easy_strerror(CURLcode(result)));
        conclude(State::Failed, failure);
        return;
    }
    // A local file has no header: its body starts here if it has not yet.
    begin();
    if (m_state == State::Running)
        conclude(State::Done, {});
}

void PictureDownload::begin()
{
    if (m_begun)
        return;
    m_begun = true;
    emit workBegin(m_expected);
}

void PictureDownload::conclude(State state, const QString &failure)
{
    m_state = state;
    m_failure = failure;
    if (state != State::Done)
        m_body = QByteArray();
    if (void *easy = std::exchange(m_easy, nullptr)) {
        // Curl is not running here: taking the handle out closes its connection at once.
        m_loop->remove(easy);
        curl_easy_cleanup(easy);
    }
    if (m_begun && state != State::Dropped)
        emit workEnd();
    emit ended();
}

} // namespace sources
