// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog, the tool strip, full-screen mode, the about box and the home site.
#include "window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QTextEdit>

namespace {

// Stands in for the desktop's browser.
class UrlRecorder : public QObject
{
    Q_OBJECT
  public slots:
    void open(const QUrl &url) { opened << url; }

  public:
    QList<QUrl> opened;
};

} // namespace

class OptionsTest : public WindowTest
{
  protected:
    // Opens the options dialog, lets change adjust it, then presses OK or Cancel.
    void runOptions(std::function<void(QDialog *)> change, bool ok = true)
    {
        whenModal("TfrmOptions", [change, ok](QWidget *modal) {
            auto *dialog = static_cast<QDialog *>(modal);
            change(dialog);
            auto *button = dialog->findChild<QPushButton *>(ok ? "btnOK" : "btnCancel");
            ASSERT_NE(button, nullptr);
            QTest::mouseClick(button, Qt::LeftButton);
        });
        action("mnuSetup")->trigger();
    }

    // Plays moves until the count shows: a swap, then undo and redo, a move each.
    void playMovesUntil(int count)
    {
        if (window->session().moves() == 0) {
            const int tile = window->session().state().blockList[0] == 1 ? 2 : 1;
            pressCell(tile);
            pressCell(window->session().state().blockList[std::size_t(tile - 1)]);
        }
        for (bool undo = true; window->session().moves() < count; undo = !undo)
            action(undo ? "mnuUndo" : "mnuRedo")->trigger();
        ASSERT_EQ(text("txtMoveCount"), QString::number(count));
    }

    static void choose(QDialog *dialog, const char *list, const QString &entry)
    {
        auto *box = dialog->findChild<QComboBox *>(list);
        ASSERT_NE(box, nullptr);
        box->setCurrentIndex(box->findText(entry));
    }
};

TEST_F(OptionsTest, OkAppliesTheGridAndGameTypeAndRestarts)
{
    QString rows, cols;
    bool restartVideoEnabled = true;
    runOptions([&](QDialog *dialog) {
        rows = dialog->findChild<QComboBox *>("cboRows")->currentText();
        cols = dialog->findChild<QComboBox *>("cboColumns")->currentText();
        restartVideoEnabled = dialog->findChild<QCheckBox *>("chkRestartVideo")->isEnabled();
        choose(dialog, "cboRows", "15");
        choose(dialog, "cboColumns", "3");
        choose(dialog, "cboGameType", "Move Blocks");
    });
    EXPECT_EQ(rows, "4");
    EXPECT_EQ(cols, "4");
    EXPECT_FALSE(restartVideoEnabled); // greyed out for a still picture
    const game::GameState &state = window->session().state();
    EXPECT_EQ(state.rows, 15);
    EXPECT_EQ(state.cols, 3);
    EXPECT_EQ(state.tileCount(), 45);
    EXPECT_EQ(state.gameType, game::MoveBlocks);
    EXPECT_EQ(state.gapCell, state.blockList.back() - 1);
    EXPECT_TRUE(board()->isVisible());

    // Reopening shows the new sizes and the game type being played.
    QString type;
    runOptions(
        [&](QDialog *dialog) {
            rows = dialog->findChild<QComboBox *>("cboRows")->currentText();
            cols = dialog->findChild<QComboBox *>("cboColumns")->currentText();
            type = dialog->findChild<QComboBox *>("cboGameType")->currentText();
        },
        false);
    EXPECT_EQ(rows, "15");
    EXPECT_EQ(cols, "3");
    EXPECT_EQ(type, "Move Blocks");
}

TEST_F(OptionsTest, FiftyMovesAskBeforeTheGameIsLost)
{
    clickButton("btnRestart");
    playMovesUntil(49);
    runOptions([](QDialog *dialog) { choose(dialog, "cboRows", "5"); });
    EXPECT_EQ(window->session().state().rows, 5); // no question below 50

    playMovesUntil(50);
    QString caption, question;
    whenModal("QMessageBox", [&](QWidget *modal) {
        auto *box = static_cast<QMessageBox *>(modal);
        caption = box->windowTitle();
        question = box->text();
        box->button(QMessageBox::No)->click();
    });
    runOptions([](QDialog *dialog) { choose(dialog, "cboRows", "9"); });
    EXPECT_EQ(question, "You're current game will be lost.\n\nAre you sure you want to restart?");
    EXPECT_EQ(window->session().state().rows, 5);
    EXPECT_EQ(text("txtMoveCount"), "50");

    // In the solution view nothing is in progress, so nobody is asked.
    action("mnuSolution")->trigger();
    runOptions([](QDialog *dialog) { choose(dialog, "cboRows", "9"); });
    EXPECT_EQ(window->session().state().rows, 9);
}

