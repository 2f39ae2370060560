#include "records/recorded_day.h"

#include <gtest/gtest.h>

namespace {

TEST(RecordedDay, rowsWithAnInTimeAreTakenUpAndOthersAreNot) {
    // `unreadable`: the in-time fields hold something that is no time, which is neither taken
    // up nor saved over (unlike an untouched row, or one too short to cut).
    struct Case {
        QString row;
        bool recorded;
        float inSeconds;
        bool closed;
        QString reasons;
        bool unreadable = false;
    };
    const Case cases[] = {
        {" 5,08,05,17,45,AB", true, 29100, true, "AB"},
        {" 5,08,05,,,", true, 29100, false, ""},
        {" 5,8,5,,,", true, 29100, false, ""},
        {" 5,08,05,,45,", true, 29100, true, ""},
        {" 5,08,05,,,A,B", true, 29100, false, "A,B"},
        {" 5,08,05", false, 0, false, ""},
        {" 5,00,00,17,00,A", false, 0, false, ""},
        {" 5,,,,,", false, 0, false, ""},
        {" 5,08", false, 0, false, ""},
        {"", false, 0, false, ""},
        {" 5,8:30,,,,", false, 0, false, "", true},
        {" 5,08,,,,", false, 0, false, "", true},
        {" 5, 8,0 5,,,", false, 0, false, "", true},
        {" 5,x8,05,,,", false, 0, false, "", true},
        {" 5,24,00,,,", false, 0, false, "", true},
    };
    for (const Case& c : cases) {
        const auto day = RecordedDayOf(c.row);
        ASSERT_EQ(day.has_value(), c.recorded) << c.row.toStdString();
        EXPECT_EQ(InTimeUnreadable(c.row), c.unreadable) << c.row.toStdString();
        if (day) {
            EXPECT_EQ(day->inSeconds, c.inSeconds) << c.row.toStdString();
            EXPECT_EQ(day->isClosed(), c.closed) << c.row.toStdString();
            EXPECT_EQ(day->reasons, c.reasons) << c.row.toStdString();
        }
    }
}

TEST(RecordedDay, numericReadingTakesTheLeadingDigitsOnly) {
    EXPECT_EQ(NumericReading("08"), 8);
    EXPECT_EQ(NumericReading(" 8"), 8);
    EXPECT_EQ(NumericReading("1 2"), 12);
    EXPECT_EQ(NumericReading("8:30"), 8);
    EXPECT_EQ(NumericReading(""), 0);
    EXPECT_EQ(NumericReading("-3"), 0);
    EXPECT_EQ(NumericReading(QString(40, QLatin1Char('9'))), 999999999);
}

}  // namespace
