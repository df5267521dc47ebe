// SPDX-License-Identifier: GPL-3.0-or-later
// A FIFO named like a picture, watched for anybody opening it to read.
#pragma once

#include <QString>

#include <atomic>
#include <thread>

// Creates the FIFO and polls its writing end from a thread of its own. A reader blocks in
// open() until a writer comes, so the first successful open of the writing end means somebody
// opened it to read; the watch notes that and closes again, which ends the reader's wait.
class FifoWatch
{
  public:
    explicit FifoWatch(const QString &path);
    ~FifoWatch();

    bool created() const { return m_created; }
    bool openedForReading() const { return m_openedForReading; }

  private:
    QByteArray m_path;
    bool m_created = false;
    std::atomic<bool> m_openedForReading = false;
    std::jthread m_poller;
};
