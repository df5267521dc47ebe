// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog on its own: it shows what it is handed, and OK hands back what it shows.
#include "window_fixture.h"

#include "app/dialogs/optsform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <optional>
#include <tuple>

namespace {

std::tuple<int, int, int, bool> fields(const GameOptions &options)
{
    return {options.gameType, options.rows, options.cols, options.restartVideo};
}

// Presses OK and returns what the dialog handed back, if anything, and whether the dialog was
// still showing when it did.
struct OkPress
{
    std::optional<GameOptions> chosen;
    bool shownWhenChosen = false;
};

OkPress pressOk(TfrmOptions &options)
{
    OkPress press;
    QObject::connect(&options, &TfrmOptions::optionsChosen, &options,
                     [&](const GameOptions &chosen) {
                         press.chosen = chosen;
                         press.shownWhenChosen = options.isVisible();
                     });
    QTest::mouseClick(options.findChild<QPushButton *>("btnOK"), Qt::LeftButton);
    return press;
}

} // namespace

TEST_F(WindowTest, TheOptionsDialogHandsBackWhatItShows)
{
    const struct
    {
        const char *name;
        GameOptions current;
        bool videoPuzzle;
    } cases[] = {
        {"a still", {game::SwapBlocks, 3, 15, false}, false},
        {"a video", {game::MoveBlocks, 15, 3, true}, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TfrmOptions options({c.current, 123, c.videoPuzzle, [] { return 0; }}, window.get());
        options.show();
        EXPECT_EQ(options.findChild<QComboBox *>("cboRows")->currentText().toInt(), c.current.rows);
        EXPECT_EQ(options.findChild<QComboBox *>("cboColumns")->currentText().toInt(),
                  c.current.cols);
        EXPECT_EQ(options.findChild<QComboBox *>("cboGameType")->currentIndex() + 1,
                  c.current.gameType);
        EXPECT_EQ(options.findChild<QSlider *>("trackRefresh")->value(), 123);
        auto *restart = options.findChild<QCheckBox *>("chkRestartVideo");
        EXPECT_EQ(restart->isChecked(), c.current.restartVideo);
        EXPECT_EQ(restart->isEnabled(), c.videoPuzzle);

        const OkPress press = pressOk(options);
        ASSERT_TRUE(press.chosen.has_value());
        EXPECT_EQ(fields(*press.chosen), fields(c.current)); // OK without a change keeps them
        EXPECT_FALSE(press.shownWhenChosen); // the game restarts behind a closed dialog
        EXPECT_EQ(options.result(), QDialog::Accepted);
    }
}

// The moves a restart would lose are counted as OK is pressed, not as the dialog opens.
TEST_F(WindowTest, TheOptionsDialogCountsTheMovesAtStakeAsOkIsPressed)
{
    const GameOptions current{game::SwapBlocks, 4, 4, true};
    int moves = 0;
    TfrmOptions gained({current, 40, false, [&moves] { return moves; }}, window.get());
    gained.show();
    bool asked = false;
    whenModal("QMessageBox", [&asked](QWidget *modal) {
        asked = true;
        static_cast<QMessageBox *>(modal)->button(QMessageBox::Yes)->click();
    });
    moves = 50;
    EXPECT_TRUE(pressOk(gained).chosen.has_value()); // a Yes goes on with the restart
    EXPECT_TRUE(asked);

    moves = 50;
    TfrmOptions dropped({current, 40, false, [&moves] { return moves; }}, window.get());
    dropped.show();
    asked = false;
    whenModal("QMessageBox", [&asked](QWidget *modal) {
        asked = true;
        static_cast<QMessageBox *>(modal)->button(QMessageBox::No)->click();
    });
    moves = 49;
    EXPECT_TRUE(pressOk(dropped).chosen.has_value());
    EXPECT_FALSE(asked);
}
