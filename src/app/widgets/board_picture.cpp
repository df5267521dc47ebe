// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widgets/board_picture.h"

#include <QPainter>

void BoardPicture::showPicture(const QImage &picture)
{
    m_game.reset();
    m_frame.reset();
    m_picture = picture;
    m_drawn = true;
}

void BoardPicture::showGame(const game::GameState &state, const QImage &solution,
                            const DimmedPicture &dim, const game::BoardLook &look)
{
    m_game = Game{&state, &solution, &dim, game::takeDimAllOnce(m_dimAllOnce, look)};
    m_frame.reset();
    m_drawn = false;
}

void BoardPicture::showSelectionFrame(QRgb colour, int width)
{
    if (!m_game)
        return;
    m_frame = Frame{colour, width};
    m_drawn = false;
}

QSize BoardPicture::size() const
{
    return m_game ? m_game->solution->size() : m_picture.size();
}

const QImage &BoardPicture::picture()
{
    if (!m_drawn) {
        drawInto(m_picture);
        m_drawn = true;
    }
    return m_picture;
}

void BoardPicture::drawInto(QImage &target)
{
    if (!m_game) {
        if (&target != &m_picture)
            QPainter(&target).drawImage(0, 0, m_picture);
        return;
    }
    game::BoardLook look = m_game->look;
    // Drawn into a screen, the board is next read by the display, not by us.
    look.forAnotherReader = &target != &m_picture;
    game::drawBoard(*m_game->state, *m_game->solution, m_game->dim->tiles(), look, target);
    if (m_frame)
        game::drawSelectionFrame(target, *m_game->state, m_frame->colour, m_frame->width);
}
