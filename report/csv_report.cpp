#include "report/csv_report.h"

#include "records/cp932.h"
#include "report/report_labels.h"

namespace {

QString Number(qint64 value) {
    return QString::number(value);
}

QStringList ReasonHeader() {
    QStringList header;
    for (int i = 0; i < kReasonCount; ++i) {
        header << ReasonCaption(i);
    }
    return header;
}

QStringList ReasonCounts(const MonthTotals& totals) {
    QStringList counts;
    for (int count : totals.reasonDays) {
        counts << Number(count);
    }
    return counts;
}

void AppendLooks(CsvRows& rows, const QList<LookItem>& looks) {
    if (looks.isEmpty()) {
        return;
    }
    rows << QStringList{};
    rows << QStringList{QStringLiteral("要確認"), QStringLiteral("シート"), QStringLiteral("行"),
                        QStringLiteral("内容"), QStringLiteral("行の中身")};
    for (const LookItem& look : looks) {
        rows << QStringList{QString(), look.file, look.line > 0 ? Number(look.line) : QString(),
                            LookReasonText(look.reason), look.detail};
    }
}

// A spreadsheet reads a cell that begins with one of these as a formula ("=1+2") or a number
// ("-5"); a leading apostrophe keeps it text. The report's own figures never begin with one, so
// only names, file names and row contents are ever marked.
bool ReadAsFormula(const QString& text) {
    static const QString leading = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && leading.contains(text.front());
}

QString Field(const QString& cell) {
    static const QString special = QStringLiteral(",\"\r\n");
    const QString text = ReadAsFormula(cell) ? QLatin1Char('\'') + cell : cell;
    for (QChar c : text) {
        if (special.contains(c)) {
            QString quoted = text;
            quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            return QLatin1Char('"') + quoted + QLatin1Char('"');
        }
    }
    return text;
}

}  // namespace

CsvRows MonthCsv(const MonthReport& r) {
    CsvRows rows;
    rows << QStringList{QStringLiteral("日付"),     QStringLiteral("曜日"),
                        QStringLiteral("始業"),     QStringLiteral("終業"),
                        QStringLiteral("在校時間"), QStringLiteral("残業"),
                        QStringLiteral("帯"),       QStringLiteral("残業内容"),
                        QStringLiteral("区分"),     QStringLiteral("休日・備考")};
    for (const DayEntry& d : r.sheet.days) {
        const CalendarDay& day = r.calendar.days[d.day];
        rows << QStringList{QStringLiteral("%1/%2/%3").arg(r.year).arg(r.month).arg(d.day),
                            WeekdayName(r.year, r.month, d.day),
                            FormatClock(d.inMinute),
                            FormatClock(d.outMinute),
                            FormatDuration(d.figures.atSchoolSeconds),
                            FormatDuration(d.figures.overtimeSeconds),
                            Number(d.figures.band),
                            d.reasons,
                            DayKindName(day),
                            DayMark(day)};
    }
    const MonthTotals& t = r.sheet.totals;
    rows << QStringList{};
    rows << QStringList{QStringLiteral("氏名"), r.person};
    rows << QStringList{QStringLiteral("月"), FormatMonth(r.year, r.month)};
    rows << QStringList{QStringLiteral("休憩 (分/日)"), Number(r.breakMinutes)};
    rows << QStringList{QStringLiteral("勤務日数"), Number(t.days)};
    rows << QStringList{QStringLiteral("在校時間"), FormatDuration(t.atSchoolSeconds)};
    rows << QStringList{QStringLiteral("残業"), FormatDuration(t.overtimeSeconds)};
    rows << QStringList{QStringLiteral("残業のあった日"), Number(t.daysOverRegular)};
    rows << QStringList{QStringLiteral("休日に出た日"), Number(t.daysOffWorked)};
    rows << QStringList{QStringLiteral("休日の残業"), FormatDuration(t.daysOffOvertimeSeconds)};
    rows << QStringList{QStringLiteral("学校カレンダー"), r.calendarFile};
    rows << QStringList{QStringLiteral("月末の見込み"),
                        r.projection ? FormatDuration(*r.projection) : QString()};
    for (int i = 0; i < kReasonCount; ++i) {
        rows << QStringList{ReasonCaption(i), Number(t.reasonDays[i])};
    }
    for (int i = 0; i < kBandCount; ++i) {
        rows << QStringList{QStringLiteral("帯%1の日数").arg(i + 1), Number(t.bandDays[i])};
    }
    AppendLooks(rows, r.sheet.looks);
    return rows;
}

