// SPDX-License-Identifier: GPL-3.0-or-later
// Darkening values and the game clock's display.
#include "game/darkness.h"
#include "game/game_clock.h"

#include <gtest/gtest.h>

using namespace game;

namespace {

QImage filled(QRgb colour, QSize size = {7, 5})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

TEST(Darkness, ClampByteLimitsToAByte)
{
    EXPECT_EQ(clampByte(-5), 0);
    EXPECT_EQ(clampByte(0), 0);
    EXPECT_EQ(clampByte(200), 200);
    EXPECT_EQ(clampByte(256), 255);
}

TEST(Darkness, AmountHundredKeepsAboutSixtyOnePercent)
{
    const std::vector<std::pair<int, int>> values = {{255, 155}, {200, 122}, {128, 78}, {64, 39},
                                                     {3, 2},     {2, 2},     {1, 1},    {0, 0}};
    for (const auto &[before, after] : values) {
        QImage image = filled(qRgb(before, before, before));
        darkenBitmap(image, 100);
        EXPECT_EQ(image.pixel(6, 4), qRgb(after, after, after)) << before;
    }
    // Channels are independent.
    QImage mixed = filled(qRgb(255, 128, 3));
    darkenBitmap(mixed, 100);
    EXPECT_EQ(mixed.pixel(0, 0), qRgb(155, 78, 2));
}

TEST(Darkness, EveryAmountMatchesTheIntegerFormula)
{
    QImage ramp(256, 1, QImage::Format_RGB32);
    for (int v = 0; v < 256; ++v)
        ramp.setPixel(v, 0, qRgb(v, 255 - v, v / 2));
    for (int amount : {0, 1, 100, 254, 255, 256, 400, -100}) {
        QImage image = ramp;
        darkenBitmap(image, amount);
        for (int v = 0; v < 256; ++v) {
            const auto expect = [&](int c) { return clampByte(c - c * amount / 255); };
            ASSERT_EQ(image.pixel(v, 0), qRgb(expect(v), expect(255 - v), expect(v / 2)))
                << "amount " << amount << " value " << v;
        }
    }
}

TEST(Darkness, FormatsAreNormalised)
{
    QImage image = filled(qRgb(255, 255, 255), {3, 11}).convertToFormat(QImage::Format_RGB888);
    darkenBitmap(image, 100);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.pixel(2, 10), qRgb(155, 155, 155));
}

TEST(Darkness, EffectDarknessOnlyDarkensWhenDimmingIsOn)
{
    const QImage solution = filled(qRgb(200, 200, 200));
    QImage dimSource;
    Effect_Darkness(solution, 100, false, dimSource);
    EXPECT_EQ(dimSource, solution);

    // Dimming on: a darkened copy; the solution picture and anyone sharing the old dim
    // source keep their pixels.
    const QImage earlier = dimSource;
    Effect_Darkness(solution, 100, true, dimSource);
    EXPECT_EQ(dimSource.pixel(0, 0), qRgb(122, 122, 122));
    EXPECT_EQ(solution.pixel(0, 0), qRgb(200, 200, 200));
    EXPECT_EQ(earlier.pixel(0, 0), qRgb(200, 200, 200));

    // Rebuilding never darkens twice, and a dim source of the right size is written in place.
    const uchar *memory = dimSource.constBits();
    Effect_Darkness(solution, 100, true, dimSource);
    EXPECT_EQ(dimSource.pixel(6, 4), qRgb(122, 122, 122));
    EXPECT_EQ(dimSource.constBits(), memory);

    // A picture of another size and format gets a dim source of its own.
    const QImage wide = filled(qRgb(255, 0, 3), {9, 2}).convertToFormat(QImage::Format_RGB888);
    Effect_Darkness(wide, 100, true, dimSource);
    EXPECT_EQ(dimSource.size(), QSize(9, 2));
    EXPECT_EQ(dimSource.pixel(8, 1), qRgb(155, 0, 2));
}

TEST(GameClock, ShowsWholeSecondsAndWrapsAfterADay)
{
    qint64 now = 1'000'000;
    GameClock clock([&] { return now; });
    EXPECT_FALSE(clock.clockRunning());
    clock.StartTimer();
    EXPECT_TRUE(clock.clockRunning());
    EXPECT_EQ(clock.elapsedText(), "00 : 00 : 00");
    now += 65'300;
    EXPECT_EQ(clock.elapsedText(), "00 : 01 : 05");
    now += 3600'000LL * 25 - 65'300 + 999;
    EXPECT_EQ(clock.elapsedText(), "01 : 00 : 00");
    now = 0; // the clock went backwards
    EXPECT_EQ(clock.elapsedText(), "00 : 00 : 00");
    clock.StopTimer();
    EXPECT_FALSE(clock.clockRunning());
}

TEST(GameClock, APauseHoldsTheTimeAndAResumedGameRunsOnFromItsOwn)
{
    qint64 now = 5'000;
    GameClock clock([&] { return now; });
    clock.startAt(61'000);
    now += 2'000;
    EXPECT_EQ(clock.elapsedMilliseconds(), 63'000);
    clock.hold();
    EXPECT_FALSE(clock.clockRunning());
    now += 600'000; // minimised for ten minutes
    EXPECT_EQ(clock.elapsedMilliseconds(), 63'000);
    clock.resume();
    EXPECT_TRUE(clock.clockRunning());
    now += 1'000;
    EXPECT_EQ(clock.elapsedMilliseconds(), 64'000);
    // A stopped clock is not started by a pause ending.
    clock.StopTimer();
    clock.hold();
    clock.resume();
    EXPECT_FALSE(clock.clockRunning());
}
