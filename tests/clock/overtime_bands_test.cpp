#include "clock/overtime_bands.h"

#include <gtest/gtest.h>

namespace {

constexpr quint32 kBlack = 0;
constexpr quint32 kYellow = 65535;

TEST(OvertimeBands, limitsPaintTheBandEitherSide) {
    struct Case {
        float worked;
        int band;
        quint32 back;
        quint32 fore;
    };
    const Case cases[] = {
        {-27900, 1, 16776960, kBlack}, {0, 1, 16776960, kBlack},      {27900, 1, 16776960, kBlack},
        {27901, 2, 16763904, kBlack},  {31500, 2, 16763904, kBlack},  {31501, 3, 65280, kBlack},
        {35101, 4, 65535, kBlack},     {38701, 5, 52479, kBlack},     {42301, 6, 6697881, kBlack},
        {49500, 7, 8421631, kBlack},   {49501, 8, 16711935, kYellow}, {53101, 9, 255, kYellow},
        {56700, 9, 255, kYellow},      {56701, 10, 0, kYellow},       {86399, 10, 0, kYellow},
    };
    for (const Case& c : cases) {
        const auto band = BandFor(c.worked);
        ASSERT_TRUE(band.has_value()) << c.worked;
        EXPECT_EQ(band->number, c.band) << c.worked;
        EXPECT_EQ(band->backColour, c.back) << c.worked;
        EXPECT_EQ(band->foreColour, c.fore) << c.worked;
    }
}

TEST(OvertimeBands, belowTheFirstBandAndInsideGapsNothingPaints) {
    EXPECT_FALSE(BandFor(-27901).has_value());
    EXPECT_FALSE(BandFor(-77400).has_value());
    EXPECT_FALSE(BandFor(-27960).has_value());  // 08:00 in, 00:14 now, across midnight
    EXPECT_TRUE(BandFor(-27000).has_value());   // 00:30 now
    EXPECT_FALSE(BandFor(27900.5f).has_value());
    EXPECT_FALSE(BandFor(53100.5f).has_value());
}

TEST(OvertimeBands, everyWholeSecondFromTheFirstLimitUpIsPaintedAndBandsOnlyRise) {
    int previous = 1;
    for (int t = -27900; t <= 90000; ++t) {
        const auto band = BandFor(float(t));
        ASSERT_TRUE(band.has_value()) << t;
        ASSERT_TRUE(band->number == previous || band->number == previous + 1) << t;
        previous = band->number;
    }
    EXPECT_EQ(previous, 10);
}

}  // namespace