TEST_F(OptionsTest, TheRefreshSliderActsAtOnceEvenOnCancel)
{
    runOptions(
        [](QDialog *dialog) {
            auto *slider = dialog->findChild<QSlider *>("trackRefresh");
            EXPECT_EQ(slider->value(), 40);
            slider->setValue(500);
        },
        false);
    EXPECT_EQ(window->videoBoard().refreshInterval(), 500);
    EXPECT_EQ(window->session().state().rows, 4);
}

TEST_F(WindowTest, TheToolStripToggleAndFullScreenMode)
{
    auto *strip = find<QWidget>("toolStrip");
    action("mnuShowToolbar")->trigger();
    EXPECT_FALSE(strip->isVisible());
    EXPECT_FALSE(action("mnuShowToolbar")->isChecked());

    const QRect before = window->geometry();
    for (int round = 0; round < 2; ++round) {
        action("mnuFullScreen")->trigger();
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return window->centralWidget()->size() == window->screen()->geometry().size();
        }));
        EXPECT_TRUE(action("mnuFullScreen")->isChecked());
        EXPECT_FALSE(strip->isVisible());
        EXPECT_FALSE(window->menuBar()->isVisible());
        auto *copy = find<QMenu>("PopupMenu1");
        EXPECT_EQ(copy->actions().size(), 4); // one copy of the main menu, however often
        EXPECT_EQ(copy->findChildren<QMenu *>(Qt::FindDirectChildrenOnly).size(), 4);

        // A right click on the picture area opens the copy.
        const QPoint onBoard = board()->mapTo(window.get(), board()->rect().center());
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, onBoard);
        EXPECT_TRUE(QTest::qWaitFor([&] { return copy->isVisible(); }, 2000));
        copy->hide();
        EXPECT_EQ(copy->actions().at(1)->menu()->actions().size(), 7);

        // The copied "&Full Screen" leaves full-screen mode; the tool strip comes back.
        QAction *fullScreenCopy = copy->actions().at(1)->menu()->actions().at(6);
        ASSERT_EQ(fullScreenCopy->text(), "&Full Screen");
        fullScreenCopy->trigger();
        EXPECT_TRUE(QTest::qWaitFor([&] { return window->geometry() == before; }));
        EXPECT_FALSE(action("mnuFullScreen")->isChecked());
        EXPECT_TRUE(strip->isVisible());
        EXPECT_TRUE(window->menuBar()->isVisible());
    }
}

TEST_F(WindowTest, EveryShortcutWorksInFullScreenAndEscapeLeavesIt)
{
    clickButton("btnRestart");
    action("mnuFullScreen")->trigger();
    ASSERT_FALSE(window->menuBar()->isVisible());
    find<QLabel>("txtMoveCount")->setText("7");
    pressKeys("F5");
    EXPECT_EQ(text("txtMoveCount"), "0");
    pressKeys("Ctrl+G");
    EXPECT_TRUE(action("mnuShowGrid")->isChecked());
    pressKeys("F4");
    EXPECT_FALSE(action("mnuSolution")->isEnabled());
    pressKeys("F11");
    EXPECT_FALSE(action("mnuFullScreen")->isChecked());
    EXPECT_TRUE(window->menuBar()->isVisible());

    pressKeys("Escape"); // outside full screen Escape does nothing here
    EXPECT_FALSE(action("mnuFullScreen")->isChecked());
    pressKeys("F11");
    EXPECT_TRUE(action("mnuFullScreen")->isChecked());
    pressKeys("Escape");
    EXPECT_FALSE(action("mnuFullScreen")->isChecked());
    EXPECT_TRUE(find<QWidget>("toolStrip")->isVisible());
}

