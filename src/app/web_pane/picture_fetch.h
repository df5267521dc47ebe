// SPDX-License-Identifier: GPL-3.0-or-later
// A picture link's download: the transfer, its gauge, the decoding and the failure's message.
// Nothing waits for it: its end comes from the event loop as one of the signals below.
#pragma once

#include "app/widgets/wait_cursor.h"
#include "web/link_rules.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>

namespace sources {
class PictureDownload;
}
class ProgressGauge;
class QWidget;

class PictureFetch : public QObject
{
    Q_OBJECT

  public:
    // The failure's message box belongs to window; the transfer shows on gauge.
    PictureFetch(QWidget *window, ProgressGauge *gauge, QObject *parent);

    // Starts fetching address; one still running is dropped. An address origin may not reach
    // fails at once.
    void fetch(const QString &address, web::LinkOrigin origin);
    // Closes the connection of a running transfer, which then fails with its message.
    void abort();
    // Ends a running transfer without a word: its end is dropped(). True when one was running.
    bool cancelDownload();
    // Tells the player the picture could not be had, then failed(address).
    void downloadFailed(const QString &address);

  signals:
    void pictureReady(const QString &address, const QByteArray &bytes, const QImage &picture);
    void failed(const QString &address);
    // A newer picture, a command or the program's end took over; nothing was shown.
    void dropped(const QString &address);

  private:
    struct Transfer
    {
        quint64 id;
        QString address;
    };
    void ClientWorkBegin(qint64 expected);
    void ClientWork(qint64 received);
    void ClientWorkEnd();
    // The continuation: every transfer that has ended is told, oldest first.
    void settle();
    void conclude(const Transfer &transfer);
    void restoreCursorWhenIdle();

    QWidget *m_window;
    ProgressGauge *progressBar;
    sources::PictureDownload *Client;
    QList<Transfer> m_pending; // started, their end not told yet
    std::optional<WaitCursor> m_busy;
};
