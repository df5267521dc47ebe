// SPDX-License-Identifier: GPL-3.0-or-later
// Only regular files are pictures: FIFOs, sockets and links to them are neither listed as
// siblings nor opened by the decoders.
#include "sources/bmp_decoder.h"
#include "sources/decode_error.h"
#include "sources/jpeg_decoder.h"
#include "sources/sibling_files.h"
#include "support/fifo_watch.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace sources;

namespace {

// A listening Unix socket at the path, closed again when the test ends.
class SocketFile
{
  public:
    explicit SocketFile(const QString &path)
    {
        const QByteArray name = QFile::encodeName(path);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (size_t(name.size()) >= sizeof address.sun_path || m_fd < 0)
            return;
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        bound = ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    }
    ~SocketFile() { ::close(m_fd); }
    bool bound = false;

  private:
    int m_fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
};

} // namespace

TEST(SpecialFiles, OnlyRegularFilesAndLinksToThemAreSiblings)
{
    QTemporaryDir folder;
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(folder.filePath("a.jpg")));
    ASSERT_TRUE(picture.save(folder.filePath(".hidden.jpg")));
    FifoWatch fifo(folder.filePath("c.jpg"));
    ASSERT_TRUE(fifo.created());
    SocketFile socket(folder.filePath("s.jpg"));
    ASSERT_TRUE(socket.bound);
    ASSERT_TRUE(QFile::link(folder.filePath("a.jpg"), folder.filePath("link.jpg")));
    ASSERT_TRUE(QFile::link(folder.filePath("c.jpg"), folder.filePath("fifolink.jpg")));
    ASSERT_TRUE(QFile::link(folder.filePath("gone.jpg"), folder.filePath("broken.jpg")));

    QStringList names = findSiblingFiles(folder.filePath("a.jpg")).names;
    names.sort();
    EXPECT_EQ(names, (QStringList{".hidden.jpg", "a.jpg", "link.jpg"}));
    EXPECT_FALSE(fifo.openedForReading());
}

TEST(SpecialFiles, DecodersRefuseThemWithoutOpeningThem)
{
    QTemporaryDir folder;
    FifoWatch fifo(folder.filePath("c.jpg"));
    ASSERT_TRUE(fifo.created());
    ASSERT_TRUE(QFile::link(folder.filePath("c.jpg"), folder.filePath("link.jpg")));
    const auto decodeBmp = [](const QString &path) { return decodeBmpFile(path); };
    const struct
    {
        const char *name;
        QImage (*decode)(const QString &);
    } cases[] = {
        {"c.jpg", decodeJpegFile},     {"link.jpg", decodeJpegFile}, {"c.jpg", decodeBmp},
        {"/dev/null", decodeJpegFile}, {"/dev/zero", decodeBmp},
    };
    for (const auto &test : cases) {
        const QString path =
            test.name[0] == '/' ? QString::fromLatin1(test.name) : folder.filePath(test.name);
        try {
            test.decode(path);
            ADD_FAILURE() << test.name << " was decoded";
        } catch (const DecodeError &error) {
            EXPECT_NE(std::string(error.what()).find("not a regular file"), std::string::npos)
                << test.name << ": " << error.what();
        }
    }
    EXPECT_FALSE(fifo.openedForReading());
}
