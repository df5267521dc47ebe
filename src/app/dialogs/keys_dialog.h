// SPDX-License-Identifier: GPL-3.0-or-later
// "Keys..." in the help menu, also on F1: every key the game answers, in one table.
#pragma once

#include <QDialog>
#include <QList>
#include <QString>

namespace commands {
class CommandSet;
}

struct KeyRow
{
    QString keys;
    QString command;
};

// Every command that has a key, in the command table's order, with its keys as they are now and
// the key its menu item shows, followed by the keys of play on the board, which no menu holds.
QList<KeyRow> keyRows(const commands::CommandSet &commands);

class KeysDialog : public QDialog
{
    Q_OBJECT

  public:
    KeysDialog(const QList<KeyRow> &rows, QWidget *parent);
};

// "Keys..." shows the table of the set's commands over the parent.
void bindKeysCommand(const commands::CommandSet &commands, QWidget *parent);
