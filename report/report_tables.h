#pragma once

#include "report_model.h"
#include "text_table.h"

#include <QList>
#include <QString>
#include <QStringList>

// The tables that the text report and the printed one both show, as cells: the same figures in
// the same words, laid out by each in its own way.

struct ReportTable {
    QList<Align> aligns;
    QStringList header;  // empty for a table of label and value
    QList<QStringList> rows;

    // For a terminal.
    QString render(int indent = 0) const;
};

// A month's overtime against the 30 h target and the 45, 80 and 100 h lines.
ReportTable LineTable(qint64 overtime);

// "Taro さんの 2017年度 (2017年4月～2018年3月) の残業".
QString YearHeading(const YearReport& report);
// The months of the school year, April first, and the year's total below them.
ReportTable YearMonthTable(const YearReport& report);
// The year's limits: what, the figure, the verdict.
ReportTable YearLimitTable(const YearVerdict& verdict);
// The months before April that the averages reach back to.
QString LeadLine(const YearReport& report);

// "2017年度 (2017年4月～2018年3月) 全員の残業 (5 人、残業の多い順)".
QString StaffHeading(const StaffReport& report);
// One row a person, most overtime first; the reason letters' days when asked for.
ReportTable StaffTable(const StaffReport& report, bool reasons);
// The year's limits a person broke, briefly: "年720h 45h超12か月 平均80h 月100h".
QString BrokenLimits(const YearVerdict& verdict);
// The months a school year's list of what needs a look covers: the averages read back to the
// November before April.
QString LooksCovered(int schoolYear);

// How many people in each group.
ReportTable GroupTable(const StaffReport& report);
