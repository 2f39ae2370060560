#include "overtime/day_figures.h"
#include "overtime/guideline.h"

#include <gtest/gtest.h>

namespace {

constexpr int H = 3600;
constexpr int M = 60;

int At(int hour, int minute) {
    return hour * 60 + minute;
}

TEST(DayFigures, regularDayDayOffAndTheBreakOnlyPastSixHours) {
    struct Case {
        int in, out, breakMinutes;
        bool dayOff;
        qint64 atSchool, overtime;
        int band;
    };
    const Case cases[] = {
        {At(8, 0), At(16, 30), 45, false, 7 * H + 45 * M, 0, 1},       // exactly 7:45 worked
        {At(8, 0), At(16, 31), 45, false, 7 * H + 46 * M, 1 * M, 2},   // one minute over
        {At(8, 0), At(17, 30), 45, false, 8 * H + 45 * M, 1 * H, 2},   // 8:45 is still band 2
        {At(8, 0), At(17, 31), 45, false, 8 * H + 46 * M, 61 * M, 3},  // 8:46 opens band 3
        {At(8, 0), At(17, 0), 0, false, 9 * H, 75 * M, 3},             // no break deducted
        {At(8, 0), At(17, 0), 60, false, 8 * H, 15 * M, 2},            // a longer break
        {At(7, 0), At(23, 46), 0, false, 16 * H + 46 * M, 9 * H + 1 * M, 10},
        // A 5-hour and a 6-hour stay owe no break; a 7-hour one does.
        {At(8, 0), At(13, 0), 45, false, 5 * H, 0, 1},
        {At(8, 0), At(14, 0), 45, false, 6 * H, 0, 1},
        {At(8, 0), At(15, 0), 45, false, 6 * H + 15 * M, 0, 1},
        // On a day off all of it is overtime, and its band is the one past the regular day.
        {At(8, 0), At(13, 0), 45, true, 5 * H, 5 * H, 6},
        {At(8, 0), At(15, 0), 45, true, 6 * H + 15 * M, 6 * H + 15 * M, 8},
        {At(7, 38), At(15, 33), 45, true, 7 * H + 10 * M, 7 * H + 10 * M, 9},  // club coaching
        {At(9, 0), At(9, 0), 45, true, 0, 0, 1},
    };
    for (const Case& c : cases) {
        const DayFigures day = FiguresForDay(c.in, c.out, c.breakMinutes, c.dayOff);
        EXPECT_EQ(day.atSchoolSeconds, c.atSchool) << c.in << "-" << c.out;
        EXPECT_EQ(day.overtimeSeconds, c.overtime) << c.in << "-" << c.out;
        EXPECT_EQ(day.band, c.band) << c.in << "-" << c.out;
    }
}

TEST(MonthTotals, aLetterCountsOncePerDayAndUnknownLettersNotAtAll) {
    MonthTotals totals;
    AddDay(totals, FiguresForDay(At(8, 0), At(18, 0), 45, false), u"AAB");
    AddDay(totals, FiguresForDay(At(8, 0), At(16, 0), 45, false), u"K");
    AddDay(totals, FiguresForDay(At(8, 0), At(11, 0), 45, true), u"F");
    EXPECT_EQ(totals.days, 3);
    EXPECT_EQ(totals.atSchoolSeconds, 9 * H + 15 * M + 7 * H + 15 * M + 3 * H);
    EXPECT_EQ(totals.overtimeSeconds, 90 * M + 3 * H);
    EXPECT_EQ(totals.daysOverRegular, 2);
    EXPECT_EQ(totals.daysOffWorked, 1);
    EXPECT_EQ(totals.daysOffOvertimeSeconds, 3 * H);
    EXPECT_EQ(totals.reasonDays[0], 1);
    EXPECT_EQ(totals.reasonDays[1], 1);
    EXPECT_EQ(totals.reasonDays[10], 1);
    EXPECT_EQ(totals.bandDays[0], 1);  // 7:15
    EXPECT_EQ(totals.bandDays[2], 1);  // 9:15 lies in band 3, 8:45:01 to 9:45
    EXPECT_EQ(totals.bandDays[3], 1);  // 3 h on a day off: band 4, as 10:45 on a working day
}

TEST(MonthProjection, followsThePaceOfTheDaysDoneInWholeMinutes) {
    // July 2017 has 31 days; on the 10th, once its OUT is in, 10 h so far runs to 31 h.
    EXPECT_EQ(ElapsedDays(2017, 7, QDate(2017, 7, 10), true), 10);
    EXPECT_EQ(ProjectMonthEnd(10 * H, 10, 31), 31 * H);
    // While the 10th is open it has added nothing: the pace is that of the nine days before.
    EXPECT_EQ(ElapsedDays(2017, 7, QDate(2017, 7, 10), false), 9);
    EXPECT_EQ(ElapsedDays(2017, 7, QDate(2017, 7, 1), false), 0);
    // 4:30 in 7 days of 31 is 19:55:43, shown and compared as 19:56 (and so 10:04 below 30 h).
    EXPECT_EQ(ProjectMonthEnd(270 * M, 7, 31), (19 * H + 56 * M));
    EXPECT_EQ(ProjectMonthEnd(2 * H, 9, 31), 6 * H + 53 * M);  // 6:53:20 rounds down
    // A month that is over keeps what it has; one not begun has no pace yet.
    EXPECT_EQ(ElapsedDays(2017, 6, QDate(2017, 7, 10), false), 30);
    EXPECT_EQ(ProjectMonthEnd(40 * H, 30, 30), 40 * H);
    EXPECT_EQ(ElapsedDays(2017, 8, QDate(2017, 7, 10), true), 0);
    EXPECT_FALSE(ProjectMonthEnd(0, 0, 31).has_value());
    EXPECT_EQ(ElapsedDays(2016, 2, QDate(2017, 1, 1), false), 29);
}

TEST(StaffGroups, limitsBelongToTheLowerGroupExceptOneHundred) {
    const std::pair<qint64, StaffGroup> cases[] = {
        {0, StaffGroup::WithinLimit},
        {45 * H, StaffGroup::WithinLimit},
        {45 * H + M, StaffGroup::OverLimit},
        {80 * H, StaffGroup::OverLimit},
        {80 * H + M, StaffGroup::OverAverageLimit},
        {100 * H - M, StaffGroup::OverAverageLimit},
        {100 * H, StaffGroup::AtCeiling},
    };
    for (const auto& [overtime, group] : cases) {
        EXPECT_EQ(GroupFor(overtime), group) << overtime;
    }
}

}  // namespace
