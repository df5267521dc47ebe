// SPDX-License-Identifier: GPL-3.0-or-later
// Files whose names say another kind than their content open by their content through every
// way the window opens files: the Open command's file, the recent menu, Back and Forward
// through the folder, the command line and drops. A name ending in .avi keeps the video branch.
#include "window_fixture.h"

#include "../video/avi_fixtures.h"
#include "app/open/command_line.h"
#include "video/AVIPlay.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

enum class Opens
{
    Still,
    Video,
    Refused, // "Unable to open file."
};

enum class Way
{
    Chosen,
    Recent,
    Sibling,
    CommandLine,
    Drop,
};

const char *nameOf(Way way)
{
    static const char *const names[] = {"chosen", "recent", "sibling", "command line", "drop"};
    return names[int(way)];
}

constexpr QSize pictureSize(64, 48);

bool savePicture(const QString &path, const char *format)
{
    QImage picture(pictureSize, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    return picture.save(path, format);
}

// Makes `name` in `folder` holding the content of kind `kind`.
bool makeFile(const QString &path, const QString &kind)
{
    const QString source = QStringLiteral("testsrc=s=64x48:r=25");
    if (kind == "mp4")
        return videotest::makeSourceVideo(path, source, 10, {"-c:v", "mpeg4", "-f", "mp4"});
    if (kind == "mkv")
        return videotest::makeSourceVideo(path, source, 10, {"-c:v", "ffv1", "-f", "matroska"});
    if (kind == "gif")
        return videotest::makeSourceVideo(path, source, 10, {"-f", "gif"});
    return savePicture(path, kind.toLatin1().constData());
}

// Closes every message box that opens while it lives, keeping their texts.
class MessageCatcher
{
  public:
    MessageCatcher()
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            texts << box->text();
            box->accept();
        });
        m_poll.start(10);
    }
    QStringList texts;

  private:
    QTimer m_poll;
};

} // namespace

class MisnamedFileTest : public WindowTest
{
  protected:
    // A drag dropped on the board, as the window system would deliver it.
    void drop(const QString &path)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        const QPoint at = board()->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board(), &dropped);
        ASSERT_TRUE(dropped.isAccepted());
        // The drop opens from the event loop.
        QCoreApplication::processEvents();
    }

    // Opens `path` the way given. The recent menu and the siblings need a picture opened
    // first: for the recent menu a JPEG under the file's own name, since replaced by its
    // content, then a picture elsewhere; for the siblings a JPEG beside it with its extension.
    void openByWay(Way way, const QString &path, const QString &content)
    {
        const QFileInfo file(path);
        switch (way) {
        case Way::Chosen:
            window->openChosenFile(path);
            break;
        case Way::CommandLine:
            window->openRequested(*parseCommandLine({"pindrel", path}));
            break;
        case Way::Drop:
            drop(path);
            break;
        case Way::Recent: {
            ASSERT_TRUE(savePicture(path, "jpg"));
            window->openChosenFile(path);
            ASSERT_TRUE(QFile::remove(path));
            ASSERT_TRUE(makeFile(path, content));
            const QString elsewhere = file.dir().filePath("elsewhere/other.jpg");
            ASSERT_TRUE(QDir().mkpath(QFileInfo(elsewhere).path()));
            ASSERT_TRUE(savePicture(elsewhere, "jpg"));
            window->openChosenFile(elsewhere);
            const auto entries = find<QMenu>("mnuImageFiles")->actions();
            const auto entry = std::find_if(entries.begin(), entries.end(),
                                            [&](QAction *item) { return item->text() == path; });
            ASSERT_NE(entry, entries.end());
            (*entry)->trigger();
            break;
        }
        case Way::Sibling: {
            const QString anchor = file.dir().filePath("a." + file.suffix());
            ASSERT_TRUE(savePicture(anchor, "jpg"));
            window->openChosenFile(anchor);
            ASSERT_EQ(window->navigation().files().size(), 2);
            clickButton("btnForward");
            // The sibling opens once the left picture has stood dimmed a moment.
            ASSERT_TRUE(QTest::qWaitFor([&] { return board()->isEnabled(); }));
            break;
        }
        }
    }
};

TEST_F(MisnamedFileTest, FilesOpenByTheirContentWhateverTheirName)
{
    PINDREL_REQUIRE_FFMPEG();
    const struct
    {
        const char *name, *content;
        Opens opens;
    } files[] = {
        {"clip.png", "mp4", Opens::Video},   {"still.mp4", "png", Opens::Still},
        {"photo.bmp", "jpg", Opens::Still},  {"moving.jpg", "gif", Opens::Video},
        {"film.jpg", "mkv", Opens::Video},   {"picture.webm", "webp", Opens::Still},
        {"flat.avi", "png", Opens::Refused}, // a name the video branch keeps
    };
    auto *player = find<TDCAviPlayer>("avi");
    QTemporaryDir folder;
    for (const auto &file : files) {
        for (const Way way :
             {Way::Chosen, Way::Recent, Way::Sibling, Way::CommandLine, Way::Drop}) {
            // Only a still picture enters the recent menu or finds siblings: a .avi does neither.
            if (file.opens == Opens::Refused && (way == Way::Recent || way == Way::Sibling))
                continue;
            SCOPED_TRACE(testing::Message()
                         << file.name << " holding " << file.content << ", " << nameOf(way));
            const QString place = folder.filePath(QString::number(int(way)) + file.name);
            ASSERT_TRUE(QDir().mkpath(place));
            const QString path = place + "/" + file.name;
            if (way != Way::Recent) {
                ASSERT_TRUE(makeFile(path, file.content));
            }
            MessageCatcher messages;
            openByWay(way, path, file.content);
            if (file.opens == Opens::Refused) {
                EXPECT_EQ(messages.texts, QStringList{"Unable to open file."});
                EXPECT_FALSE(window->boardView().isVideo());
                continue;
            }
            EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(' ').toStdString();
            EXPECT_EQ(window->windowTitle(), QString("Pindrel - ") + file.name);
            EXPECT_EQ(window->boardView().isVideo(), file.opens == Opens::Video);
            EXPECT_EQ(player->Active(), file.opens == Opens::Video);
            EXPECT_TRUE(board()->isVisible());
            if (file.opens == Opens::Still) {
                EXPECT_EQ(window->boardView().boardPicture().size(), pictureSize);
            }
            // A video among the siblings leaves the way on through the folder open.
            if (way == Way::Sibling) {
                EXPECT_TRUE(find<QToolButton>("btnBack")->isEnabled());
            }
        }
    }
}
