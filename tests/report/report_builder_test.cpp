#include "report/report_builder.h"
#include "report/text_report.h"
#include "tests/report/report_fixture.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr qint64 H = 3600;
constexpr qint64 M = 60;

ReportOptions TaroJuly(const QString& folder) {
    ReportOptions options;
    options.user = QStringLiteral("Taro");
    options.year = 2017;
    options.month = 7;
    options.folder = folder;
    return options;
}

TEST(MonthReport, projectsTheMonthAtThePaceOfTheDaysDone) {
    QTemporaryDir dir;
    WriteOvertimeSheet(dir.path(), QStringLiteral("Taro"), 2017, 7, 10 * 60);  // 1st-2nd
    MonthReport report;
    // On the 10th, with nothing recorded for it yet, nine days are done: 10 h x 31 / 9.
    ASSERT_TRUE(BuildMonthReport(TaroJuly(dir.path()), QDate(2017, 7, 10), report).isEmpty());
    EXPECT_EQ(report.elapsedDays, 9);
    EXPECT_EQ(report.projection, 34 * H + 27 * M);

    // Once the month is over, the projection is its total.
    ASSERT_TRUE(BuildMonthReport(TaroJuly(dir.path()), QDate(2017, 8, 1), report).isEmpty());
    EXPECT_EQ(report.projection, 10 * H);
}

