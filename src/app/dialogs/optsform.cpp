// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog. It keeps no state of its own: every opening is handed the current
// options, and only OK hands them back (the refresh rate is sent as soon as it moves).
#include "app/dialogs/optsform.h"

#include "app/widgets/widget_colour.h"
#include "game/game_state.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QLabel *boldLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QComboBox *sizeList(const char *name, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    for (int size = game::minGridSize; size <= game::maxGridSize; ++size)
        list->addItem(QString::number(size));
    return list;
}

} // namespace

TfrmOptions::TfrmOptions(const OptionsAtOpening &opening, QWidget *parent)
    : QDialog(parent), m_movesAtStake(opening.movesAtStake)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Options"));
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 8);
    column->addWidget(createHeader());
    auto *line = new QFrame(this);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    column->addWidget(line);

    auto *pages = new QTabWidget(this);
    pages->addTab(createGeneralPage(), tr("General  "));
    pages->addTab(createVideoPage(), tr("Video"));
    auto *body = new QVBoxLayout;
    body->setContentsMargins(8, 0, 8, 0);
    body->addWidget(pages, 1);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    QPushButton *cancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("btnOK"));
    cancel->setObjectName(QStringLiteral("btnCancel"));
    for (QPushButton *button : {ok, cancel})
        button->setFixedSize(73, 25);
    ok->setDefault(true);
    body->addWidget(buttons);
    column->addLayout(body, 1);
    connect(ok, &QPushButton::clicked, this, &TfrmOptions::btnOKClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(300, 275);

    FormCreate(opening);
}

QWidget *TfrmOptions::createHeader()
{
    auto *header = new QWidget(this);
    header->setFixedHeight(49);
    setBackground(header, Qt::white);
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(12, 0, 12, 0);
    QLabel *title = boldLabel(tr("Game Options"), header);
    row->addWidget(title);
    row->addStretch(1);
    auto *picture = new QLabel(header);
    picture->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(32, 32));
    row->addWidget(picture);
    return header;
}

QWidget *TfrmOptions::createGeneralPage()
{
    auto *page = new QWidget;
    auto *form = new QFormLayout(page);
    cboGameType = new QComboBox(page);
    cboGameType->setObjectName(QStringLiteral("cboGameType"));
    cboGameType->addItems({tr("Swap Blocks"), tr("Move Blocks")});
    cboColumns = sizeList("cboColumns", page);
    cboRows = sizeList("cboRows", page);
    chkRestartVideo = new QCheckBox(tr("Restart video"), page);
    chkRestartVideo->setObjectName(QStringLiteral("chkRestartVideo"));
    chkRestartVideo->setChecked(true);
    form->addRow(boldLabel(tr("Game Type"), page), cboGameType);
    form->addRow(boldLabel(tr("Columns"), page), cboColumns);
    form->addRow(boldLabel(tr("Rows"), page), cboRows);
    form->addRow(QString(), chkRestartVideo);
    return page;
}

QWidget *TfrmOptions::createVideoPage()
{
    auto *page = new QWidget;
    auto *column = new QVBoxLayout(page);
    column->addWidget(boldLabel(tr("Avi Refresh"), page));
    trackRefresh = new QSlider(Qt::Horizontal, page);
    trackRefresh->setObjectName(QStringLiteral("trackRefresh"));
    trackRefresh->setRange(1, 500);
    trackRefresh->setTickPosition(QSlider::TicksBelow);
    trackRefresh->setTickInterval(10);
    trackRefresh->setValue(50);
    column->addWidget(trackRefresh);
    auto *ends = new QHBoxLayout;
    ends->addWidget(new QLabel(tr("Fast"), page));
    ends->addStretch(1);
    ends->addWidget(new QLabel(tr("Slow"), page));
    column->addLayout(ends);
    column->addStretch(1);
    return page;
}

void TfrmOptions::FormCreate(const OptionsAtOpening &opening)
{
    const GameOptions &current = opening.current;
    cboRows->setCurrentIndex(current.rows - game::minGridSize);
    cboColumns->setCurrentIndex(current.cols - game::minGridSize);
    // The list opens at the game type being played, so OK without a change keeps it.
    cboGameType->setCurrentIndex(current.gameType - 1);
    chkRestartVideo->setEnabled(opening.videoPuzzle);
    chkRestartVideo->setChecked(current.restartVideo);
    trackRefresh->setValue(opening.refreshInterval);
    connect(trackRefresh, &QSlider::valueChanged, this, &TfrmOptions::refreshIntervalChanged);
}

void TfrmOptions::btnOKClick()
{
    if (m_movesAtStake() >= 50) {
        const auto answer = QMessageBox::question(
            this, tr("Confirm"),
            tr("You're current game will be lost.\n\nAre you sure you want to restart?"),
            QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            reject();
            return;
        }
    }
    hide();
    emit optionsChosen({cboGameType->currentIndex() + 1, cboRows->currentText().toInt(),
                        cboColumns->currentText().toInt(), chkRestartVideo->isChecked()});
    accept();
}
