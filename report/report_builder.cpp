#include "report/report_builder.h"

#include "pages/report_labels.h"
#include "pages/shown_text.h"
#include "report/sheet_hints.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

QString FormatMonthKey(MonthKey key) {
    return FormatMonth(YearOfKey(key), MonthOfKey(key));
}

// Whether anyone listed has a sheet from `first` on (months are ascending).
bool AnySheetFrom(const QList<PersonSheets>& people, MonthKey first) {
    return std::any_of(people.begin(), people.end(), [first](const PersonSheets& p) {
        return !p.months.isEmpty() && p.months.last().month >= first;
    });
}

PaperInfo PaperOf(const ReportOptions& options, QDate today) {
    return {options.school.value_or(QString()), options.seals.value_or(DefaultSeals()), today};
}

// The folders that could not be opened, for a message that finds nothing: the sheets looked
// for may be in them. Empty when there are none.
QString UnopenedNote(const ReportOptions& options) {
    QStringList places;
    for (const UnopenedFolder& place :
         WalkSheetFolder(options.folder, options.recursive).unopened) {
        places << QStringLiteral("「%1」(%2)").arg(place.path, place.reason);
    }
    return places.isEmpty() ? QString()
                            : QStringLiteral("。開けないフォルダがあります: %1")
                                  .arg(places.join(QStringLiteral("、")));
}

// The message, and on a line of its own what may help, when there is one.
QString WithHint(const QString& message, const QString& hint) {
    return hint.isEmpty() ? message : message + u'\n' + hint;
}

// "「Taro」のシートはこのフォルダにありません" or, when the person has other months, those.
QString NoSheets(const ReportOptions& options, const QString& period) {
    const QList<PersonSheets> any = ScanFolder(options.folder, KeyOf(kFirstSheetYear, 1),
                                               KeyOf(kLastSheetYear, 12), options.user,
                                               options.recursive);
    if (any.isEmpty() || any.first().months.isEmpty()) {
        return WithHint(QStringLiteral("「%1」のシートはフォルダ「%2」にありません%3")
                            .arg(*options.user, options.folder, UnopenedNote(options)),
                        NothingFoundHint(options.folder, options.user, options.recursive));
    }
    const QList<MonthSheet>& months = any.first().months;
    return QStringLiteral("「%1」の%2のシートはありません (あるのは %3 から %4 の %5 か月分)%6")
        .arg(*options.user, period, FormatMonthKey(months.first().month),
             FormatMonthKey(months.last().month), QString::number(months.size()),
             UnopenedNote(options));
}

QString SchoolYearText(int schoolYear) {
    return QString::number(schoolYear) + QStringLiteral("年度");
}

// Why none of the school year's sheets could be read, each named; the lead months left out.
QString NoneReadable(const ReportOptions& options, const PersonMonths& person, MonthKey first) {
    QStringList why;
    for (const LookItem& look : person.looks) {
        const auto name = ParseSheetFileName(look.file);
        if (look.reason == LookReason::UnreadableSheet && name &&
            KeyOf(name->year, name->month) >= first) {
            why << QStringLiteral("「%1」%2").arg(look.file, look.detail);
        }
    }
    return QStringLiteral("「%1」の%2のシートはどれも読めません: %3")
        .arg(*options.user, SchoolYearText(*options.schoolYear), why.join(QStringLiteral("; ")));
}

}  // namespace

QString SchoolCalendarPath(const ReportOptions& options) {
    return options.calendar ? *options.calendar : FolderCalendarPath(options.folder);
}

