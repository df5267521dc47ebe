// SPDX-License-Identifier: GPL-3.0-or-later
// The scaled picture control. Its fitting uses the same rounding as the board's press
// geometry, so what the player sees and where a press lands agree to the pixel; smoothing
// changes the pixels drawn, never where they go.
#include "app/widgets/picture_view.h"

#include "app/widgets/drawn_picture.h"
#include "game/geometry.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>

PictureView::PictureView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::setPicture(const QImage *picture)
{
    m_picture = picture;
    m_drawn = nullptr;
    m_scaled = QImage();
    update();
}

void PictureView::setPicture(DrawnPicture *picture)
{
    m_picture = nullptr;
    m_drawn = picture;
    m_scaled = QImage();
    update();
}

QSize PictureView::pictureSize() const
{
    if (m_drawn)
        return m_drawn->size();
    return m_picture ? m_picture->size() : QSize();
}

const QImage &PictureView::currentPicture()
{
    return m_drawn ? m_drawn->picture() : *m_picture;
}

QRect PictureView::pictureRect() const
{
    const QSize picture = pictureSize();
    if (picture.isEmpty())
        return {};
    const game::ScreenLayout layout = game::screenLayoutFor(size(), picture, 1, 1);
    return QRect(layout.offX, layout.offY, width() - 2 * layout.offX, height() - 2 * layout.offY);
}

QRect PictureView::changedArea() const
{
    // The bars beside a picture of the same size stay as they are: a video board repaints
    // many times a second.
    return pictureSize() == m_shownPictureSize ? pictureRect() : rect();
}

void PictureView::updatePicture()
{
    update(changedArea());
}

void PictureView::repaintPicture()
{
    repaint(changedArea());
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
    const QImage &picture = currentPicture();
    if (m_scaled.size() != size || m_scaledKey != picture.cacheKey()) {
        m_scaled = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_scaledKey = picture.cacheKey();
    }
    return m_scaled;
}

bool PictureView::drawStraight(QPainter &painter, QRect shown, const QRegion &painted)
{
    // Only where every pixel of the picture is to be painted: outside the painted region the
    // screen holds what other controls drew over this one.
    if (!m_drawn || !QRegion(shown).subtracted(painted).isEmpty())
        return false;
    QPaintEngine *const engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || !engine->paintDevice() ||
        engine->paintDevice()->devType() != QInternal::Image)
        return false;
    auto *const screen = static_cast<QImage *>(engine->paintDevice());
    const QImage::Format format = screen->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return false;
    const QTransform toDevice = painter.deviceTransform();
    const QRectF mapped = toDevice.mapRect(QRectF(shown));
    const QRect target = mapped.toRect();
    if (toDevice.type() > QTransform::TxScale || QRectF(target) != mapped ||
        target.size() != m_drawn->size() || !screen->rect().contains(target))
        return false;
    // Opaque pixels read the same in all three formats.
    QImage inPlace(screen->bits() + target.y() * screen->bytesPerLine() +
                       target.x() * qsizetype(sizeof(QRgb)),
                   target.width(), target.height(), screen->bytesPerLine(), QImage::Format_RGB32);
    m_drawn->drawInto(inPlace);
    return true;
}

void PictureView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect shown = pictureRect();
    m_shownPictureSize = pictureSize();
    for (const QRect &bar : event->region().subtracted(shown))
        painter.fillRect(bar, Qt::black);
    if (shown.isEmpty())
        return;
    // The copy is made at the screen's device pixels, so a high-density screen shows the
    // picture's own detail instead of a logical-size copy grown again.
    const qreal ratio = devicePixelRatioF();
    const QSize devicePixels = (QSizeF(shown.size()) * ratio).toSize();
    if (m_smooth && devicePixels != m_shownPictureSize)
        painter.drawImage(QRectF(shown), smoothlyScaled(devicePixels));
    else if (!drawStraight(painter, shown, event->region()))
        painter.drawImage(shown, currentPicture());
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
