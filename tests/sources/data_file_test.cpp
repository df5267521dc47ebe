// SPDX-License-Identifier: GPL-3.0-or-later
// The records and the kept game are read only from regular files, and no file put in their
// place can hold the reader: a watchdog ends the test if one does.
#include "sources/data_file.h"
#include "sources/kept_game_file.h"
#include "sources/records_file.h"
#include "support/fifo_watch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

// Ends the process with a message when the guarded read has not returned in a minute: a
// blocked reader would otherwise hang the suite instead of failing it.
class Watchdog
{
  public:
    explicit Watchdog(const char *what)
        : m_thread([this, what] {
              std::unique_lock lock(m_mutex);
              if (!m_done.wait_for(lock, std::chrono::minutes(1), [this] { return m_finished; })) {
                  std::fprintf(stderr, "FAILED: reading %s blocked\n", what);
                  std::_Exit(1);
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_one();
    }

  private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::jthread m_thread;
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(DataFileTest, OnlyARegularFileOfItsSizeIsRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("data.json");
    const struct
    {
        const char *what;
        std::function<void()> make;
        sources::DataFile::Outcome outcome;
    } cases[] = {
        {"a small file", [&] { writeFile(path, "{}"); }, sources::DataFile::Outcome::Read},
        {"a link to a small file",
         [&] {
             writeFile(dir.filePath("real"), "{}");
             QFile::link(dir.filePath("real"), path);
         },
         sources::DataFile::Outcome::Read},
        {"nothing", [] {}, sources::DataFile::Outcome::Missing},
        {"a link to /dev/zero", [&] { QFile::link(QStringLiteral("/dev/zero"), path); },
         sources::DataFile::Outcome::Refused},
        {"a folder", [&] { QDir().mkdir(path); }, sources::DataFile::Outcome::Refused},
        {"a file over the limit", [&] { writeFile(path, QByteArray(1025, 'x')); },
         sources::DataFile::Outcome::Refused},
    };
    for (const auto &c : cases) {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        c.make();
        Watchdog watchdog(c.what);
        EXPECT_EQ(sources::readDataFile(path, 1024).outcome, c.outcome) << c.what;
    }
}

TEST(DataFileTest, RecordsAndTheKeptGameRefuseWhatIsNoFileOfTheirs)
{
    QTemporaryDir dir;
    const QString records = dir.filePath("records.json");
    const QString kept = dir.filePath("kept-game.json");
    const struct
    {
        const char *what;
        std::function<std::unique_ptr<FifoWatch>(const QString &)> make;
    } cases[] = {
        {"a FIFO",
         [](const QString &path) {
             auto fifo = std::make_unique<FifoWatch>(path);
             EXPECT_TRUE(fifo->created());
             return fifo;
         }},
        {"a link to /dev/zero",
         [](const QString &path) {
             QFile::link(QStringLiteral("/dev/zero"), path);
             return nullptr;
         }},
        {"a folder",
         [](const QString &path) {
             QDir().mkdir(path);
             return nullptr;
         }},
        {"a file of 100 MB",
         [](const QString &path) {
             QFile file(path);
             EXPECT_TRUE(file.open(QIODevice::WriteOnly));
             EXPECT_TRUE(file.resize(100 * 1000 * 1000));
             return nullptr;
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        const std::unique_ptr<FifoWatch> recordsFifo = c.make(records);
        const std::unique_ptr<FifoWatch> keptFifo = c.make(kept);
        {
            Watchdog watchdog(c.what);
            EXPECT_TRUE(sources::loadRecords(records).empty());
            EXPECT_EQ(sources::loadKeptGame(kept).outcome, sources::KeptGameRead::Outcome::Refused);
        }
        // A FIFO is refused before anything opens it.
        if (recordsFifo) {
            EXPECT_FALSE(recordsFifo->openedForReading());
            EXPECT_FALSE(keptFifo->openedForReading());
        }
        // Set aside, the place is free for the next game.
        EXPECT_TRUE(sources::setKeptGameAside(kept));
        EXPECT_EQ(sources::loadKeptGame(kept).outcome, sources::KeptGameRead::Outcome::None);
    }
}