namespace {

// One person's month with its days, from the sheet the folder's walk finds.
QString LoadPersonMonth(const ReportOptions& options, QDate today, MonthKey key,
                        const DaysOff& daysOff, MonthReport& report) {
    const LoadSettings settings{options.folder, options.breakMinutes, today, &daysOff};
    const QList<PersonSheets> found =
        ScanFolder(options.folder, key, key, options.user, options.recursive);
    if (found.isEmpty() || found.first().months.isEmpty()) {
        return NoSheets(options, FormatMonthKey(key));
    }
    LoadedMonth loaded = LoadSheet(settings, found.first().months.first().path, key, true);
    if (loaded.presence == SheetPresence::Missing) {
        return NoSheets(options, FormatMonthKey(key));
    }
    if (loaded.presence == SheetPresence::Unreadable) {
        return QStringLiteral("シート「%1」を使えません: %2")
            .arg(loaded.fileName, loaded.sheet.looks.value(0).detail);
    }
    report = MakeMonthReport(found.first().person, key, std::move(loaded), daysOff,
                             PaperOf(options, today), options.breakMinutes, today);
    report.sheet.looks.append(OtherPlaces(found.first()));
    return {};
}

}  // namespace

QString BuildMonthReport(const ReportOptions& options, QDate today, MonthReport& report) {
    const MonthKey key = KeyOf(options.year, options.month);
    DaysOff daysOff;
    QList<LookItem> calendarLooks;
    if (const QString error =
            PrepareDaysOff(SchoolCalendarPath(options), key, key, daysOff, calendarLooks);
        !error.isEmpty()) {
        return error;
    }
    if (const QString error = LoadPersonMonth(options, today, key, daysOff, report);
        !error.isEmpty()) {
        return error;
    }
    report.sheet.looks.append(calendarLooks);
    ShowTexts(report);
    return {};
}

QString BuildYearReport(const ReportOptions& options, QDate today, YearReport& report) {
    const MonthKey first = FirstMonthOfSchoolYear(*options.schoolYear);
    const MonthKey lead = first - kLeadMonths;
    DaysOff daysOff;
    const MonthKey last = first + kSchoolYearMonths - 1;
    QList<LookItem> calendarLooks;
    if (const QString error =
            PrepareDaysOff(SchoolCalendarPath(options), lead, last, daysOff, calendarLooks);
        !error.isEmpty()) {
        return error;
    }
    const LoadSettings settings{options.folder, options.breakMinutes, today, &daysOff};
    const QList<PersonSheets> sheets =
        ScanFolder(options.folder, lead, last, options.user, options.recursive);
    if (!AnySheetFrom(sheets, first)) {
        return NoSheets(options, SchoolYearText(*options.schoolYear));
    }
    const PersonMonths person =
        LoadPeople(settings, sheets, lead, kLeadMonths + kSchoolYearMonths).first();
    report.paper = PaperOf(options, today);
    report.person = sheets.first().person;
    report.sheetFile = person.sheetFile;
    report.schoolYear = *options.schoolYear;
    report.breakMinutes = options.breakMinutes;
    report.looks = person.looks + calendarLooks;
    if (options.format == OutputFormat::Xlsx) {
        for (const MonthSheet& sheet : sheets.first().months) {
            const MonthKey key = sheet.month;
            if (key < first) {
                continue;
            }
            MonthReport month;
            const LoadedMonth loaded = LoadSheet(settings, sheet.path, key, true);
            if (loaded.presence != SheetPresence::Read) {
                continue;
            }
            month.person = report.person;
            month.year = YearOfKey(key);
            month.month = MonthOfKey(key);
            month.breakMinutes = options.breakMinutes;
            month.fileName = loaded.fileName;
            month.sheet = loaded.sheet;
            month.calendar = daysOff.month(key);
            month.daysInMonth = QDate(month.year, month.month, 1).daysInMonth();
            report.monthDays.append(month);
        }
    }
    for (int m = 0; m < kLeadMonths; ++m) {
        if (person.months[m]) {
            report.lead[m] = person.months[m]->overtimeSeconds;
        }
    }
    SchoolYearOvertime overtime;
    for (int m = 0; m < kSchoolYearMonths; ++m) {
        report.months[m] = person.months[kLeadMonths + m];
        if (report.months[m]) {
            overtime[m] = report.months[m]->overtimeSeconds;
            AddMonth(report.total, *report.months[m]);
        }
    }
    if (std::none_of(overtime.begin(), overtime.end(),
                     [](const auto& m) { return m.has_value(); })) {
        return NoneReadable(options, person, first);
    }
    report.verdict = JudgeYear(overtime, report.lead);
    ShowTexts(report);
    return {};
}

