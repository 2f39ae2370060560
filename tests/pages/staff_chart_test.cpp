#include "pages/png_report.h"

#include <gtest/gtest.h>

namespace {

// A board's whole staff stays one readable chart of the people with the most overtime.
TEST(StaffChart, aLargeStaffShowsTheHighestInAChartOfOrdinarySize) {
    StaffReport report;
    report.year = 2017;
    report.month = 7;
    for (int i = 0; i < 100000; ++i) {
        StaffRow row;
        row.person = QStringLiteral("教員%1").arg(i);
        row.overtimeSeconds = qint64(100000 - i) * 6;
        row.monthsPresent = 1;
        report.rows.append(row);
    }
    const QImage chart = StaffChart(report);
    EXPECT_LE(chart.width(), 1200);
    EXPECT_LE(chart.height(), 700);
    report.rows.resize(3);
    EXPECT_EQ(StaffChart(report).size(), QSize(1000, 630));
}

}  // namespace
