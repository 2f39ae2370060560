#include "report_fixture.h"
#include "report_model.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr qint64 H = 3600;

ReportOptions TaroJuly(const QString& folder) {
    ReportOptions options;
    options.user = QStringLiteral("Taro");
    options.year = 2017;
    options.month = 7;
    options.folder = folder;
    return options;
}

TEST(MonthReport, projectsTheMonthAtThePaceOfTheDaysGone) {
    QTemporaryDir dir;
    WriteSheet(dir.path(), QStringLiteral("Taro"), 2017, 7, RowsWithOvertime(10 * 60));  // 1st-2nd
    MonthReport report;
    ASSERT_TRUE(BuildMonthReport(TaroJuly(dir.path()), QDate(2017, 7, 10), report).isEmpty());
    EXPECT_EQ(report.elapsedDays, 10);
    EXPECT_EQ(report.projection, 31 * H);  // 10 h in 10 days of 31

    // Once the month is over, the projection is its total.
    ASSERT_TRUE(BuildMonthReport(TaroJuly(dir.path()), QDate(2017, 8, 1), report).isEmpty());
    EXPECT_EQ(report.projection, 10 * H);
}

TEST(MonthReport, daysRecordedAfterTodayCountAsGone) {
    QTemporaryDir dir;
    WriteSheet(dir.path(), QStringLiteral("Taro"), 2017, 7,
               {{20, QStringLiteral(" 20,07,00,20,30,")}});  // 12:45 at school, 5 h over
    MonthReport report;
    ASSERT_TRUE(BuildMonthReport(TaroJuly(dir.path()), QDate(2017, 7, 5), report).isEmpty());
    EXPECT_EQ(report.elapsedDays, 20);
    EXPECT_EQ(report.projection, 5 * H * 31 / 20);
}

TEST(StaffReport, theYearGroupGoesByTheHighestMonth) {
    QTemporaryDir dir;
    WriteSheet(dir.path(), QStringLiteral("Steady"), 2017, 4, RowsWithOvertime(44 * 60));
    WriteSheet(dir.path(), QStringLiteral("Steady"), 2017, 5, RowsWithOvertime(44 * 60));
    WriteSheet(dir.path(), QStringLiteral("Peak"), 2018, 3, RowsWithOvertime(81 * 60));
    ReportOptions options;
    options.schoolYear = 2017;
    options.folder = dir.path();
    StaffReport report;
    ASSERT_TRUE(BuildStaffReport(options, QDate(2018, 4, 1), report).isEmpty());
    ASSERT_EQ(report.rows.size(), 2);
    EXPECT_EQ(report.rows[0].person, QStringLiteral("Steady"));  // 88 h in the year
    EXPECT_EQ(report.rows[0].group, StaffGroup::UpTo45);
    EXPECT_EQ(report.rows[1].group, StaffGroup::Over80);
    EXPECT_EQ(report.rows[1].monthsPresent, 1);
    ASSERT_TRUE(report.rows[1].verdict.has_value());
    EXPECT_EQ(report.rows[1].verdict->monthsOver45, 1);
    EXPECT_EQ(report.groupCounts, (std::array<int, kStaffGroupCount>{1, 0, 1, 0}));
}

}  // namespace
