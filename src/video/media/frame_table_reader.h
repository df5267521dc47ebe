// SPDX-License-Identifier: GPL-3.0-or-later
// A video's frame table read on a thread of its own, through a container of its own, so a long
// file plays at once and its table arrives while the first frames show.
#pragma once

#include "video/media/frame_table.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace video {

// Where a table comes from once a video is open: asked at every frame, waited for where
// nothing can go on without it.
class FrameTableSource
{
  public:
    virtual ~FrameTableSource() = default;
    // The table once it is read, given once; nothing while it is still being read.
    virtual std::optional<FrameTable> poll() = 0;
    // The table, waiting for it; an empty table when it could not be read.
    virtual FrameTable wait() = 0;
};

class FrameTableReader : public FrameTableSource
{
  public:
    // Will read stream `streamIndex` of the file at `path`, from the first poll or wait on:
    // the file's first frame is out by then, and the two do not compete for the processor.
    FrameTableReader(const QString &path, int streamIndex);
    // Stops a read still under way (the file is left at once) and waits for the thread.
    ~FrameTableReader() override;

    std::optional<FrameTable> poll() override;
    FrameTable wait() override;

  private:
    void start();
    void read();

    QString m_path;
    int m_streamIndex;
    std::mutex m_mutex;
    std::condition_variable m_done;
    std::optional<FrameTable> m_table;
    bool m_given = false;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace video
