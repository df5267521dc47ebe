// SPDX-License-Identifier: GPL-3.0-or-later
// "Keys..." in the help menu, also on F1: every key the game answers, in one table.
#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;

struct KeyRow
{
    QString keys;
    QString command;
};

// Every command the window holds that has a key, with the key the menu shows, followed by the
// keys of play on the board, which no menu holds.
QList<KeyRow> keyRows(const QList<QAction *> &commands);

class KeysDialog : public QDialog
{
    Q_OBJECT

  public:
    KeysDialog(const QList<KeyRow> &rows, QWidget *parent);
};

// Adds "Keys..." (F1) to the help menu, showing the keys of the window's commands.
void addKeysCommand(QMainWindow *window, QMenu *helpMenu);
