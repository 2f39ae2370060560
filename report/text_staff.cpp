#include "report_labels.h"
#include "text_parts.h"
#include "text_report.h"
#include "text_table.h"

namespace {

// The year's limits a person broke, briefly.
QString BrokenLimits(const YearVerdict& v) {
    QStringList broken;
    if (v.overSpecialYearLimit()) {
        broken << QStringLiteral("年720h");
    } else if (v.overYearLimit()) {
        broken << QStringLiteral("年360h");
    }
    if (v.tooManyMonthsOver45()) {
        broken << QStringLiteral("45h超%1か月").arg(v.monthsOver45);
    }
    if (v.spansOver80 > 0) {
        broken << QStringLiteral("平均80h");
    }
    if (v.monthsAt100 > 0) {
        broken << QStringLiteral("月100h");
    }
    return broken.join(QLatin1Char(' '));
}

QString Heading(const StaffReport& r) {
    const QString period =
        r.schoolYear
            ? QStringLiteral("%1年度 (%1年4月～%2年3月)").arg(*r.schoolYear).arg(*r.schoolYear + 1)
            : FormatMonth(r.year, r.month);
    return QStringLiteral("%1 全員の残業 (%2 人、残業の多い順)\n").arg(period).arg(r.rows.size());
}

}  // namespace

QString StaffText(const StaffReport& r) {
    const bool year = r.schoolYear.has_value();
    QString out = Heading(r) + BreakNote(r.breakMinutes) + QLatin1Char('\n');

    QList<Align> aligns{Align::Right, Align::Left, Align::Right, Align::Left};
    QStringList header{QStringLiteral("順位"), QStringLiteral("氏名"),
                       year ? QStringLiteral("年間残業") : QStringLiteral("残業"),
                       year ? QStringLiteral("区分 (最多の月)") : QStringLiteral("区分")};
    if (year) {
        aligns << Align::Right << Align::Right << Align::Left;
        header << QStringLiteral("最多の月") << QStringLiteral("シート")
               << QStringLiteral("上限超過");
    }
    aligns << Align::Right << Align::Right;
    header << QStringLiteral("勤務日数") << QStringLiteral("7:45超の日");
    for (int i = 0; i < kReasonLetterCount; ++i) {
        aligns << Align::Right;
        header << QString(ReasonLetter(i));
    }
    aligns << Align::Right;
    header << QStringLiteral("要確認");

    TextTable table(aligns);
    table.setHeader(header);
    int rank = 0;
    for (const StaffRow& row : r.rows) {
        const bool figures = row.monthsPresent > 0;
        QStringList cells{QString::number(++rank), row.person, FormatDuration(row.overtimeSeconds),
                          figures ? GroupName(row.group) : QStringLiteral("読めず")};
        if (year) {
            cells << FormatDuration(row.groupBasisSeconds)
                  << QStringLiteral("%1か月").arg(row.monthsPresent)
                  << (row.verdict ? BrokenLimits(*row.verdict) : QString());
        }
        cells << QString::number(row.totals.days) << QString::number(row.totals.daysOverRegular);
        for (int i = 0; i < kReasonLetterCount; ++i) {
            cells << QString::number(row.totals.reasonDays[i]);
        }
        cells << (row.lookCount > 0 ? QString::number(row.lookCount) : QString());
        table.addRow(cells);
    }
    out += table.render();

    TextTable groups({Align::Left, Align::Right});
    for (int g = 0; g < kStaffGroupCount; ++g) {
        groups.addRow({GroupName(StaffGroup(g)), QStringLiteral("%1 人").arg(r.groupCounts[g])});
    }
    out += year ? QStringLiteral("\n区分ごとの人数 (各人の最も多い月で)\n")
                : QStringLiteral("\n区分ごとの人数\n");
    out += groups.render(2);
    return out + LookList(r.looks);
}