// Run once more on two offscreen screens of different sizes, where the window also moves.
TEST_F(WindowTest, TheMaximumSizeLetsTheAreaBelowTheMenuBarCoverTheScreen)
{
    const auto expected = [this] {
        const QSize screen = window->screen()->geometry().size();
        return QSize(screen.width(), screen.height() + window->menuBar()->sizeHint().height());
    };
    EXPECT_EQ(window->maximumSize(), expected()); // from the start, not after full screen
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (qEnvironmentVariableIsSet("PINDREL_TWO_SCREENS")) {
        ASSERT_EQ(screens.size(), 2);
    }
    if (screens.size() < 2)
        GTEST_SKIP() << "one screen: moving to another is tested in the two-screen run";
    for (QScreen *target : {screens.at(1), screens.at(0)}) {
        window->move(target->geometry().topLeft() + QPoint(20, 20));
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->screen() == target; }, 2000));
        EXPECT_EQ(window->maximumSize(), expected()) << target->name().toStdString();
    }
}

TEST_F(WindowTest, FullScreenMenuCopiesAreASnapshot)
{
    action("mnuFullScreen")->trigger();
    QMenu *options = find<QMenu>("PopupMenu1")->actions().at(2)->menu();
    QAction *dimIncorrect = options->actions().at(4);
    QAction *grid = options->actions().at(5);
    ASSERT_EQ(dimIncorrect->text(), "Dim Incorrect Tiles");
    ASSERT_EQ(grid->text(), "&Grid Overlay");

    dimIncorrect->trigger(); // no command of its own
    EXPECT_FALSE(dimIncorrect->isChecked());
    EXPECT_FALSE(action("mnuDimTiles")->isChecked());
    grid->trigger(); // runs the command and flips its own mark too
    EXPECT_TRUE(grid->isChecked());
    EXPECT_TRUE(action("mnuShowGrid")->isChecked());
    action("mnuFullScreen")->trigger();
}

TEST_F(WindowTest, TheFullScreenMenuCopiesEveryItemAsItWas)
{
    clickButton("btnRestart");
    const std::vector<int> dealt = window->session().state().blockList;
    pressCell(1);
    pressCell(2); // a move to undo
    ASSERT_NE(window->session().state().blockList, dealt);
    action("mnuShowGrid")->trigger();
    action("mnuFullScreen")->trigger();
    const QList<QAction *> menus = window->menuBar()->actions();
    const QList<QAction *> copies = find<QMenu>("PopupMenu1")->actions();
    ASSERT_EQ(copies.size(), menus.size());
    for (qsizetype m = 0; m < menus.size(); ++m) {
        EXPECT_EQ(copies.at(m)->text(), menus.at(m)->text());
        const QList<QAction *> items = menus.at(m)->menu()->actions();
        const QList<QAction *> itemCopies = copies.at(m)->menu()->actions();
        ASSERT_EQ(itemCopies.size(), items.size()) << qPrintable(menus.at(m)->text());
        for (qsizetype i = 0; i < items.size(); ++i) {
            const QAction *item = items.at(i);
            const QAction *copy = itemCopies.at(i);
            SCOPED_TRACE(item->text().toStdString());
            ASSERT_EQ(copy->isSeparator(), item->isSeparator());
            if (item->isSeparator())
                continue;
            EXPECT_EQ(copy->text(), item->text());
            EXPECT_EQ(copy->shortcut(), item->shortcut());
            EXPECT_EQ(copy->shortcutContext(), Qt::WidgetShortcut); // shown, not bound twice
            EXPECT_EQ(copy->isCheckable(), item->isCheckable());
            EXPECT_EQ(copy->isChecked(), item->isChecked());
            EXPECT_EQ(copy->isEnabled(), item->isEnabled());
        }
    }
    // A copy runs its command.
    QAction *undoCopy = copies.at(0)->menu()->actions().at(7);
    ASSERT_EQ(undoCopy->text(), "&Undo");
    undoCopy->trigger();
    EXPECT_EQ(window->session().state().blockList, dealt);
    action("mnuFullScreen")->trigger();
}

TEST_F(WindowTest, AboutBoxAndHomeSite)
{
    QString title, about;
    whenModal("TfrmAbout", [&](QWidget *modal) {
        title = modal->windowTitle();
        about = modal->findChild<QTextEdit *>("txtAbout")->toPlainText();
        QTest::mouseClick(modal->findChild<QPushButton *>("btnOK"), Qt::LeftButton);
    });
    action("mnuAbout")->trigger();
    EXPECT_EQ(title, "About Pindrel");
    EXPECT_TRUE(about.startsWith("Pindrel v1.2"));

    UrlRecorder browser;
    QDesktopServices::setUrlHandler("https", &browser, "open");
    action("mnuVisitOnline")->trigger();
    QDesktopServices::unsetUrlHandler("https");
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened.first(), QUrl("https://pindrel.github.io/"));
}

#include "options_modes_test.moc"
