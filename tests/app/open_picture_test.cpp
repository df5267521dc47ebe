// SPDX-License-Identifier: GPL-3.0-or-later
// Opening pictures from disk: the Open dialog, failures, the recent-pictures menu.
#include "window_fixture.h"

#include "app/widgets/picture_view.h"
#include "support/corpus.h"
#include "support/fifo_watch.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

QString savePicture(const QString &path, QSize size, QColor colour, const char *format = "JPG")
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    EXPECT_TRUE(image.save(path, format)) << path.toStdString();
    return path;
}

QStringList menuTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *item : menu->actions())
        texts << item->text();
    return texts;
}

} // namespace

class OpenPictureTest : public WindowTest
{
  protected:
    QString file(const QString &name) { return pictures.filePath(name); }
    QMenu *recentMenu() { return find<QMenu>("mnuImageFiles"); }
    QTemporaryDir pictures;
};

TEST_F(OpenPictureTest, AChosenJpegBecomesAShuffledGame)
{
    const QString chosen = savePicture(file("cat.jpg"), {120, 90}, Qt::red);
    savePicture(file("dog.jpg"), {40, 40}, Qt::blue);
    savePicture(file(".hidden.jpg"), {40, 40}, Qt::green);
    savePicture(file("upper.JPG"), {40, 40}, Qt::green);
    savePicture(file("other.jpeg"), {40, 40}, Qt::green);
    ASSERT_TRUE(QDir(pictures.path()).mkdir("old.jpg"));

    openThroughDialog(chosen);
    EXPECT_EQ(window->windowTitle(), "Pindrel - cat.jpg");
    EXPECT_EQ(window->boardView().solutionPicture().size(), QSize(120, 90));
    EXPECT_EQ(window->boardView().boardPicture().size(), QSize(120, 90));
    EXPECT_FALSE(window->session().solutionShown());
    EXPECT_TRUE(board()->isVisible());
    EXPECT_TRUE(board()->isEnabled());
    EXPECT_EQ(text("txtMoveCount"), "0");
    EXPECT_EQ(text("txtStatus"), "00 : 00 : 00");
    EXPECT_TRUE(window->session().clock().clockRunning());
    EXPECT_FALSE(find<QLabel>("txtInfo")->isVisible());

    // The siblings: same extension as typed, hidden files in, folders and other cases out.
    QStringList siblings = window->navigation().files();
    EXPECT_EQ(window->navigation().files().at(window->navigation().position()), "cat.jpg");
    siblings.sort();
    EXPECT_EQ(siblings, (QStringList{".hidden.jpg", "cat.jpg", "dog.jpg"}));
    EXPECT_TRUE(action("Next1")->isEnabled());
    EXPECT_TRUE(find<QToolButton>("btnBack")->isEnabled());

    EXPECT_EQ(menuTexts(recentMenu()), QStringList{chosen});
    EXPECT_EQ(recentMenu()->actions().first()->objectName(), "mnuI1");
}

TEST_F(OpenPictureTest, CancellingChangesOnlyTheTimePanel)
{
    openThroughDialog(QString());
    EXPECT_EQ(window->windowTitle(), "Pindrel");
    EXPECT_EQ(text("txtStatus"), "00 : 00 : 00");
    EXPECT_TRUE(window->session().solutionShown());
    EXPECT_TRUE(recentMenu()->actions().isEmpty());
}

