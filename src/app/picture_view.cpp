// The scaled picture control. Its fitting uses the same rounding as the board's press
// geometry, so what the player sees and where a press lands agree to the pixel.
#include "app/picture_view.h"

#include "game/geometry.h"

#include <QMouseEvent>
#include <QPainter>

PictureView::PictureView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::setPicture(const QImage *picture)
{
    m_picture = picture;
    update();
}

QRect PictureView::pictureRect() const
{
    if (!m_picture || m_picture->isNull())
        return {};
    const game::ScreenLayout layout = game::screenLayoutFor(size(), m_picture->size(), 1, 1);
    return QRect(layout.offX, layout.offY, width() - 2 * layout.offX, height() - 2 * layout.offY);
}

void PictureView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_picture && !m_picture->isNull())
        painter.drawImage(pictureRect(), *m_picture);
}

void PictureView::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->button(), event->position().toPoint());
}
