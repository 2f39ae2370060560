#include "clock/work_clock.h"

#include <gtest/gtest.h>

namespace {

QDateTime At(int hour, int minute, int second, QDate date = QDate(2017, 7, 5)) {
    return QDateTime(date, QTime(hour, minute, second));
}

constexpr int kTicked = 1;
constexpr int kUnticked = 0;
constexpr int kGreyed = 2;

TEST(WorkClock, secondsOfDay_coverMidnightToLastSecond) {
    WindowState state;
    ReadClock(state, At(0, 0, 0));
    EXPECT_EQ(state.ClockSeconds, 0.0f);
    ReadClock(state, At(23, 59, 59));
    EXPECT_EQ(state.ClockSeconds, 86399.0f);
    EXPECT_EQ(state.HourValue, 23);
    EXPECT_EQ(state.MinuteValue, 59);
    EXPECT_EQ(state.SecondValue, 59.0f);
}

TEST(WorkClock, captureDate_keepsLeadingZerosAndTakesOneReading) {
    WindowState state;
    CaptureDate(state, At(10, 59, 59, QDate(2009, 7, 5)));
    EXPECT_EQ(state.YearText, "09");
    EXPECT_EQ(state.MonthText, "07");
    EXPECT_EQ(state.DayText, "05");
    EXPECT_EQ(state.ClockSeconds, 10 * 3600 + 59 * 60 + 59);
}

TEST(WorkClock, updateElapsed_labelAndSecondsComeFromTheSameReading) {
    WindowState state;
    // A reading on the last second before the hour turns: the text and the seconds agree.
    const QString text = UpdateElapsed(state, At(10, 59, 59), kUnticked);
    EXPECT_EQ(text, "10:59:59");
    EXPECT_EQ(state.EndSeconds, 39599.0f);
    EXPECT_EQ(state.ClockSeconds, state.EndSeconds);
    EXPECT_EQ(UpdateElapsed(state, At(11, 0, 0), kUnticked), "11:00:00");
    EXPECT_EQ(state.EndSeconds, 39600.0f);
}

TEST(WorkClock, updateElapsed_breakDeductedOnlyWhileTicked) {
    struct Case {
        const char* what;
        float start;
        QDateTime now;
        int breakBox;
        float expected;
    };
    const Case cases[] = {
        {"open across midnight", 79200, At(0, 30, 0), kUnticked, -77400},
        {"break ticked at the in-time", 30000, At(8, 20, 0), kTicked, -2700},
        {"greyed box deducts nothing", 30000, At(8, 20, 0), kGreyed, 0},
        {"a full day with the break", 30600, At(17, 0, 0), kTicked, 27900},
        {"before any clock-in the time of day itself", 0, At(9, 0, 0), kUnticked, 32400},
    };
    for (const Case& c : cases) {
        WindowState state;
        state.StartSeconds = c.start;
        UpdateElapsed(state, c.now, c.breakBox);
        EXPECT_EQ(state.ElapsedSeconds, c.expected) << c.what;
    }
}

TEST(WorkClock, texts_areTwoDigitEach) {
    EXPECT_EQ(TimeText(QTime(9, 5, 7)), "09:05:07");
    EXPECT_EQ(TimeText(QTime(0, 0, 0)), "00:00:00");
    EXPECT_EQ(DateText(QDate(2017, 7, 5)), "07/05");
    EXPECT_EQ(DateText(QDate(2017, 12, 31)), "12/31");
}

// A window left open overnight: the new date's texts, and nothing of the day before.
TEST(WorkClock, startNewDate_takesTheDateAndDropsTheDayBefore) {
    WindowState state;
    state.ClockedIn = true;
    state.SheetInSeconds = 30600;
    state.InHour = "08";
    state.InMinute = "30";
    state.OutHour = "17";
    state.OutMinute = "45";
    state.ReasonCodes = "AB";
    state.StartSeconds = 30600;
    StartNewDate(state, At(7, 5, 0, QDate(2017, 8, 1)));
    EXPECT_EQ(state.YearText + state.MonthText + state.DayText, "170801");
    EXPECT_EQ(state.ClockSeconds, 7 * 3600 + 5 * 60);
    EXPECT_FALSE(state.ClockedIn);
    EXPECT_EQ(state.SheetInSeconds, 0);
    EXPECT_TRUE(
        (state.InHour + state.InMinute + state.OutHour + state.OutMinute + state.ReasonCodes)
            .isEmpty());
}

}  // namespace
