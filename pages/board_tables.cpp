#include "pages/board_tables.h"

#include "pages/report_labels.h"
#include "pages/table_parts.h"

#include <algorithm>

using namespace table;

namespace {

const QString kSchool = QStringLiteral("学校");
const QString kFolder = QStringLiteral("フォルダ");
const QString kStaff = QStringLiteral("人数");
const QString kTotal = QStringLiteral("合計");

QString Period(const BoardReport& r) {
    return r.schoolYear
               ? QStringLiteral("%1年度 (%1年4月～%2年3月)").arg(*r.schoolYear).arg(*r.schoolYear + 1)
               : FormatMonth(r.year, r.month);
}

// The school's name as the first column of a table.
ReportTable WithSchool(ReportTable table, const QString& school) {
    table.aligns.prepend(Align::Left);
    if (!table.header.isEmpty()) {
        table.header.prepend(kSchool);
    }
    for (CellRow& row : table.rows) {
        row.prepend(school);
    }
    return table;
}

// Tables of the same columns, one below the other.
void Append(ReportTable& all, ReportTable part) {
    if (all.header.isEmpty()) {
        all.aligns = part.aligns;
        all.header = part.header;
    }
    all.rows.append(std::move(part.rows));
}

}  // namespace

SchoolSummary SummaryOf(const StaffReport& staff) {
    SchoolSummary s;
    s.staff = int(staff.rows.size());
    s.groups = staff.groupCounts;
    for (const StaffRow& row : staff.rows) {
        if (row.monthsPresent > 0) {
            s.highestMonthSeconds =
                std::max(s.highestMonthSeconds.value_or(row.groupBasisSeconds),
                         row.groupBasisSeconds);
        }
        s.overYearLimit += row.schoolYearSeconds > kYearLimitSeconds ? 1 : 0;
        s.overSpecialYearLimit += row.schoolYearSeconds > kYearSpecialLimitSeconds ? 1 : 0;
    }
    s.looks = int(staff.looks.size());
    return s;
}

SchoolSummary BoardTotal(const BoardReport& report) {
    SchoolSummary total;
    for (const SchoolReport& school : report.schools) {
        const SchoolSummary s = SummaryOf(school.staff);
        total.staff += s.staff;
        for (int g = 0; g < kStaffGroupCount; ++g) {
            total.groups[g] += s.groups[g];
        }
        if (s.highestMonthSeconds) {
            total.highestMonthSeconds =
                std::max(total.highestMonthSeconds.value_or(0), *s.highestMonthSeconds);
        }
        total.overYearLimit += s.overYearLimit;
        total.overSpecialYearLimit += s.overSpecialYearLimit;
        total.looks += s.looks;
    }
    return total;
}

QString BoardHeading(const BoardReport& r) {
    return QStringLiteral("%1 学校ごとの残業 (%2 校、%3 人)")
        .arg(Period(r))
        .arg(r.schools.size())
        .arg(BoardTotal(r).staff);
}

QString SchoolTitle(const SchoolReport& school) {
    return QStringLiteral("%1 (フォルダ「%2」)")
        .arg(school.name, school.folder.isEmpty() ? QStringLiteral(".") : school.folder);
}

QString SummaryHeading(const BoardReport& r) {
    return QStringLiteral("学校ごとのまとめ (%1、%2 校)").arg(Period(r)).arg(r.schools.size());
}

QString YearLinesNote(const BoardReport& r) {
    const QString months =
        r.schoolYear ? QStringLiteral("年度の残業")
        : r.month == 4
            ? QStringLiteral("%1年4月の残業").arg(r.year)
            : QStringLiteral("%1年4月から%2までの残業")
                  .arg(r.month >= 4 ? r.year : r.year - 1)
                  .arg(FormatMonth(r.year, r.month));
    return QStringLiteral("%1・%2超: %3の合計が %1、%2を超えた人。区分: %4")
        .arg(HoursText(kYearLimitSeconds), HoursText(kYearSpecialLimitSeconds), months,
             r.schoolYear ? QStringLiteral("各人の最も多い月で") : QStringLiteral("その月の残業で"));
}

ReportTable SchoolSummaryTable(const BoardReport& r, Audience audience) {
    const bool sheet = ForSpreadsheet(audience);
    ReportTable table;
    table.aligns = {Align::Left};
    table.header = {kSchool};
    if (sheet) {
        table.aligns << Align::Left;
        table.header << kFolder;
    }
    table.header << kStaff;
    for (int g = 0; g < kStaffGroupCount; ++g) {
        table.header << GroupName(StaffGroup(g));
    }
    table.header << (sheet ? kHighestMonth : kHighestMonthShort)
                 << HoursText(kYearLimitSeconds) + QStringLiteral("超")
                 << HoursText(kYearSpecialLimitSeconds) + QStringLiteral("超") << kLooks;
    while (table.aligns.size() < table.header.size()) {
        table.aligns << Align::Right;
    }
    const auto cells = [sheet](const Cell& name, const QString& folder, const SchoolSummary& s) {
        CellRow row{name};
        if (sheet) {
            row << folder;
        }
        row << Cell::number(s.staff);
        for (int count : s.groups) {
            row << Cell::number(count);
        }
        row << (s.highestMonthSeconds ? Cell::duration(*s.highestMonthSeconds) : Cell())
            << Cell::number(s.overYearLimit) << Cell::number(s.overSpecialYearLimit)
            << Cell::number(s.looks);
        return row;
    };
    for (const SchoolReport& school : r.schools) {
        table.rows.append(cells(school.name,
                                school.folder.isEmpty() ? QStringLiteral(".") : school.folder,
                                SummaryOf(school.staff)));
    }
    table.rows.append(cells(kTotal, QString(), BoardTotal(r)));
    return table;
}

ReportTable SchoolStaffTable(const SchoolReport& school, Audience audience) {
    return WithSchool(StaffTable(school.staff, audience), school.name);
}

ReportTable BoardStaffTable(const BoardReport& r, Audience audience) {
    ReportTable all;
    for (const SchoolReport& school : r.schools) {
        Append(all, SchoolStaffTable(school, audience));
    }
    return all;
}

ReportTable BoardMonthTable(const BoardReport& r, int month) {
    ReportTable all;
    for (const SchoolReport& school : r.schools) {
        Append(all, WithSchool(StaffMonthTable(school.staff, month), school.name));
    }
    return all;
}

ReportTable BoardLookTable(const BoardReport& r, Audience audience) {
    ReportTable all;
    for (const SchoolReport& school : r.schools) {
        Append(all, WithSchool(LookTable(school.staff.looks, audience), school.name));
    }
    return all;
}

int BoardLookCount(const BoardReport& r) {
    return BoardTotal(r).looks;
}
