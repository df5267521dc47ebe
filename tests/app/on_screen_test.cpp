// SPDX-License-Identifier: GPL-3.0-or-later
// What the player reads: the new-record line at every window size, the options dialog's title
// under a dark palette, and the table of keys.
#include "window_fixture.h"

#include "app/dialogs/keys_dialog.h"
#include "app/dialogs/optsform.h"

#include <QApplication>
#include <QTableWidget>
#include <QTest>

namespace {

double luminance(QColor c)
{
    const auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

TEST_F(WindowTest, TheNewRecordLineIsReadableInFullAtEveryWindowSize)
{
    for (int width : {0, 500, 1000}) {
        SCOPED_TRACE(width);
        // 0: the size the window starts at, the smallest it allows.
        window->resize(std::max(width, window->minimumWidth()), 400);
        QDir(settingsDir.filePath("data")).removeRecursively();
        window->applyOptions(game::SwapBlocks, 3, 3, true);
        solveBySwaps();
        auto *note = find<QLabel>("txtRecord");
        ASSERT_TRUE(note->isVisible());
        EXPECT_EQ(note->text(), QStringLiteral("New record: best time and fewest moves"));
        EXPECT_TRUE(text("txtInfo").startsWith(QStringLiteral("Puzzle Completed! (")));
        // Inside the picture area, and the wrapped text fits the label.
        EXPECT_TRUE(note->parentWidget()->rect().contains(note->geometry()));
        const QRect room = note->contentsRect();
        const QRect needed = note->fontMetrics().boundingRect(QRect(0, 0, room.width(), 10000),
                                                              Qt::TextWordWrap, note->text());
        EXPECT_LE(needed.width(), room.width());
        EXPECT_LE(needed.height(), room.height());
        // Not over the completion caption.
        EXPECT_FALSE(note->geometry().intersects(find<QLabel>("txtInfo")->geometry()));
    }
}

TEST_F(WindowTest, TheOptionsTitleReadsUnderADarkPalette)
{
    const QPalette saved = QApplication::palette();
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, Qt::white);
    QApplication::setPalette(dark);
    {
        TfrmOptions options({{game::SwapBlocks, 4, 4, true}, 40, false, [] { return 0; }},
                            window.get());
        options.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&options));
        QLabel *title = nullptr;
        for (QLabel *label : options.findChildren<QLabel *>())
            if (label->text() == QStringLiteral("Game Options"))
                title = label;
        ASSERT_NE(title, nullptr);
        const QImage strip = title->parentWidget()->grab().toImage();
        const QColor background = strip.pixelColor(1, 1);
        const QRect place = title->geometry();
        double best = 1;
        for (int y = place.top(); y <= place.bottom(); ++y)
            for (int x = place.left(); x <= place.right(); ++x)
                best = std::max(best, contrast(strip.pixelColor(x, y), background));
        EXPECT_GE(best, 4.5) << "strip " << background.name().toStdString();
    }
    QApplication::setPalette(saved);
}

TEST_F(WindowTest, KeysListsEveryKeyInOneTable)
{
    QList<KeyRow> shown;
    whenModal("KeysDialog", [&shown](QWidget *modal) {
        auto *table = modal->findChild<QTableWidget *>(QStringLiteral("tblKeys"));
        ASSERT_NE(table, nullptr);
        for (int row = 0; row < table->rowCount(); ++row)
            shown.append({table->item(row, 0)->text(), table->item(row, 1)->text()});
        modal->close();
    });
    pressKeys(QStringLiteral("F1"));
    const struct
    {
        const char *keys;
        const char *command;
    } expected[] = {
        {"F1", "Keys..."},
        {"P", "Pause"},
        {"H", "Hint"},
        {"Ctrl+Z", "Undo"},
        {"Ctrl+X", "Exit"},
        {"F5", "Restart/Refresh"},
        {"F4", "Show Solution"},
        {"F11", "Full Screen"},
        {"Ctrl+O", "Open..."},
        {"Ctrl+Shift+Z, Ctrl+Y", "Redo"},
        {"Arrow keys", "Move the keyboard cursor"},
        {"Esc", "Leave full screen"},
    };
    for (const auto &e : expected) {
        const bool found = std::any_of(shown.begin(), shown.end(), [&e](const KeyRow &row) {
            return row.keys == QLatin1String(e.keys) && row.command == QLatin1String(e.command);
        });
        EXPECT_TRUE(found) << e.keys << " " << e.command;
    }
    // Every command with a shortcut is there.
    for (const QAction *command : window->actions())
        for (const QKeySequence &key : command->shortcuts())
            EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [&key](const KeyRow &row) {
                return row.keys.contains(key.toString(QKeySequence::NativeText));
            })) << key.toString().toStdString();
}
