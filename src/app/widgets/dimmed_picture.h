// SPDX-License-Identifier: GPL-3.0-or-later
// What dimmed tiles show, and the dimmed picture shown alone as a game is left: a picture as
// it is (a video's frame, or a still with dimming off), or a still darkened. A darkened still
// is darkened only where it is drawn, a few tiles of the board as a rule; a whole darkened
// copy, as large as the picture, is made only when it is looked at as one picture.
#pragma once

#include "app/widgets/drawn_picture.h"
#include "game/board_renderer.h"

#include <optional>

class DimmedPicture : public DrawnPicture
{
  public:
    void showAsIs(const QImage &picture);
    void showDarkened(const QImage &picture, int amount);

    // For the board drawing.
    game::DimTiles tiles() const { return {m_source, m_darkenBy}; }

    QSize size() const override { return m_source.size(); }
    const QImage &picture() override;
    void drawInto(QImage &target) override;

  private:
    QImage m_source;
    std::optional<int> m_darkenBy;
    std::optional<QImage> m_darkened; // made when looked at, until the next show
};
