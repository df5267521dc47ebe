// SPDX-License-Identifier: GPL-3.0-or-later
// The shared window fixture: every test gets a new window with an empty settings store.
#include "window_fixture.h"

#include "app/widgets/picture_view.h"
#include "game/game_state.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QToolButton>

void WindowTest::SetUp()
{
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, settingsDir.path());
    // Records of completed games go to the test's own data folder.
    qputenv("XDG_DATA_HOME", settingsDir.filePath(QStringLiteral("data")).toUtf8());
    window = std::make_unique<TfrmMain>();
    if (!windowSize.isEmpty())
        window->resize(windowSize);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void WindowTest::TearDown()
{
    window.reset();
}

void WindowTest::clickButton(const char *name)
{
    QTest::mouseClick(find<QToolButton>(name), Qt::LeftButton);
}

void WindowTest::pressKeys(const QString &keys)
{
    QTest::keySequence(window->windowHandle(), QKeySequence(keys));
    waitForSwapFrame();
}

void WindowTest::waitForSwapFrame()
{
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window->session().holding(); }, 5000));
}

void WindowTest::solveBySwaps()
{
    while (!game::isSolved(window->session().state())) {
        const std::vector<int> &cells = window->session().state().blockList;
        int tile = 1;
        while (cells[std::size_t(tile - 1)] == tile)
            ++tile;
        // Tile t's home cell is cell t: the tile there and tile t change places.
        const int where = cells[std::size_t(tile - 1)];
        pressCell(tile);
        pressCell(where);
    }
}

void WindowTest::pressCell(int cell, Qt::MouseButton button)
{
    const game::GameState &state = window->session().state();
    const QRect shown = board()->pictureRect();
    const int index = cell - 1;
    const double w = double(shown.width()) / state.cols;
    const double h = double(shown.height()) / state.rows;
    const QPoint centre(shown.x() + int((index % state.cols + 0.5) * w),
                        shown.y() + int((index / state.cols + 0.5) * h));
    QTest::mousePress(board(), button, Qt::NoModifier, centre);
    QTest::mouseRelease(board(), button, Qt::NoModifier, centre);
    waitForSwapFrame();
}

void WindowTest::whenModal(const char *className, std::function<void(QWidget *)> act)
{
    auto *poll = new QTimer(window.get());
    QObject::connect(poll, &QTimer::timeout, poll, [poll, className, act] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || !modal->inherits(className))
            return;
        poll->stop();
        poll->deleteLater();
        act(modal);
    });
    poll->start(10);
}

void WindowTest::openThroughDialog(const QString &path)
{
    whenModal("QFileDialog", [path](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        // A player types into the active dialog, where the name field has the focus: only then
        // does the dialog drop the file it had selected before for the typed one. Activation
        // comes late on a loaded machine, and without it the dialog opened the older file.
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        ASSERT_TRUE(QTest::qWaitFor([name] { return name->hasFocus(); }));
        // Typed text would open the completer's popup; set it whole, then press Open.
        name->setText(path);
        auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        ASSERT_NE(buttons, nullptr);
        QPushButton *open = buttons->button(QDialogButtonBox::Open);
        // The dialog enables Open once its file model has looked at the name; on a loaded
        // machine that can come after the text is set.
        EXPECT_TRUE(QTest::qWaitFor([open] { return open->isEnabled(); }, 5000));
        QTest::mouseClick(open, Qt::LeftButton);
    });
    action("mnuOpen")->trigger();
}

std::optional<TfrmMain::WebPicture> WindowTest::openFromWebAndWait(const QString &address,
                                                                   web::LinkOrigin origin)
{
    QSignalSpy ends(window.get(), &TfrmMain::webPictureEnded);
    window->openImageFromWeb(address, origin);
    return webPictureEnd(ends, address);
}

std::optional<TfrmMain::WebPicture> WindowTest::webPictureEnd(QSignalSpy &ends,
                                                              const QString &address)
{
    std::optional<TfrmMain::WebPicture> end;
    const auto ended = [&] {
        for (const QList<QVariant> &arguments : std::as_const(ends))
            if (arguments.at(0).toString() == address)
                end = arguments.at(1).value<TfrmMain::WebPicture>();
        return end.has_value();
    };
    return QTest::qWaitFor(ended, 60'000) ? end : std::nullopt;
}

void WindowTest::expectMessage(QString *caption, QString *text)
{
    whenModal("QMessageBox", [caption, text](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        *caption = box->windowTitle();
        *text = box->text();
        box->defaultButton() ? box->defaultButton()->click() : box->accept();
    });
}