TEST_F(OpenPictureTest, FilesThatAreNoPictureEndInTheFailureMessage)
{
    openThroughDialog(savePicture(file("good.jpg"), {60, 60}, Qt::yellow));
    const std::vector<int> arrangement = window->session().state().blockList;

    QFile text(file("notes.jpg"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture at all");
    text.close();
    QFile video(file("clip.avi"));
    ASSERT_TRUE(video.open(QIODevice::WriteOnly));
    video.write("RIFF");
    video.close();

    for (const QString &bad : {file("notes.jpg"), file("clip.avi")}) {
        QString caption, message;
        expectMessage(&caption, &message);
        openThroughDialog(bad);
        EXPECT_EQ(caption, "Error");
        EXPECT_EQ(message, "Unable to open file.");
        EXPECT_EQ(window->windowTitle(), "Pindrel");
        EXPECT_FALSE(window->session().clock().clockRunning());
        EXPECT_EQ(this->text("txtStatus"), "00 : 00 : 00");
    }
    // Nothing of the game was lost, and the bad file did not enter the menu.
    EXPECT_EQ(window->session().state().blockList, arrangement);
    EXPECT_EQ(menuTexts(recentMenu()), QStringList{file("good.jpg")});
}

TEST_F(OpenPictureTest, ABitmapNamedJpgOpensAndKeepsTheCaption)
{
    openThroughDialog(savePicture(file("first.jpg"), {50, 50}, Qt::red));
    const QString bitmap = savePicture(file("really_a_bitmap.jpg"), {30, 20}, Qt::blue, "BMP");
    openThroughDialog(bitmap);
    EXPECT_EQ(window->windowTitle(), "Pindrel - first.jpg");
    EXPECT_EQ(window->boardView().solutionPicture().size(), QSize(30, 20));
    EXPECT_EQ(window->boardView().solutionPicture().pixel(5, 5), QColor(Qt::blue).rgb());
    EXPECT_EQ(menuTexts(recentMenu()).first(), bitmap);
}

TEST_F(OpenPictureTest, TheRecentMenuKeepsTheNewestEightOnce)
{
    QStringList opened;
    for (int i = 1; i <= 9; ++i) {
        opened.prepend(savePicture(file(QStringLiteral("p%1.jpg").arg(i)), {30, 30}, Qt::gray));
        openThroughDialog(opened.first());
    }
    EXPECT_EQ(menuTexts(recentMenu()), opened.mid(0, 8));
    EXPECT_EQ(recentMenu()->actions().first()->objectName(), "mnuI9");

    // Reopening one from the menu moves it to the top under a new name.
    QAction *third = recentMenu()->actions().at(2);
    third->trigger();
    EXPECT_EQ(window->windowTitle(), "Pindrel - p7.jpg");
    EXPECT_EQ(recentMenu()->actions().size(), 8);
    EXPECT_EQ(recentMenu()->actions().first()->text(), file("p7.jpg"));
    EXPECT_EQ(recentMenu()->actions().first()->objectName(), "mnuI10");
    EXPECT_EQ(menuTexts(recentMenu()).count(file("p7.jpg")), 1);
}

TEST_F(OpenPictureTest, AnAmpersandShowsLiterallyAndReopensTheSamePath)
{
    ASSERT_TRUE(QDir(pictures.path()).mkdir("Tom & Jerry"));
    const QString path = savePicture(file("Tom & Jerry/a.jpg"), {40, 30}, Qt::cyan);
    openThroughDialog(path);
    QAction *item = recentMenu()->actions().first();
    EXPECT_EQ(item->text(), QString(path).replace("&", "&&"));

    openThroughDialog(savePicture(file("b.jpg"), {40, 30}, Qt::cyan));
    recentMenu()->actions().at(1)->trigger();
    EXPECT_EQ(window->windowTitle(), "Pindrel - a.jpg");
}

TEST_F(OpenPictureTest, AVanishedRecentPictureIsReportedWithItsReason)
{
    const QString path = savePicture(file("gone.jpg"), {40, 30}, Qt::cyan);
    openThroughDialog(path);
    ASSERT_TRUE(QFile::remove(path));
    QString caption, message;
    expectMessage(&caption, &message);
    recentMenu()->actions().first()->trigger();
    EXPECT_EQ(caption, "Pindrel");
    EXPECT_TRUE(message.contains("gone.jpg")) << message.toStdString();
    EXPECT_TRUE(message.contains("No such file")) << message.toStdString();
}

TEST_F(OpenPictureTest, AFifoNamedLikeAPictureFailsWithoutBlocking)
{
    const QString path = savePicture(file("a.jpg"), {40, 30}, Qt::cyan);
    FifoWatch fifo(file("c.jpg"));
    ASSERT_TRUE(fifo.created());

    // Chosen in the dialog: the usual failure, and it is no sibling of a.jpg.
    QString caption, message;
    expectMessage(&caption, &message);
    openThroughDialog(file("c.jpg"));
    EXPECT_EQ(message, "Unable to open file.");
    openThroughDialog(path);
    EXPECT_EQ(window->navigation().files(), QStringList{"a.jpg"});

    // A recent picture replaced by a FIFO: the error report gives the reason.
    ASSERT_TRUE(QFile::remove(path));
    FifoWatch replaced(path);
    ASSERT_TRUE(replaced.created());
    expectMessage(&caption, &message);
    recentMenu()->actions().first()->trigger();
    EXPECT_EQ(caption, "Pindrel");
    EXPECT_TRUE(message.contains("not a regular file")) << message.toStdString();
    EXPECT_FALSE(fifo.openedForReading());
    EXPECT_FALSE(replaced.openedForReading());
}

TEST_F(OpenPictureTest, TheDialogKeepsItsThreeEntriesFirstAndAddsThreeMore)
{
    QStringList shown;
    QString selected;
    whenModal("QFileDialog", [&](QWidget *modal) {
        auto *types = modal->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        for (int i = 0; i < types->count(); ++i)
            shown << types->itemText(i);
        selected = types->currentText();
        qobject_cast<QDialog *>(modal)->reject();
    });
    action("mnuOpen")->trigger();
    EXPECT_EQ(shown, (QStringList{"Supported File Types (*.jpg; *.jpeg; *.avi)",
                                  "JPEG Images (*.jpg; *.jpeg)", "AVI videos (*.avi)",
                                  "All pictures and videos", "Other pictures", "Other videos"}));
    EXPECT_EQ(selected, shown.value(0));

    // What each added entry lets through.
    const QStringList filters = find<QFileDialog>("OpenDialog1")->nameFilters();
    ASSERT_EQ(filters.size(), 6);
    for (const char *pattern : {"*.png", "*.gif", "*.webp", "*.tiff", "*.bmp"}) {
        EXPECT_TRUE(filters.at(4).contains(QLatin1String(pattern))) << pattern;
        EXPECT_TRUE(filters.at(3).contains(QLatin1String(pattern))) << pattern;
    }
    for (const char *pattern : {"*.mp4", "*.mkv", "*.webm", "*.mov", "*.ts", "*.wmv"}) {
        EXPECT_TRUE(filters.at(5).contains(QLatin1String(pattern))) << pattern;
        EXPECT_TRUE(filters.at(3).contains(QLatin1String(pattern))) << pattern;
    }
    EXPECT_FALSE(filters.at(4).contains(QLatin1String("*.jpg")));
}

TEST_F(OpenPictureTest, OtherVideoKindsOpenOrEndInTheFailureMessage)
{
    PINDREL_REQUIRE_CORPUS(corpus);
    const QDir videos(QDir(corpus).filePath(QStringLiteral("video")));
    // Every message box that comes is answered and recorded.
    QStringList messages;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&messages] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            messages << box->text();
            box->accept();
        }
    });
    answer.start(10);
    int tried = 0;
    for (const QString &name : videos.entryList(QDir::Files, QDir::Name)) {
        if (name.endsWith(QLatin1String(".gif")))
            continue; // an animated GIF opens as a picture
        ++tried;
        const qsizetype before = messages.size();
        window->openChosenFile(videos.filePath(name));
        const bool opened = window->windowTitle() == "Pindrel - " + name;
        const bool refused =
            messages.size() == before + 1 && messages.last() == "Unable to open file.";
        EXPECT_TRUE(opened != refused) << name.toStdString();
    }
    EXPECT_GT(tried, 20);
}
