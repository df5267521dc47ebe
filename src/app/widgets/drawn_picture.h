// SPDX-License-Identifier: GPL-3.0-or-later
// A picture drawn only when it is looked at, and able to draw itself straight into memory
// that someone else owns, such as the part of a screen it is shown on.
#pragma once

#include <QImage>
#include <QSize>

class DrawnPicture
{
  public:
    virtual ~DrawnPicture() = default;

    virtual QSize size() const = 0;
    // The picture, drawn first if it changed since it was last drawn.
    virtual const QImage &picture() = 0;
    // The same pixels into target, a 32-bit RGB picture of size().
    virtual void drawInto(QImage &target) = 0;
};
