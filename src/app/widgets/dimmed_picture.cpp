// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widgets/dimmed_picture.h"

#include "game/darkness.h"

#include <QPainter>

void DimmedPicture::showAsIs(const QImage &picture)
{
    m_source = picture;
    m_darkenBy.reset();
    m_darkened.reset();
}

void DimmedPicture::showDarkened(const QImage &picture, int amount)
{
    m_source = picture;
    m_darkenBy = amount;
    m_darkened.reset();
}

const QImage &DimmedPicture::picture()
{
    if (!m_darkenBy)
        return m_source;
    if (!m_darkened) {
        m_darkened.emplace();
        game::Effect_Darkness(m_source, *m_darkenBy, true, *m_darkened);
    }
    return *m_darkened;
}

void DimmedPicture::drawInto(QImage &target)
{
    if (m_darkenBy)
        game::darkenedCopy(m_source, *m_darkenBy, target);
    else
        QPainter(&target).drawImage(0, 0, m_source);
}
