// SPDX-License-Identifier: GPL-3.0-or-later
// Board memory: whole 2 MB stretches aligned for large pages, every pixel writable.
#include "game/board_memory.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(ImageInLargePages, IsAWritableRgb32ImageOfTheSizeAsked)
{
    constexpr std::uintptr_t largePage = std::uintptr_t(2) << 20;
    const QSize sizes[] = {{0, 0}, {1, 1}, {301, 177}, {1024, 512}, {1000, 563}, {1920, 1080}};
    for (const QSize size : sizes) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        QImage image = game::imageInLargePages(size);
        EXPECT_EQ(image.size(), size);
        if (size.isEmpty())
            continue;
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        EXPECT_EQ(image.bytesPerLine(), size.width() * 4);
        if (image.sizeInBytes() >= qsizetype(largePage)) {
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(image.constBits()) % largePage, 0u);
        }
        image.fill(0xff123456);
        EXPECT_EQ(image.pixel(size.width() - 1, size.height() - 1), 0xff123456);
    }
}
