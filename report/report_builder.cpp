#include "report_model.h"

#include "report_labels.h"

#include <algorithm>

namespace {

QString FormatMonthKey(MonthKey key) {
    return FormatMonth(YearOfKey(key), MonthOfKey(key));
}

MonthKey FirstMonthOf(int schoolYear) {
    return KeyOf(schoolYear, 4);
}

// "「Taro」のシートはこのフォルダにありません" or, when the person has other months, those.
QString NoSheets(const ReportOptions& options, const QString& period) {
    const QList<PersonSheets> any = ScanFolder(options.folder, KeyOf(kFirstSheetYear, 1),
                                               KeyOf(kLastSheetYear, 12), options.user);
    if (any.isEmpty()) {
        return QStringLiteral("「%1」のシートはフォルダ「%2」にありません")
            .arg(*options.user, options.folder);
    }
    const QList<MonthKey>& months = any.first().months;
    return QStringLiteral("「%1」の%2のシートはありません (あるのは %3 から %4 の %5 か月分)")
        .arg(*options.user, period, FormatMonthKey(months.first()), FormatMonthKey(months.last()))
        .arg(months.size());
}

}  // namespace

QString BuildMonthReport(const ReportOptions& options, QDate today, MonthReport& report) {
    const LoadSettings settings{options.folder, options.breakMinutes, today};
    const MonthKey key = KeyOf(options.year, options.month);
    LoadedMonth loaded = LoadMonth(settings, *options.user, key, true);
    if (loaded.presence == SheetPresence::Missing) {
        return NoSheets(options, FormatMonthKey(key));
    }
    if (loaded.presence == SheetPresence::Unreadable) {
        return QStringLiteral("シート「%1」を読めません: %2")
            .arg(loaded.fileName, loaded.sheet.looks.value(0).detail);
    }
    report.person = *options.user;
    report.year = options.year;
    report.month = options.month;
    report.breakMinutes = options.breakMinutes;
    report.fileName = loaded.fileName;
    report.sheet = std::move(loaded.sheet);
    report.daysInMonth = QDate(options.year, options.month, 1).daysInMonth();
    // A day recorded after today (a clock with another date) still counts as gone.
    report.elapsedDays = ElapsedDays(options.year, options.month, today);
    if (!report.sheet.days.isEmpty()) {
        report.elapsedDays = std::max(report.elapsedDays, report.sheet.days.last().day);
    }
    report.projection = ProjectMonthEnd(report.sheet.totals.overtimeSeconds, report.elapsedDays,
                                        report.daysInMonth);
    return {};
}

QString BuildYearReport(const ReportOptions& options, QDate today, YearReport& report) {
    const LoadSettings settings{options.folder, options.breakMinutes, today};
    const MonthKey first = FirstMonthOf(*options.schoolYear);
    const QList<PersonSheets> sheets =
        ScanFolder(options.folder, first, first + kSchoolYearMonths - 1, options.user);
    if (sheets.isEmpty()) {
        return NoSheets(options, QStringLiteral("%1年度").arg(*options.schoolYear));
    }
    const PersonMonths person = LoadPeople(settings, sheets, first, kSchoolYearMonths).first();
    report.person = *options.user;
    report.schoolYear = *options.schoolYear;
    report.breakMinutes = options.breakMinutes;
    report.looks = person.looks;
    SchoolYearOvertime overtime;
    for (int m = 0; m < kSchoolYearMonths; ++m) {
        report.months[m] = person.months[m];
        if (person.months[m]) {
            overtime[m] = person.months[m]->overtimeSeconds;
            AddMonth(report.total, *person.months[m]);
        }
    }
    report.verdict = JudgeYear(overtime);
    return {};
}

StaffRow StaffRowFor(const PersonMonths& person, bool wholeYear) {
    StaffRow row;
    row.person = person.person;
    row.lookCount = int(person.looks.size());
    SchoolYearOvertime overtime;
    for (size_t m = 0; m < person.months.size(); ++m) {
        if (!person.months[m]) {
            continue;
        }
        const MonthTotals& month = *person.months[m];
        ++row.monthsPresent;
        AddMonth(row.totals, month);
        row.groupBasisSeconds = std::max(row.groupBasisSeconds, month.overtimeSeconds);
        if (m < overtime.size()) {
            overtime[m] = month.overtimeSeconds;
        }
    }
    row.overtimeSeconds = row.totals.overtimeSeconds;
    row.group = GroupFor(row.groupBasisSeconds);
    if (wholeYear) {
        row.verdict = JudgeYear(overtime);
    }
    return row;
}

QString BuildStaffReport(const ReportOptions& options, QDate today, StaffReport& report) {
    const LoadSettings settings{options.folder, options.breakMinutes, today};
    const bool wholeYear = options.schoolYear.has_value();
    const MonthKey first =
        wholeYear ? FirstMonthOf(*options.schoolYear) : KeyOf(options.year, options.month);
    const int monthCount = wholeYear ? kSchoolYearMonths : 1;
    const QList<PersonSheets> sheets = ScanFolder(options.folder, first, first + monthCount - 1);
    if (sheets.isEmpty()) {
        const QString period =
            wholeYear ? QStringLiteral("%1年度").arg(*options.schoolYear) : FormatMonthKey(first);
        return QStringLiteral("フォルダ「%1」に%2のシートがありません").arg(options.folder, period);
    }
    report.schoolYear = options.schoolYear;
    report.year = options.year;
    report.month = options.month;
    report.breakMinutes = options.breakMinutes;
    const QList<PersonMonths> people = LoadPeople(settings, sheets, first, monthCount);
    report.rows.reserve(people.size());
    for (const PersonMonths& person : people) {
        report.rows.append(StaffRowFor(person, wholeYear));
        if (report.rows.last().monthsPresent > 0) {
            ++report.groupCounts[int(report.rows.last().group)];
        }
        report.looks.append(person.looks);
    }
    std::stable_sort(
        report.rows.begin(), report.rows.end(),
        [](const StaffRow& a, const StaffRow& b) { return a.overtimeSeconds > b.overtimeSeconds; });
    return {};
}