CsvRows YearCsv(const YearReport& r) {
    CsvRows rows;
    QStringList header{QStringLiteral("月"),           QStringLiteral("残業"),
                       QStringLiteral("勤務日数"),     QStringLiteral("残業のあった日"),
                       QStringLiteral("休日に出た日"), QStringLiteral("休日の残業")};
    for (int span = kShortestSpan; span <= kLongestSpan; ++span) {
        header << QStringLiteral("%1か月平均").arg(span);
    }
    rows << header + ReasonHeader();
    for (int m = 0; m < kSchoolYearMonths; ++m) {
        QStringList row{FormatMonth(CalendarYearOf(r.schoolYear, m), CalendarMonthOf(m))};
        if (!r.months[m]) {
            rows << row + QStringList{QStringLiteral("シートなし")};
            continue;
        }
        const MonthTotals& t = *r.months[m];
        row << FormatDuration(t.overtimeSeconds) << Number(t.days) << Number(t.daysOverRegular)
            << Number(t.daysOffWorked) << FormatDuration(t.daysOffOvertimeSeconds);
        for (const auto& average : r.verdict.averages[m]) {
            row << (average ? FormatDuration(average->averageSeconds()) : QString());
        }
        rows << row + ReasonCounts(t);
    }
    const YearVerdict& v = r.verdict;
    rows << QStringList{
        QStringLiteral("年間合計"),    FormatDuration(r.total.overtimeSeconds),
        Number(r.total.days),          Number(r.total.daysOverRegular),
        Number(r.total.daysOffWorked), FormatDuration(r.total.daysOffOvertimeSeconds)};
    rows << QStringList{};
    rows << QStringList{QStringLiteral("氏名"), r.person};
    rows << QStringList{QStringLiteral("年度"), Number(r.schoolYear)};
    rows << QStringList{QStringLiteral("休憩 (分/日)"), Number(r.breakMinutes)};
    rows << QStringList{QStringLiteral("45時間を超えた月"), Number(v.monthsOver45)};
    rows << QStringList{QStringLiteral("100時間以上の月"), Number(v.monthsAt100)};
    rows << QStringList{
        QStringLiteral("80時間を超えた平均の区間"),
        v.highestAverage ? Number(v.spansOver80) : QStringLiteral("判定できません")};
    for (int m = 0; m < kLeadMonths; ++m) {
        if (r.lead[m]) {
            const int index = m - kLeadMonths;
            rows << QStringList{
                QStringLiteral("平均にだけ使う前年度の月"),
                FormatMonth(CalendarYearOf(r.schoolYear, index), CalendarMonthOf(index)),
                FormatDuration(*r.lead[m])};
        }
    }
    rows << QStringList{QStringLiteral("年間360時間"),
                        AgainstLine(v.totalSeconds, kYearLimitSeconds)};
    rows << QStringList{QStringLiteral("年間720時間"),
                        AgainstLine(v.totalSeconds, kYearSpecialLimitSeconds)};
    AppendLooks(rows, r.looks);
    return rows;
}

CsvRows StaffCsv(const StaffReport& r) {
    const bool year = r.schoolYear.has_value();
    CsvRows rows;
    QStringList header{QStringLiteral("順位"), QStringLiteral("氏名"), QStringLiteral("残業"),
                       QStringLiteral("区分")};
    if (year) {
        header << QStringLiteral("最多の月の残業") << QStringLiteral("シートの月数")
               << QStringLiteral("45時間を超えた月") << QStringLiteral("100時間以上の月")
               << QStringLiteral("2～6か月平均の最高");
    }
    header << QStringLiteral("勤務日数") << QStringLiteral("残業のあった日")
           << QStringLiteral("休日に出た日") << QStringLiteral("休日の残業");
    rows << header + ReasonHeader() + QStringList{QStringLiteral("要確認")};
    int rank = 0;
    for (const StaffRow& row : r.rows) {
        QStringList cells{Number(++rank), row.person, FormatDuration(row.overtimeSeconds),
                          row.monthsPresent > 0 ? GroupName(row.group) : QStringLiteral("読めず")};
        if (row.verdict) {
            const YearVerdict& v = *row.verdict;
            cells << FormatDuration(row.groupBasisSeconds) << Number(row.monthsPresent)
                  << Number(v.monthsOver45) << Number(v.monthsAt100)
                  << (v.highestAverage ? FormatDuration(v.highestAverage->averageSeconds())
                                       : QString());
        }
        cells << Number(row.totals.days) << Number(row.totals.daysOverRegular)
              << Number(row.totals.daysOffWorked)
              << FormatDuration(row.totals.daysOffOvertimeSeconds);
        rows << cells + ReasonCounts(row.totals) + QStringList{Number(row.lookCount)};
    }
    rows << QStringList{};
    rows << QStringList{QStringLiteral("区分"), QStringLiteral("人数")};
    for (int g = 0; g < kStaffGroupCount; ++g) {
        rows << QStringList{GroupName(StaffGroup(g)), Number(r.groupCounts[g])};
    }
    AppendLooks(rows, r.looks);
    return rows;
}

EncodedCsv EncodeCsv(const CsvRows& rows, bool utf8) {
    EncodedCsv csv;
    if (utf8) {
        csv.bytes = QByteArray("\xEF\xBB\xBF");
    }
    for (const QStringList& row : rows) {
        QStringList fields;
        fields.reserve(row.size());
        for (const QString& cell : row) {
            fields << Field(cell);
        }
        const QString line = fields.join(QLatin1Char(','));
        if (utf8) {
            csv.bytes += line.toUtf8();
        } else {
            const Cp932Result encoded = EncodeCp932(line);
            if (!encoded.ok) {
                csv.error = QStringLiteral(
                                "CSV を CP932 で書けません: %1"
                                " (--format csv-utf8 なら書けます)")
                                .arg(encoded.error);
                csv.bytes.clear();
                return csv;
            }
            csv.bytes += encoded.bytes;
        }
        csv.bytes += "\r\n";
    }
    csv.ok = true;
    return csv;
}
