// SPDX-License-Identifier: GPL-3.0-or-later
// The download on Qt Network: one reply at a time, its body kept in memory.
#include "sources/picture_download.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <utility>

namespace sources {

const char *const PictureDownload::userAgent = "Mozilla/3.0 (compatible; Indy Library)";
const char *const PictureDownload::acceptTypes = "text/html, */*";

PictureDownload::PictureDownload(QObject *parent) : QObject(parent) {}

PictureDownload::~PictureDownload()
{
    drop();
}

quint64 PictureDownload::get(const QUrl &url)
{
    drop();
    if (!m_manager) {
        // Made on first use: start-up does not pay for the network stack.
        m_manager = new QNetworkAccessManager(this);
        m_manager->setProxy(QNetworkProxy::NoProxy);
        m_manager->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setRawHeader("Accept", acceptTypes);
    request.setRawHeader("User-Agent", userAgent);
    // Qt would ask for gzip and inflate it: the gauge and the cap count the bytes as sent.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setTransferTimeout(idleTimeoutMs);

    ++m_current;
    m_state = State::Running;
    m_begun = false;
    m_bodyTaken = false;
    m_body.clear();
    m_failure.clear();
    m_reply = m_manager->get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &PictureDownload::onMetaData);
    connect(m_reply, &QNetworkReply::readyRead, this, &PictureDownload::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &PictureDownload::onFinished);
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

void PictureDownload::onMetaData()
{
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    // Redirects are not followed: they fail like any answer outside the 200 range.
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299)) {
        conclude(State::Failed, QStringLiteral("HTTP status %1").arg(status.toInt()));
        return;
    }
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > maxBodyBytes) {
        conclude(State::Failed, QStringLiteral("the body is larger than 64 MiB"));
        return;
    }
    begin();
}

void PictureDownload::begin()
{
    if (m_begun)
        return;
    m_begun = true;
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    emit workBegin(length.isValid() ? length.toLongLong() : 0);
}

void PictureDownload::onReadyRead()
{
    begin();
    // The signal may have run a handler that ended the transfer.
    if (m_state != State::Running)
        return;
    if (m_body.size() + m_reply->bytesAvailable() > maxBodyBytes) {
        conclude(State::Failed, QStringLiteral("the body is larger than 64 MiB"));
        return;
    }
    m_body += m_reply->readAll();
    emit work(m_body.size());
}

void PictureDownload::onFinished()
{
    if (m_state != State::Running)
        return;
    if (m_reply->error() != QNetworkReply::NoError) {
        conclude(State::Failed, m_reply->errorString());
        return;
    }
    // A reply without metadata signals (a file: address) still has a body to report.
    begin();
    if (m_state == State::Running && m_reply->bytesAvailable() > 0)
        onReadyRead();
    if (m_state == State::Running)
        conclude(State::Done, {});
}

void PictureDownload::conclude(State state, const QString &failure)
{
    m_state = state;
    m_failure = failure;
    if (state != State::Done)
        m_body.clear();
    if (QNetworkReply *reply = m_reply) {
        m_reply = nullptr;
        reply->disconnect(this);
        // Aborting finishes the reply at once (a reply that has its error already is only
        // closed by deletion); deleting it must wait for its own signals.
        if (reply->error() == QNetworkReply::NoError)
            reply->abort();
        reply->deleteLater();
    }
    if (m_begun && state != State::Dropped)
        emit workEnd();
    emit ended();
}

} // namespace sources
