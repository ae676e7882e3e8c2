#include "skin/draw/colour.h"
#include "skin/draw/gradient.h"

#include <gtest/gtest.h>

namespace aw::skin {
namespace {

Colour FakeSystemColours(int index) { return Rgb(index, index + 1, index + 2); }

TEST(Blend, WeightIsAPercentageBelowOneHundredAndPerMilleFromThere)
{
    EXPECT_EQ(Blend(kBlack, kWhite, 50, nullptr), Rgb(128, 128, 128));
    EXPECT_EQ(Blend(kWhite, kBlack, 150, nullptr), Rgb(38, 38, 38));
    EXPECT_EQ(Blend(Rgb(200, 100, 0), Rgb(0, 100, 200), 0, nullptr), Rgb(0, 100, 200));
    EXPECT_EQ(Blend(Rgb(200, 100, 0), Rgb(0, 100, 200), 1000, nullptr), Rgb(200, 100, 0));
    // 99 is still a percentage, 100 already per mille: 99% and 10% of the first colour.
    EXPECT_EQ(Blend(Rgb(200, 0, 0), kBlack, 99, nullptr), Rgb(198, 0, 0));
    EXPECT_EQ(Blend(Rgb(200, 0, 0), kBlack, 100, nullptr), Rgb(20, 0, 0));
}

TEST(Blend, WeightsOutsideTheScaleAreClamped)
{
    EXPECT_EQ(Blend(kWhite, kBlack, -40, nullptr), kBlack);
    EXPECT_EQ(Blend(kWhite, kBlack, 5000, nullptr), kWhite);
}

TEST(Blend, SystemColoursAreResolvedFirst)
{
    // COLOR_BTNFACE is index 15.
    EXPECT_EQ(Blend(SystemColour(15), kBlack, 1000, FakeSystemColours), Rgb(15, 16, 17));
    EXPECT_EQ(ResolveColour(SystemColour(15), nullptr), kBlack);
    EXPECT_EQ(ResolveColour(0x02123456, nullptr), 0x123456u);
}

TEST(GradientColours, OneLineIsTheMidpointAndTwoLinesAreTheEnds)
{
    EXPECT_EQ(GradientColours(kBlack, kWhite, 1), std::vector<Colour>{Rgb(127, 127, 127)});
    EXPECT_EQ(GradientColours(Rgb(10, 200, 30), Rgb(250, 0, 31), 2),
              (std::vector<Colour>{Rgb(10, 200, 30), Rgb(250, 0, 31)}));
    EXPECT_TRUE(GradientColours(kBlack, kWhite, 0).empty());
}

TEST(GradientColours, RoundsToNearestAndEndsExactlyOnBothColoursInEitherDirection)
{
    const std::vector<Colour> up = GradientColours(Rgb(0, 0, 0), Rgb(100, 0, 0), 3);
    EXPECT_EQ(up, (std::vector<Colour>{Rgb(0, 0, 0), Rgb(50, 0, 0), Rgb(100, 0, 0)}));
    const std::vector<Colour> up4 = GradientColours(Rgb(0, 0, 0), Rgb(10, 0, 0), 4);
    EXPECT_EQ(up4, (std::vector<Colour>{Rgb(0, 0, 0), Rgb(3, 0, 0), Rgb(7, 0, 0), Rgb(10, 0, 0)}));
    const std::vector<Colour> down = GradientColours(Rgb(100, 255, 9), Rgb(0, 0, 0), 3);
    EXPECT_EQ(down.front(), Rgb(100, 255, 9));
    EXPECT_EQ(down[1], Rgb(50, 127, 4));  // -127.5 and -4.5 round away from zero
    EXPECT_EQ(down.back(), Rgb(0, 0, 0));
    const std::vector<Colour> long_ = GradientColours(Rgb(200, 20, 90), Rgb(30, 240, 90), 97);
    EXPECT_EQ(long_.back(), Rgb(30, 240, 90));
}

TEST(GradientCache, RepeatedRequestsHitAndTheSeventeenthEvictsTheOldest)
{
    GradientCache cache;
    const std::vector<Colour>& first = cache.Colours(kBlack, kWhite, 40);
    EXPECT_EQ(first.size(), 40u);
    cache.Colours(kBlack, kWhite, 40);
    EXPECT_EQ(cache.Computations(), 1);
    // A one-line gradient is cached too, although its only line is neither end.
    cache.Colours(kBlack, kWhite, 1);
    cache.Colours(kBlack, kWhite, 1);
    EXPECT_EQ(cache.Computations(), 2);
    // Length and both ends are part of the key.
    cache.Colours(kBlack, kWhite, 41);
    cache.Colours(kWhite, kBlack, 40);
    EXPECT_EQ(cache.Computations(), 4);

    for (int n = 100; n < 100 + GradientCache::kSlots - 4; ++n) cache.Colours(kBlack, kWhite, n);
    EXPECT_EQ(cache.Computations(), GradientCache::kSlots);
    cache.Colours(kBlack, kWhite, 40);  // still held: 16 slots, 16 distinct requests
    EXPECT_EQ(cache.Computations(), GradientCache::kSlots);
    cache.Colours(kBlack, kWhite, 999);  // the seventeenth replaces the oldest (40 lines)
    cache.Colours(kBlack, kWhite, 40);
    EXPECT_EQ(cache.Computations(), GradientCache::kSlots + 2);
    EXPECT_EQ(cache.Colours(kBlack, kWhite, 40).size(), 40u);
}

}  // namespace
}  // namespace aw::skin
