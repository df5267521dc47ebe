// An image control: shows a picture scaled to fit with its proportions kept, centred.
#pragma once

#include <QImage>
#include <QWidget>

class PictureView : public QWidget
{
    Q_OBJECT

public:
    explicit PictureView(QWidget *parent = nullptr);

    // The picture is owned by the caller and read on every paint, so a rebuilt picture needs
    // no copy; call update() or repaint() after changing it.
    void setPicture(const QImage *picture);
    const QImage *picture() const { return m_picture; }

    // Where the picture is drawn inside the control.
    QRect pictureRect() const;

signals:
    void pressed(Qt::MouseButton button, QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    const QImage *m_picture = nullptr;
};
