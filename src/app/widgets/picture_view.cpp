// SPDX-License-Identifier: GPL-3.0-or-later
// The scaled picture control. Its fitting uses the same rounding as the board's press
// geometry, so what the player sees and where a press lands agree to the pixel; smoothing
// changes the pixels drawn, never where they go.
#include "app/widgets/picture_view.h"

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
    m_scaled = QImage();
    update();
}

QRect PictureView::pictureRect() const
{
    if (!m_picture || m_picture->isNull())
        return {};
    const game::ScreenLayout layout = game::screenLayoutFor(size(), m_picture->size(), 1, 1);
    return QRect(layout.offX, layout.offY, width() - 2 * layout.offX, height() - 2 * layout.offY);
}

void PictureView::setSmoothScaling(bool smooth)
{
    m_smooth = smooth;
    m_scaled = QImage();
    update();
}

const QImage &PictureView::smoothlyScaled(QSize size)
{
    // Every write to a picture's pixels (bits(), scanLine(), a painter) gives it a new
    // cacheKey(), so a picture rebuilt in the same memory is noticed.
    if (m_scaled.size() != size || m_scaledKey != m_picture->cacheKey()) {
        m_scaled = m_picture->scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_scaledKey = m_picture->cacheKey();
    }
    return m_scaled;
}

void PictureView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect shown = pictureRect();
    // Only the bars beside the picture: a video board repaints many times a second.
    for (const QRect &bar : QRegion(rect()).subtracted(shown))
        painter.fillRect(bar, Qt::black);
    if (shown.isEmpty())
        return;
    // The copy is made at the screen's device pixels, so a high-density screen shows the
    // picture's own detail instead of a logical-size copy grown again.
    const qreal ratio = devicePixelRatioF();
    const QSize devicePixels = (QSizeF(shown.size()) * ratio).toSize();
    if (m_smooth && devicePixels != m_picture->size())
        painter.drawImage(QRectF(shown), smoothlyScaled(devicePixels));
    else
        painter.drawImage(shown, *m_picture);
}

void PictureView::mousePressEvent(QMouseEvent *event)
{
    // The side buttons step Back and Forward on their release; they are no board presses.
    const Qt::MouseButtons boardButtons = Qt::LeftButton | Qt::MiddleButton | Qt::RightButton;
    if (boardButtons & event->button())
        emit pressed(event->button(), event->position().toPoint());
    else
        event->ignore();
}
