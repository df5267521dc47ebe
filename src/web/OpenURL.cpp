// SPDX-License-Identifier: GPL-3.0-or-later
// The Open URL dialog's layout and keys.
#include "web/OpenURL.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

TfrmOpenURL::TfrmOpenURL(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmOpenURL"));
    setWindowTitle(tr("Open"));
    setFixedSize(306, 105);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgGlobe"));
    picture->setPixmap(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(32, 32));
    picture->setGeometry(8, 8, 32, 32);
    auto *prompt = new QLabel(tr("Type an internet address below, and click OK."), this);
    prompt->setObjectName(QStringLiteral("lblPrompt"));
    prompt->setGeometry(48, 8, 250, 32);
    prompt->setWordWrap(true);

    txtInternet = new QLineEdit(this);
    txtInternet->setObjectName(QStringLiteral("txtInternet"));
    txtInternet->setGeometry(8, 44, 290, 22);
    btnOK = new QPushButton(tr("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(142, 74, 75, 25);
    btnCancel = new QPushButton(tr("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(223, 74, 75, 25);
    for (QPushButton *button : {btnOK, btnCancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    setTabOrder(txtInternet, btnOK);
    setTabOrder(btnOK, btnCancel);
    txtInternet->setFocus();

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    // Enter in the address field is OK.
    connect(txtInternet, &QLineEdit::returnPressed, btnOK, &QPushButton::click);
}

QString TfrmOpenURL::address() const
{
    return txtInternet->text();
}

void TfrmOpenURL::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
