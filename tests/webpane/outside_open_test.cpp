// SPDX-License-Identifier: GPL-3.0-or-later
// Opening from outside the game: the command line and drops on the window, the web pane
// included. Addresses come from a loopback server and go through the real engine.
#include "../app/window_fixture.h"
#include "app/open/command_line.h"
#include "app/open/drop_opener.h"
#include "support/jpeg_bytes.h"
#include "support/loopback_server.h"

#include <QDir>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QWebEngineView>

namespace {

QString savePicture(const QString &path, QSize size, const char *format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    EXPECT_TRUE(image.save(path, format)) << path.toStdString();
    return path;
}

} // namespace

class OutsideOpenTest : public WindowTest
{
  protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        LoopbackServer::Response picture;
        picture.body = testsupport::jpegOf(QSize(72, 48), Qt::darkCyan);
        server.serve(QStringLiteral("/pics/web.jpg"), picture);
        server.serve(QStringLiteral("/page.htm"),
                     LoopbackServer::page("<html><body>a page</body></html>"));
    }

    bool waitForTitle(const QString &title)
    {
        return QTest::qWaitFor([&] { return window->windowTitle() == title; }, 30'000);
    }

    // A drag entering the widget and dropped there, through the application as the window
    // system would deliver it.
    bool drop(QWidget *target, const QList<QUrl> &urls)
    {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(at, Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton,
                           Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        return dropped.isAccepted();
    }

    QTemporaryDir pictures;
    LoopbackServer server;
};

TEST_F(OutsideOpenTest, CommandLineWordsOpenAsTheOpenDialogAndOpenUrlWould)
{
    const QString png = savePicture(pictures.filePath("photo one.png"), {90, 60}, "png");
    savePicture(pictures.filePath("photo two.png"), {30, 30}, "png");
    QFile::copy(png, pictures.filePath("copy.png"));
    const QString webAddress = server.url(QStringLiteral("/pics/web.jpg"));
    const QSize startup = window->boardView().solutionPicture().size();
    QDir::setCurrent(pictures.path());

    struct Row
    {
        QStringList words;
        QString title;   // the window title after opening
        QSize size;      // the puzzle's picture size
        QString message; // the message box shown, if any
    };
    const std::vector<Row> rows = {
        // Missing: the message, and the start-up picture stays the puzzle's, on screen.
        {{pictures.filePath("gone.png")}, "Pindrel", startup, "Unable to open file."},
        {{png}, "Pindrel - photo one.png", {90, 60}, {}},
        {{QUrl::fromLocalFile(pictures.filePath("copy.png")).toString()},
         "Pindrel - copy.png",
         {90, 60},
         {}},
        {{"photo two.png", png}, "Pindrel - photo two.png", {30, 30}, {}}, // relative; the first
        {{webAddress}, "Pindrel - " + webAddress, {72, 48}, {}},
    };
    for (const Row &row : rows) {
        const std::string label = row.words.join(' ').toStdString();
        const std::optional<OpenRequest> request =
            parseCommandLine(QStringList{QStringLiteral("pindrel")} + row.words);
        ASSERT_TRUE(request.has_value()) << label;
        QString caption, text;
        if (!row.message.isEmpty())
            expectMessage(&caption, &text);
        window->openRequested(*request);
        EXPECT_TRUE(waitForTitle(row.title))
            << label << ": " << window->windowTitle().toStdString();
        EXPECT_EQ(text, row.message) << label;
        EXPECT_EQ(window->boardView().solutionPicture().size(), row.size) << label;
        if (row.message.isEmpty())
            EXPECT_FALSE(window->session().solutionShown()) << label;
        else
            EXPECT_TRUE(window->session().solutionShown() &&
                        find<QWidget>("imgSolution")->isVisible())
                << label;
    }
    // The file opened as the Open dialog's: its folder's siblings and the recent menu.
    EXPECT_EQ(window->navigation().files().size(), 3);
    EXPECT_EQ(find<QMenu>("mnuImageFiles")->actions().size(), 3);
    EXPECT_FALSE(parseCommandLine({"pindrel"}).has_value());
}

TEST_F(OutsideOpenTest, DropsOpenTheFirstFileOrLinkEvenOverTheWebPage)
{
    const QString first = savePicture(pictures.filePath("first.webp"), {40, 30}, "webp");
    const QString second = savePicture(pictures.filePath("second.png"), {50, 50}, "png");

    // Several files: the first opens.
    ASSERT_TRUE(drop(board(), {QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)}));
    EXPECT_TRUE(waitForTitle("Pindrel - first.webp"));
    EXPECT_EQ(window->boardView().solutionPicture().size(), QSize(40, 30));

    // Over a page in the web pane, the window takes the drop and the page stays where it was.
    window->openTypedAddress(server.url(QStringLiteral("/page.htm")));
    auto *view = window->findChild<QWebEngineView *>("WebBrowser1");
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return view->focusProxy() && view->url().path() == "/page.htm"; }, 60'000));
    ASSERT_TRUE(drop(view->focusProxy(), {QUrl::fromLocalFile(second)}));
    EXPECT_TRUE(waitForTitle("Pindrel - second.png"));
    EXPECT_EQ(view->url().path(), "/page.htm");
    EXPECT_FALSE(find<QWidget>("fraBrowser")->isVisible());

    // A picture link downloads; text that is no link, or another scheme, is not taken.
    const QString address = server.url(QStringLiteral("/pics/web.jpg"));
    ASSERT_TRUE(drop(board(), {QUrl(address)}));
    EXPECT_TRUE(waitForTitle("Pindrel - " + address));
    EXPECT_FALSE(drop(board(), {QUrl("ftp://127.0.0.1/a.jpg")}));
    QMimeData words;
    words.setText("just words");
    EXPECT_FALSE(DropOpener::requestFor(&words).has_value());
    words.setText(address);
    EXPECT_EQ(DropOpener::requestFor(&words), (OpenRequest{OpenRequest::Kind::Address, address}));
}
