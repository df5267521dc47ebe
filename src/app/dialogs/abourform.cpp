// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: the program's picture, its name and version, credits and a contact line.
#include "app/dialogs/abourform.h"

#include "app/widgets/widget_colour.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

TfrmAbout::TfrmAbout(const QImage &picture, const QUrl &contact, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Pindrel"));
    setWindowFlag(Qt::WindowStaysOnTopHint);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 8, 8);
    auto *side = new QLabel(this);
    side->setFixedWidth(105);
    setBackground(side, Qt::white);
    side->setAlignment(Qt::AlignCenter);
    side->setPixmap(
        QPixmap::fromImage(picture.copy(0, 0, 125, 125)
                               .scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    row->addWidget(side);

    auto *column = new QVBoxLayout;
    column->setContentsMargins(0, 8, 0, 0);
    auto *text = new QTextEdit(this);
    text->setObjectName(QStringLiteral("txtAbout"));
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette colours = text->palette();
    colours.setColor(QPalette::Base, Qt::black);
    colours.setColor(QPalette::Text, Qt::white);
    text->setPalette(colours);
    QFont comic(QStringLiteral("Comic Sans MS"));
    comic.setPixelSize(13);
    text->setFont(comic);
    text->setPlainText(
        tr("Pindrel v1.2\n\n"
           "A picture puzzle: any photo or video becomes a board of tiles to put back in "
           "order.\n\n"
           "Written in C++ with Qt. Pictures are decoded by libjpeg-turbo, videos by FFmpeg.\n\n"
           "Thanks to everyone who played the early versions and sent in their best times.\n\n"
           "Contact: %1")
            .arg(contact.toString()));
    column->addWidget(text, 1);
    auto *ok = new QPushButton(tr("&OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    column->addWidget(ok, 0, Qt::AlignRight);
    row->addLayout(column, 1);
    setFixedSize(303, 198);
}
