// SPDX-License-Identifier: GPL-3.0-or-later
// The keys are read from the commands' actions when the table opens, so it cannot fall behind a
// shortcut changed elsewhere (Escape beside Full Screen while it leaves full screen).
#include "app/dialogs/keys_dialog.h"

#include "app/commands/command_set.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

QList<KeyRow> keyRows(const commands::CommandSet &commands)
{
    QList<KeyRow> rows;
    for (const commands::CommandRow &row : commands::commandTable()) {
        QStringList keys;
        for (const QKeySequence &shortcut : commands.action(row.id)->shortcuts())
            keys.append(shortcut.toString(QKeySequence::NativeText));
        if (*row.shownKey)
            keys.append(QLatin1String(row.shownKey));
        if (keys.isEmpty())
            continue;
        QString command = commands::caption(row);
        command.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        rows.append({keys.join(QStringLiteral(", ")), command});
    }
    // The keys of play on the board, which no menu holds. Their names are written as Qt's
    // own shortcut texts show them in the player's language, beside the menus' keys above.
    //: Key column of the Keys table: the four arrow keys
    rows.append({KeysDialog::tr("Arrow keys"), KeysDialog::tr("Move the keyboard cursor")});
    //: Key column of the Keys table: the space bar and the Enter key
    rows.append({KeysDialog::tr("Space, Enter"),
                 KeysDialog::tr("Press the tile under the cursor (the first press shows it)")});
    //: Key column of the Keys table: Ctrl held with an arrow key
    rows.append({KeysDialog::tr("Ctrl+Arrow keys"),
                 //: "Move Blocks" is the kind of game, as in the options
                 KeysDialog::tr("Move Blocks: slide the tile on that side of the gap into it")});
    //: Key column of the Keys table: the Escape key
    rows.append({KeysDialog::tr("Esc"), KeysDialog::tr("Leave full screen")});
    return rows;
}

KeysDialog::KeysDialog(const QList<KeyRow> &rows, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmKeys"));
    //: Title of the dialog listing every key the game answers
    setWindowTitle(tr("Keys"));
    auto *table = new QTableWidget(int(rows.size()), 2, this);
    table->setObjectName(QStringLiteral("tblKeys"));
    //: Column headings of the Keys table: a key, and what it does
    table->setHorizontalHeaderLabels({tr("Key"), tr("Command")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    for (int row = 0; row < rows.size(); ++row) {
        table->setItem(row, 0, new QTableWidgetItem(rows.at(row).keys));
        table->setItem(row, 1, new QTableWidgetItem(rows.at(row).command));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *column = new QVBoxLayout(this);
    column->addWidget(table);
    column->addWidget(buttons);
    resize(520, 480);
}

void bindKeysCommand(const commands::CommandSet &commands, QWidget *parent)
{
    QObject::connect(commands.action(commands::Command::Keys), &QAction::triggered, parent,
                     [&commands, parent] {
                         KeysDialog keys(keyRows(commands), parent);
                         keys.exec();
                     });
}
