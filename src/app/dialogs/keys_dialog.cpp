// SPDX-License-Identifier: GPL-3.0-or-later
// The table is read from the window's commands when it opens, so it cannot fall behind a
// shortcut changed elsewhere.
#include "app/dialogs/keys_dialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenu>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

QList<KeyRow> keyRows(const QList<QAction *> &commands)
{
    QList<KeyRow> rows;
    for (const QAction *action : commands) {
        // A key the menu only shows follows a tab in the item's text.
        const QStringList parts = action->text().split(QLatin1Char('\t'));
        QStringList keys;
        for (const QKeySequence &shortcut : action->shortcuts())
            keys.append(shortcut.toString(QKeySequence::NativeText));
        if (parts.size() > 1)
            keys.append(parts.at(1));
        if (keys.isEmpty())
            continue;
        QString command = parts.at(0);
        command.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        rows.append({keys.join(QStringLiteral(", ")), command});
    }
    rows.append({QObject::tr("Arrow keys"), QObject::tr("Move the keyboard cursor")});
    rows.append({QObject::tr("Space, Enter"),
                 QObject::tr("Press the tile under the cursor (the first press shows it)")});
    rows.append({QObject::tr("Ctrl+Arrow keys"),
                 QObject::tr("Move Blocks: slide the tile on that side of the gap into it")});
    rows.append({QObject::tr("Esc"), QObject::tr("Leave full screen")});
    return rows;
}

KeysDialog::KeysDialog(const QList<KeyRow> &rows, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmKeys"));
    setWindowTitle(tr("Keys"));
    auto *table = new QTableWidget(int(rows.size()), 2, this);
    table->setObjectName(QStringLiteral("tblKeys"));
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

void addKeysCommand(QMainWindow *window, QMenu *helpMenu)
{
    QAction *keys = helpMenu->addAction(QObject::tr("&Keys...", "Help menu"));
    keys->setObjectName(QStringLiteral("mnuKeys"));
    keys->setShortcut(QKeySequence(Qt::Key_F1));
    window->addAction(keys);
    QObject::connect(keys, &QAction::triggered, window, [window] {
        KeysDialog dialog(keyRows(window->actions()), window);
        dialog.exec();
    });
}