TEST(MonthReport, anOpenTodayIsNotADayDoneAndFiguresAddUp) {
    QTemporaryDir dir;
    WriteSheet(dir.path(), QStringLiteral("Taro"), 2017, 7,
               {{3, QStringLiteral(" 3,07,00,20,00,")},  // a Monday, 4:30 over
                {7, QStringLiteral(" 7,08,00,,,")}});
    MonthReport report;
    ASSERT_TRUE(BuildMonthReport(TaroJuly(dir.path()), QDate(2017, 7, 7), report).isEmpty());
    EXPECT_EQ(report.elapsedDays, 6);
    EXPECT_EQ(report.projection, 23 * H + 15 * M);
    EXPECT_TRUE(
        MonthText(report).contains(QStringLiteral("31日中 6日経過、今日は OUT の記録がまだない")));
    // A day later the 7th is over (its OUT forgotten) and counts as done: 4:30 x 31 / 7 is
    // 19:55:43, shown as 19:56, and what is left to 30 h adds up to it.
    ASSERT_TRUE(BuildMonthReport(TaroJuly(dir.path()), QDate(2017, 7, 8), report).isEmpty());
    const QString text = MonthText(report);
    EXPECT_TRUE(text.contains(QStringLiteral("月末の見込み: 19:56"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("31日中 7日経過")));
    EXPECT_TRUE(text.contains(QStringLiteral("残り 10:04")));
}

TEST(MonthReport, daysRecordedAfterTodayCountAsGone) {
    QTemporaryDir dir;
    WriteSheet(dir.path(), QStringLiteral("Taro"), 2017, 7,
               {{20, QStringLiteral(" 20,07,00,20,30,")}});  // 12:45 at school, 5 h over
    MonthReport report;
    ASSERT_TRUE(BuildMonthReport(TaroJuly(dir.path()), QDate(2017, 7, 5), report).isEmpty());
    EXPECT_EQ(report.elapsedDays, 20);
    EXPECT_EQ(report.projection, 7 * H + 45 * M);  // 5 h x 31 / 20
}

// February and March 2017 belong to school year 2016, yet the averages ending in April 2017
// reach back to them, for one person and for the staff alike.
TEST(YearReport, averagesReachBackToTheYearBefore) {
    QTemporaryDir dir;
    const QString taro = QStringLiteral("Taro");
    WriteOvertimeSheet(dir.path(), taro, 2017, 2, 90 * 60);
    WriteOvertimeSheet(dir.path(), taro, 2017, 3, 90 * 60);
    WriteOvertimeSheet(dir.path(), taro, 2017, 4, 75 * 60);
    WriteOvertimeSheet(dir.path(), QStringLiteral("Left in March"), 2017, 3, 60);
    ReportOptions options = TaroJuly(dir.path());
    options.schoolYear = 2017;
    YearReport year;
    ASSERT_TRUE(BuildYearReport(options, QDate(2018, 4, 1), year).isEmpty());
    EXPECT_EQ(year.verdict.spansOverAverageLimit, 2);  // 82:30 and 85:00
    EXPECT_EQ(year.total.overtimeSeconds, 75 * H);
    EXPECT_TRUE(YearText(year).contains(QStringLiteral("2017年3月 90:00")));

    options.user.reset();
    StaffReport staff;
    ASSERT_TRUE(BuildStaffReport(options, QDate(2018, 4, 1), staff).isEmpty());
    ASSERT_EQ(staff.rows.size(), 1);
    EXPECT_EQ(staff.rows[0].overtimeSeconds, 75 * H);
    EXPECT_EQ(staff.rows[0].monthsPresent, 1);
    EXPECT_EQ(staff.rows[0].verdict->spansOverAverageLimit, 2);
}

// A '%' in a name is text, not a place for the next figure; and a year with no two months in a
// row cannot be judged on its averages, rather than be "within" them.
TEST(YearReport, namesWithPercentSignsAndAYearWithoutSpans) {
    QTemporaryDir dir;
    const QString name = QStringLiteral("%1x");
    WriteOvertimeSheet(dir.path(), name, 2017, 7, 60);
    ReportOptions options = TaroJuly(dir.path());
    options.user = name;
    options.schoolYear = 2017;
    YearReport year;
    ASSERT_TRUE(BuildYearReport(options, QDate(2018, 4, 1), year).isEmpty());
    const QString text = YearText(year);
    EXPECT_TRUE(text.startsWith(QStringLiteral("%1x さんの 2017年度 (2017年4月～2018年3月)")))
        << text.left(40).toStdString();
    const QString averages =
        text.section(QStringLiteral("2～6か月平均 (80時間まで)"), 1).section(u'\n', 0, 0);
    EXPECT_TRUE(averages.contains(QStringLiteral("判定できません"))) << averages.toStdString();

    options.schoolYear.reset();
    options.month = 8;
    MonthReport month;
    EXPECT_EQ(BuildMonthReport(options, QDate(2017, 9, 1), month),
              QStringLiteral("「%1x」の2017年8月のシートはありません (あるのは 2017年7月 から "
                             "2017年7月 の 1 か月分)"));
}

TEST(StaffReport, theYearGroupGoesByTheHighestMonth) {
    QTemporaryDir dir;
    WriteOvertimeSheet(dir.path(), QStringLiteral("Steady"), 2017, 4, 44 * 60);
    WriteOvertimeSheet(dir.path(), QStringLiteral("Steady"), 2017, 5, 44 * 60);
    WriteOvertimeSheet(dir.path(), QStringLiteral("Peak"), 2018, 3, 81 * 60);
    ReportOptions options;
    options.schoolYear = 2017;
    options.folder = dir.path();
    StaffReport report;
    ASSERT_TRUE(BuildStaffReport(options, QDate(2018, 4, 1), report).isEmpty());
    ASSERT_EQ(report.rows.size(), 2);
    EXPECT_EQ(report.rows[0].person, QStringLiteral("Steady"));  // 88 h in the year
    EXPECT_EQ(report.rows[0].group, StaffGroup::WithinLimit);
    EXPECT_EQ(report.rows[1].group, StaffGroup::OverAverageLimit);
    EXPECT_EQ(report.rows[1].monthsPresent, 1);
    ASSERT_TRUE(report.rows[1].verdict.has_value());
    EXPECT_EQ(report.rows[1].verdict->monthsOverLimit, 1);
    EXPECT_EQ(report.groupCounts, (std::array<int, kStaffGroupCount>{1, 0, 1, 0}));
}

}  // namespace