StaffRow StaffRowFor(const PersonMonths& person, bool wholeYear) {
    StaffRow row;
    row.person = person.person;
    row.sheetFile = person.sheetFile;
    row.lookCount = int(person.looks.size());
    const size_t leadMonths = wholeYear ? kLeadMonths : 0;
    LeadOvertime before;
    SchoolYearOvertime overtime;
    for (size_t i = 0; i < person.months.size(); ++i) {
        if (!person.months[i]) {
            continue;
        }
        const MonthTotals& month = *person.months[i];
        if (i < leadMonths) {
            before[i] = month.overtimeSeconds;
            continue;
        }
        ++row.monthsPresent;
        AddMonth(row.totals, month);
        row.groupBasisSeconds = std::max(row.groupBasisSeconds, month.overtimeSeconds);
        if (i - leadMonths < overtime.size()) {
            overtime[i - leadMonths] = month.overtimeSeconds;
        }
    }
    row.months.assign(person.months.begin() + qsizetype(leadMonths), person.months.end());
    row.overtimeSeconds = row.totals.overtimeSeconds;
    row.group = GroupFor(row.groupBasisSeconds);
    if (wholeYear) {
        row.verdict = JudgeYear(overtime, before);
    }
    return row;
}

QString BuildStaffReport(const ReportOptions& options, QDate today, StaffReport& report) {
    return BuildStaffFrom(options, WalkSheetFolder(options.folder, options.recursive), today,
                          report);
}

QString BuildStaffFrom(const ReportOptions& options, const FolderWalk& walk, QDate today,
                       StaffReport& report, bool* noSheets) {
    const bool wholeYear = options.schoolYear.has_value();
    const MonthKey first = wholeYear ? FirstMonthOfSchoolYear(*options.schoolYear)
                                     : KeyOf(options.year, options.month);
    const int monthCount = wholeYear ? kSchoolYearMonths : 1;
    const int leadMonths = wholeYear ? kLeadMonths : 0;
    report.paper = PaperOf(options, today);
    report.schoolYear = options.schoolYear;
    report.year = options.year;
    report.month = options.month;
    report.breakMinutes = options.breakMinutes;
    DaysOff daysOff;
    QList<LookItem> calendarLooks;
    if (const QString error = PrepareDaysOff(SchoolCalendarPath(options), first - leadMonths,
                                             first + monthCount - 1, daysOff, calendarLooks);
        !error.isEmpty()) {
        return error;
    }
    const LoadSettings settings{options.folder, options.breakMinutes, today, &daysOff};
    QList<PersonSheets> sheets = ChooseSheets(walk, options.folder, first - leadMonths,
                                              first + monthCount - 1, std::nullopt,
                                              options.recursive);
    // Someone with sheets only before April is not on this year's staff; someone with a folder
    // that could not be opened may be.
    sheets.removeIf([first](const PersonSheets& p) {
        return p.unopened.isEmpty() && (p.months.isEmpty() || p.months.last().month < first);
    });
    if (sheets.isEmpty()) {
        if (noSheets) {
            *noSheets = true;
        }
        const QString period =
            wholeYear ? SchoolYearText(*options.schoolYear) : FormatMonthKey(first);
        return WithHint(
            QStringLiteral("フォルダ「%1」に%2のシートがありません").arg(options.folder, period),
            NothingFoundHint(options.folder, std::nullopt, options.recursive));
    }
    const QList<PersonMonths> people =
        LoadPeople(settings, sheets, first - leadMonths, leadMonths + monthCount);
    report.rows.reserve(people.size());
    for (const PersonMonths& person : people) {
        report.rows.append(StaffRowFor(person, wholeYear));
        if (report.rows.last().monthsPresent > 0) {
            ++report.groupCounts[int(report.rows.last().group)];
        }
        report.looks.append(person.looks);
    }
    report.looks.append(calendarLooks);
    std::stable_sort(
        report.rows.begin(), report.rows.end(),
        [](const StaffRow& a, const StaffRow& b) { return a.overtimeSeconds > b.overtimeSeconds; });
    ShowTexts(report);
    return {};
}
