// SPDX-License-Identifier: GPL-3.0-or-later
// The overlay paints in screen pixels over the scaled board, cell by cell as the board picture
// lays them out.
#include "app/play/board_overlay.h"

#include "app/widgets/picture_view.h"
#include "game/geometry.h"

#include <QEvent>
#include <QPainter>

BoardOverlay::BoardOverlay(PictureView *board) : QWidget(board), m_board(board)
{
    setObjectName(QStringLiteral("boardOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(board->rect());
    board->installEventFilter(this);
}

void BoardOverlay::setGrid(int rows, int cols)
{
    m_rows = rows;
    m_cols = cols;
    update();
}

void BoardOverlay::setCursorCell(int cell)
{
    if (cell != m_cursorCell) {
        m_cursorCell = cell;
        update();
    }
}

void BoardOverlay::setHint(int tileCell, int targetCell)
{
    if (tileCell != m_hintTile || targetCell != m_hintTarget) {
        m_hintTile = tileCell;
        m_hintTarget = targetCell;
        update();
    }
}

bool BoardOverlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_board && event->type() == QEvent::Resize)
        setGeometry(m_board->rect());
    return QWidget::eventFilter(watched, event);
}

QRectF BoardOverlay::cellRect(int cell) const
{
    const QSize picture = m_board->pictureSize();
    const QRect shown = m_board->pictureRect();
    if (picture.isEmpty() || shown.isEmpty() || cell < 1)
        return {};
    const QSize tile = game::tileSizeFor(picture, m_rows, m_cols);
    const double scaleX = double(shown.width()) / picture.width();
    const double scaleY = double(shown.height()) / picture.height();
    const int index = cell - 1;
    const QRectF inPicture((index % m_cols) * tile.width(), (index / m_cols) * tile.height(),
                           tile.width(), tile.height());
    return QRectF(shown.x() + inPicture.x() * scaleX, shown.y() + inPicture.y() * scaleY,
                  inPicture.width() * scaleX, inPicture.height() * scaleY);
}

void BoardOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const auto frame = [&](int cell, QRgb colour, Qt::PenStyle style, double inset) {
        const QRectF rect = cellRect(cell);
        if (rect.isEmpty())
            return;
        QPen pen{QColor::fromRgb(colour)};
        pen.setWidthF(3);
        pen.setStyle(style);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(inset, inset, -inset, -inset));
    };
    frame(m_hintTarget, hintColour, Qt::DashLine, 2.5);
    frame(m_hintTile, hintColour, Qt::SolidLine, 2.5);
    // Inside the selection frame (5 picture pixels), so both show on one cell.
    frame(m_cursorCell, cursorColour, Qt::SolidLine, 7.5);
}
