// SPDX-License-Identifier: GPL-3.0-or-later
// The note follows the caption: it hides and shows with it and keeps above it.
#include "app/play/record_keeper.h"

#include "app/play/records_dialog.h"
#include "sources/records_file.h"

#include <QEvent>
#include <QLabel>

RecordKeeper::RecordKeeper(QLabel *caption)
    : m_caption(caption), m_note(new QLabel(caption->parentWidget()))
{
    m_note->setObjectName(QStringLiteral("txtRecord"));
    m_note->setFont(caption->font());
    m_note->setStyleSheet(
        QStringLiteral("QLabel { color: rgb(255, 255, 0); background: rgba(0, 0, 0, 160); "
                       "padding: 0px 4px; }"));
    m_note->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_note->setWordWrap(true);
    m_note->hide();
    caption->installEventFilter(this);
}

void RecordKeeper::showNote(const QString &note)
{
    m_note->setText(note);
    if (note.isEmpty())
        return;
    placeNote();
    if (m_caption->isVisible())
        m_note->show();
}

// Above the caption, from its left edge, as wide as the pane lets it be: beside the caption a
// narrow window cut it off. It wraps when even that is too narrow.
void RecordKeeper::placeNote()
{
    const QWidget *pane = m_note->parentWidget();
    const int room = std::max(1, pane->width() - 2 * m_caption->x());
    m_note->setWordWrap(false);
    const int natural = m_note->sizeHint().width();
    m_note->setWordWrap(true);
    const int width = std::min(natural, room);
    const int height = m_note->heightForWidth(width);
    m_note->setGeometry(m_caption->x(), m_caption->y() - height - 2, width, height);
    m_note->raise();
}

bool RecordKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_caption) {
        switch (event->type()) {
        case QEvent::Hide:
            m_note->hide();
            m_note->clear();
            break;
        case QEvent::Show:
            if (!m_note->text().isEmpty()) {
                placeNote();
                m_note->show();
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
            placeNote();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void RecordKeeper::showRecords(QWidget *parent)
{
    RecordsDialog dialog(sources::recordsPath(), parent);
    dialog.exec();
}
