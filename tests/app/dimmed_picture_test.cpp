// SPDX-License-Identifier: GPL-3.0-or-later
// What dimmed tiles are drawn from: the picture itself, with its darkening left to the drawing.
#include "app/widgets/dimmed_picture.h"

#include "game/darkness.h"

#include <gtest/gtest.h>

namespace {

QImage gradient(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 9 & 255, y * 13 & 255, (x + y) * 5 & 255));
    return image;
}

} // namespace

TEST(DimmedPicture, ADarkenedPictureIsDarkenedWhereItIsDrawnNotCopiedAhead)
{
    const QImage source = gradient({37, 21});
    QImage darkened = source;
    game::darkenBitmap(darkened, 100);

    DimmedPicture dimmed;
    dimmed.showDarkened(source, 100);
    // The board reads the picture's own pixels, to darken the few tiles it dims.
    const game::DimTiles tiles = dimmed.tiles();
    EXPECT_EQ(tiles.picture.constBits(), source.constBits());
    EXPECT_EQ(tiles.darkenBy, 100);
    EXPECT_EQ(dimmed.size(), source.size());
    // Shown whole, straight into a screen's memory or as a picture of its own, it is darkened.
    QImage screen(source.size(), QImage::Format_RGB32);
    screen.fill(Qt::green);
    dimmed.drawInto(screen);
    EXPECT_EQ(screen, darkened);
    EXPECT_EQ(dimmed.picture(), darkened);
    EXPECT_EQ(source, gradient({37, 21})) << "the picture itself is left as it was";

    // As it is (a video's frame, or dimming off): the picture itself, nothing darkened.
    dimmed.showAsIs(source);
    EXPECT_FALSE(dimmed.tiles().darkenBy);
    EXPECT_EQ(dimmed.picture().constBits(), source.constBits());
    dimmed.drawInto(screen);
    EXPECT_EQ(screen, source);
}
