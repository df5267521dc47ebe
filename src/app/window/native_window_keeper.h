// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping a window's mode and place when Qt re-creates its native window.
#pragma once

#include <QObject>

class QWidget;

// Qt re-creates a shown window's native window when a child first needs another kind of
// surface (the web engine's OpenGL one). The new native window starts in the normal state,
// where the window manager chooses to put it; this gives it back the window's full-screen or
// maximised state, or else its position and size.
class NativeWindowKeeper : public QObject
{
  public:
    // Watches window, which already has its first native window.
    explicit NativeWindowKeeper(QWidget *window);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void restore();

    QWidget *m_window;
};
