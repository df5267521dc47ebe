// SPDX-License-Identifier: GPL-3.0-or-later
// The board as the window shows it: a plain picture, or the game drawn from the solution
// picture, its dimmed copy and the state, with the selection frame over it. The game is drawn
// when it is looked at, so a video board shown one to one is drawn straight into the screen's
// memory without a board picture in between.
#pragma once

#include "app/widgets/dimmed_picture.h"
#include "app/widgets/drawn_picture.h"
#include "game/board_renderer.h"

#include <optional>

class BoardPicture : public DrawnPicture
{
  public:
    void showPicture(const QImage &picture);
    // The state and both pictures are read when the board is drawn: they must stay until
    // the next show, and a change to them needs one.
    void showGame(const game::GameState &state, const QImage &solution, const DimmedPicture &dim,
                  const game::BoardLook &look);
    // The next game shown has every tile dimmed, as a picture is left.
    void dimAllOnce() { m_dimAllOnce = true; }
    // Over the game's clicked cell, until the next show.
    void showSelectionFrame(QRgb colour, int width);

    QSize size() const override;
    const QImage &picture() override;
    void drawInto(QImage &target) override;

  private:
    struct Game
    {
        const game::GameState *state;
        const QImage *solution;
        const DimmedPicture *dim;
        game::BoardLook look;
    };
    struct Frame
    {
        QRgb colour;
        int width;
    };

    std::optional<Game> m_game;
    std::optional<Frame> m_frame;
    QImage m_picture; // the plain picture, or the game as last drawn
    bool m_drawn = true;
    bool m_dimAllOnce = false;
};
