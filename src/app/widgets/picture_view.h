// SPDX-License-Identifier: GPL-3.0-or-later
// An image control: shows a picture scaled to fit with its proportions kept, centred.
#pragma once

#include <QImage>
#include <QWidget>

class DrawnPicture;

class PictureView : public QWidget
{
    Q_OBJECT

  public:
    explicit PictureView(QWidget *parent = nullptr);

    // The picture is owned by the caller and read on every paint, so a rebuilt picture needs
    // no copy; call update() or repaint() after changing it.
    void setPicture(const QImage *picture);
    // A picture drawn on demand, owned by the caller. Shown one to one on a raster screen, it
    // is drawn straight into the screen's memory.
    void setPicture(DrawnPicture *picture);
    // Repaints after the picture changed: only the picture while its size stays.
    void updatePicture();
    void repaintPicture();
    // Empty without a picture.
    QSize pictureSize() const;

    // On (the default), the picture is shown smoothly scaled from a copy made for the shown
    // size, remade only when the size or the picture changes. Off, it is scaled by nearest
    // neighbour at every paint: cheaper for a picture rebuilt many times a second.
    void setSmoothScaling(bool smooth);
    bool smoothScaling() const { return m_smooth; }

    // Where the picture is drawn inside the control.
    QRect pictureRect() const;

  signals:
    void pressed(Qt::MouseButton button, QPoint position);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

  private:
    const QImage &currentPicture();
    const QImage &smoothlyScaled(QSize size);
    bool drawStraight(QPainter &painter, QRect shown, const QRegion &painted);
    QRect changedArea() const;

    const QImage *m_picture = nullptr;
    DrawnPicture *m_drawn = nullptr;
    QSize m_shownPictureSize; // the picture's size at the last paint
    bool m_smooth = true;
    QImage m_scaled;        // the picture at the size last shown
    qint64 m_scaledKey = 0; // the picture's cacheKey() when m_scaled was made
};
