#include "overtime/year_rules.h"

#include <gtest/gtest.h>

namespace {

constexpr qint64 H = 3600;
constexpr qint64 M = 60;

SchoolYearOvertime Months(std::initializer_list<qint64> values) {
    SchoolYearOvertime months;
    int i = 0;
    for (qint64 v : values) {
        months[i++] = v;
    }
    return months;
}

SchoolYearOvertime Every(qint64 value) {
    SchoolYearOvertime months;
    months.fill(value);
    return months;
}

// Each year breaks one limit and keeps the others.
TEST(YearRules, eachLimitBrokenOnItsOwn) {
    struct Case {
        const char* name;
        SchoolYearOvertime months;
        bool year360, year720, sevenOver45, average80, month100;
    };
    const Case cases[] = {
        {"a 100 h month", Months({100 * H}), false, false, false, false, true},
        {"99:59 is below", Months({100 * H - M}), false, false, false, false, false},
        {"2-month average over 80", Months({0, 0, 0, 90 * H, 70 * H + 2 * M}), false, false, false,
         true, false},
        {"2-month average of exactly 80", Months({0, 0, 0, 90 * H, 70 * H}), false, false, false,
         false, false},
        {"a seventh month over 45",
         Months(
             {45 * H + M, 45 * H + M, 45 * H + M, 45 * H + M, 45 * H + M, 45 * H + M, 45 * H + M}),
         false, false, true, false, false},
        {"six months over 45 and one at 45",
         Months({45 * H + M, 45 * H + M, 45 * H + M, 45 * H + M, 45 * H + M, 45 * H + M, 45 * H}),
         false, false, false, false, false},
        {"361 h in the year", Every(30 * H + 5 * M), true, false, false, false, false},
        {"360 h in the year", Every(30 * H), false, false, false, false, false},
    };
    for (const Case& c : cases) {
        const YearVerdict v = JudgeYear(c.months);
        EXPECT_EQ(v.overYearLimit(), c.year360) << c.name;
        EXPECT_EQ(v.overSpecialYearLimit(), c.year720) << c.name;
        EXPECT_EQ(v.tooManyMonthsOverLimit(), c.sevenOver45) << c.name;
        EXPECT_EQ(v.spansOverAverageLimit > 0, c.average80) << c.name;
        EXPECT_EQ(v.monthsAtCeiling > 0, c.month100) << c.name;
    }
    EXPECT_TRUE(JudgeYear(Every(60 * H + 5 * M)).overSpecialYearLimit());  // 721 h
}

TEST(YearRules, averagesOfTwoToSixMonthsEndingEachMonth) {
    // April 60, May 90, June 30, July 100, August 20, September 40.
    const YearVerdict v = JudgeYear(Months({60 * H, 90 * H, 30 * H, 100 * H, 20 * H, 40 * H}));
    EXPECT_EQ(v.totalSeconds, 340 * H);
    EXPECT_EQ(v.monthsPresent, 6);
    EXPECT_EQ(v.monthsOverLimit, 3);
    EXPECT_EQ(v.monthsAtCeiling, 1);
    ASSERT_FALSE(v.averages[0][0].has_value());  // no sheet for March before it
    // May: (60 + 90) / 2 = 75.
    EXPECT_EQ(v.averages[1][0]->sumSeconds, 150 * H);
    EXPECT_FALSE(v.averages[1][0]->overLimit());
    // July: 2 months (30 + 100) / 2 = 65, 3 months 220 / 3, 4 months 280 / 4 = 70.
    EXPECT_EQ(v.averages[3][0]->sumSeconds, 130 * H);
    EXPECT_EQ(v.averages[3][2]->sumSeconds, 280 * H);
    EXPECT_FALSE(v.averages[3][3].has_value());  // five months would begin in March
    // September, all six: 340 / 6.
    EXPECT_EQ(v.averages[5][4]->months, 6);
    EXPECT_EQ(v.averages[5][4]->sumSeconds, 340 * H);
    // The highest of them all: April and May, 75 h (July's three months give 73:20).
    ASSERT_TRUE(v.highestAverage.has_value());
    EXPECT_EQ(v.highestAverage->sumSeconds, 150 * H);
    EXPECT_EQ(v.highestAverageEnd, 1);
    EXPECT_EQ(v.spansOverAverageLimit, 0);
}

TEST(YearRules, aMissingMonthBreaksTheSpansThatHoldIt) {
    SchoolYearOvertime months = Months({90 * H, 90 * H, 0, 90 * H, 90 * H});
    months[2].reset();  // June has no sheet
    const YearVerdict v = JudgeYear(months);
    EXPECT_EQ(v.monthsPresent, 4);
    EXPECT_TRUE(v.averages[1][0].has_value());   // April-May
    EXPECT_FALSE(v.averages[3][0].has_value());  // June-July
    EXPECT_TRUE(v.averages[4][0].has_value());   // July-August
    EXPECT_FALSE(v.averages[4][1].has_value());  // June-August
    EXPECT_EQ(v.spansOverAverageLimit, 2);
    // Months after the year's end are not looked at: March ends the last span.
    EXPECT_EQ(CalendarMonthOf(11), 3);
    EXPECT_EQ(CalendarYearOf(2017, 11), 2018);
    EXPECT_EQ(CalendarYearOf(2017, 8), 2017);  // December
}

TEST(YearRules, averagesReachBackBeforeApril) {
    LeadOvertime before;  // November to March
    before[3] = 90 * H;   // February
    before[4] = 90 * H;   // March
    const YearVerdict v = JudgeYear(Months({75 * H, 40 * H}), before);
    // Ending with April: March-April 82:30 and February-April 85:00, both over; January has no
    // sheet, so longer spans stay unjudged.
    EXPECT_EQ(v.averages[0][0]->averageSeconds(), 82 * H + 30 * M);
    EXPECT_EQ(v.averages[0][1]->averageSeconds(), 85 * H);
    EXPECT_FALSE(v.averages[0][2].has_value());
    EXPECT_EQ(v.averages[1][2]->sumSeconds, 295 * H);  // February to May
    EXPECT_FALSE(v.averages[1][3].has_value());
    EXPECT_EQ(v.spansOverAverageLimit, 2);
    EXPECT_EQ(v.highestAverageEnd, 0);
    EXPECT_EQ(v.highestAverage->months, 3);
    // The year's own limits leave the months before it out.
    EXPECT_EQ(v.totalSeconds, 115 * H);
    EXPECT_EQ(v.monthsOverLimit, 1);
    EXPECT_EQ(CalendarMonthOf(-5), 11);
    EXPECT_EQ(CalendarYearOf(2017, -5), 2016);
    EXPECT_EQ(CalendarMonthOf(-3), 1);
    EXPECT_EQ(CalendarYearOf(2017, -3), 2017);
}

// The average is judged as it is shown: 80:00:30 shows as 80:01 and is over, 80:00:20 shows as
// 80:00 and is not.
TEST(YearRules, averagesAreJudgedInTheWholeMinutesShown) {
    const SpanAverage twoMonths{2, 160 * H + 1 * M};
    EXPECT_EQ(twoMonths.averageSeconds(), 80 * H + 1 * M);
    EXPECT_TRUE(twoMonths.overLimit());
    const SpanAverage threeMonths{3, 240 * H + 1 * M};
    EXPECT_EQ(threeMonths.averageSeconds(), 80 * H);
    EXPECT_FALSE(threeMonths.overLimit());
}

}  // namespace
