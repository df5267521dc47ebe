// SPDX-License-Identifier: GPL-3.0-or-later
// A picture link's download, continued from the transfer's end on the event loop.
#include "app/web_pane/picture_fetch.h"

#include "app/widgets/progress_gauge.h"
#include "sources/jpeg_decoder.h"
#include "sources/picture_cover.h"
#include "sources/picture_download.h"
#include "web/browser_loader.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <algorithm>

using sources::PictureDownload;

PictureFetch::PictureFetch(QWidget *window, ProgressGauge *gauge, QObject *parent)
    : QObject(parent), m_window(window), progressBar(gauge), Client(new PictureDownload(this))
{
    setObjectName(QStringLiteral("pictureFetch"));
    Client->setObjectName(QStringLiteral("Client"));
    connect(Client, &PictureDownload::workBegin, this, &PictureFetch::ClientWorkBegin);
    connect(Client, &PictureDownload::work, this, &PictureFetch::ClientWork);
    connect(Client, &PictureDownload::workEnd, this, &PictureFetch::ClientWorkEnd);
    // Queued: the end is taken from the event loop, outside curl's socket handling, and a
    // command in the same batch as a transfer's end can still drop it.
    connect(Client, &PictureDownload::ended, this, &PictureFetch::settle, Qt::QueuedConnection);
}

void PictureFetch::fetch(const QString &address, web::LinkOrigin origin)
{
    if (!m_busy)
        m_busy.emplace();
    const QUrl url(address);
    if (!web::isAllowedAddress(url, origin, web::bundledSiteDir())) {
        Client->drop(); // a newer link, refused or not, takes over from an older one
        downloadFailed(address);
        return;
    }
    m_pending.append({Client->get(url), address});
}

void PictureFetch::abort()
{
    Client->abort();
}

bool PictureFetch::cancelDownload()
{
    if (!Client->drop())
        return false;
    progressBar->hide();
    return true;
}

void PictureFetch::downloadFailed(const QString &address)
{
    restoreCursorWhenIdle();
    QMessageBox::warning(m_window, QCoreApplication::translate("TfrmMain", "Warning"),
                         QCoreApplication::translate("TfrmMain", "Unable to download image."),
                         QMessageBox::Ok);
    progressBar->hide();
    emit failed(address);
}

void PictureFetch::settle()
{
    // One at a time, each taken out first: a failure's message box runs events, and with them
    // perhaps this again.
    for (;;) {
        const auto ended = std::find_if(m_pending.begin(), m_pending.end(), [this](auto &t) {
            return Client->stateOf(t.id) != PictureDownload::State::Running;
        });
        if (ended == m_pending.end())
            return;
        const Transfer transfer = *ended;
        m_pending.erase(ended);
        conclude(transfer);
    }
}

void PictureFetch::conclude(const Transfer &transfer)
{
    const PictureDownload::State state = Client->stateOf(transfer.id);
    if (state == PictureDownload::State::Dropped) {
        restoreCursorWhenIdle();
        emit dropped(transfer.address);
        return;
    }
    if (state == PictureDownload::State::Failed) {
        downloadFailed(transfer.address);
        return;
    }
    QByteArray bytes;
    QImage picture;
    try {
        bytes = Client->takeBody();
        // Reduced to what the screen can show, as a picture opened from disk.
        picture = sources::decodeJpegBytesToCover(bytes, sources::largestScreenPixels());
    } catch (const std::exception &) {
        downloadFailed(transfer.address);
        return;
    }
    emit pictureReady(transfer.address, bytes, picture);
    restoreCursorWhenIdle();
}

void PictureFetch::restoreCursorWhenIdle()
{
    if (m_pending.isEmpty())
        m_busy.reset();
}

void PictureFetch::ClientWorkBegin(qint64 expected)
{
    progressBar->setMaximum(expected);
    progressBar->setValue(0);
    progressBar->show();
    progressBar->raise();
}

void PictureFetch::ClientWork(qint64 received)
{
    progressBar->setValue(received);
}

void PictureFetch::ClientWorkEnd()
{
    progressBar->hide();
}
