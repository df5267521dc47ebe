// SPDX-License-Identifier: GPL-3.0-or-later
// Lists the record file's entries; clearing writes an empty record book.
#include "app/play/records_dialog.h"

#include "game/game_state.h"
#include "sources/records_file.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString timeText(qint64 milliseconds)
{
    const qint64 seconds = milliseconds / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

RecordsDialog::RecordsDialog(const QString &recordsPath, QWidget *parent)
    : QDialog(parent), m_path(recordsPath), m_table(new QTableWidget(this))
{
    setObjectName(QStringLiteral("RecordsDialog"));
    setWindowTitle(tr("Records"));
    m_table->setObjectName(QStringLiteral("tblRecords"));
    m_table->setAccessibleName(tr("Records, newest first"));
    m_table->setColumnCount(6);
    m_table->setHorizontalHeaderLabels({tr("Picture"), tr("Grid"), tr("Game", "kind of game"),
                                        tr("Best time"), tr("Fewest moves"), tr("Date")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_clear = buttons->addButton(tr("&Clear Records"), QDialogButtonBox::ResetRole);
    m_clear->setObjectName(QStringLiteral("btnClearRecords"));
    m_clear->setAccessibleName(tr("Clear Records"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_clear, &QPushButton::clicked, this, &RecordsDialog::clearRecords);

    auto *column = new QVBoxLayout(this);
    column->addWidget(m_table);
    column->addWidget(buttons);
    resize(640, 320);
    fill();
}

void RecordsDialog::fill()
{
    const std::vector<game::Record> records = sources::loadRecords(m_path).newestFirst();
    m_table->setRowCount(int(records.size()));
    for (int row = 0; row < int(records.size()); ++row) {
        const game::Record &record = records[std::size_t(row)];
        const QStringList cells = {
            record.name.isEmpty() ? record.key.picture : record.name,
            QStringLiteral("%1 x %2").arg(record.key.rows).arg(record.key.cols),
            record.key.gameType == game::MoveBlocks ? tr("Move Blocks") : tr("Swap Blocks"),
            timeText(record.bestMilliseconds),
            QString::number(record.fewestMoves),
            record.updated.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm")),
        };
        for (int col = 0; col < cells.size(); ++col)
            m_table->setItem(row, col, new QTableWidgetItem(cells[col]));
    }
    m_table->resizeColumnsToContents();
    m_clear->setEnabled(!records.empty());
}

void RecordsDialog::clearRecords()
{
    if (QMessageBox::question(this, tr("Records"), tr("Clear all records?")) != QMessageBox::Yes)
        return;
    if (!sources::saveRecords(m_path, game::RecordBook()))
        QMessageBox::warning(this, tr("Records"), tr("Unable to clear the records."));
    fill();
}
