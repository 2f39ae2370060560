#include "report/board_builder.h"

#include "pages/report_labels.h"
#include "pages/shown_text.h"
#include "report/report_builder.h"

#include <QHash>

namespace {

// For the board's count of the people past the year's lines: the school year's overtime up to
// the month reported (the whole year's for a school year).
void AddSchoolYearSoFar(const ReportOptions& options, const FolderWalk& walk, QDate today,
                        StaffReport& staff) {
    QHash<QString, qint64> before;
    if (!staff.schoolYear) {
        const MonthKey month = KeyOf(options.year, options.month);
        const MonthKey april = KeyOf(options.month >= 4 ? options.year : options.year - 1, 4);
        DaysOff daysOff;
        QList<LookItem> listedWithTheMonth;
        if (month > april && PrepareDaysOff(SchoolCalendarPath(options), april, month - 1, daysOff,
                                            listedWithTheMonth)
                                 .isEmpty()) {
            const LoadSettings settings{options.folder, options.breakMinutes, today, &daysOff};
            const QList<PersonSheets> sheets =
                ChooseSheets(walk, options.folder, april, month - 1, std::nullopt, true);
            for (const PersonMonths& person :
                 LoadPeople(settings, sheets, april, int(month - april))) {
                qint64& sum = before[ShownText(person.person)];
                for (const auto& totals : person.months) {
                    sum += totals ? totals->overtimeSeconds : 0;
                }
            }
        }
    }
    for (StaffRow& row : staff.rows) {
        row.schoolYearSeconds = row.overtimeSeconds + before.value(row.person);
    }
}

}  // namespace

ReportOptions SchoolOptions(const ReportOptions& given, const ReportOptions& board,
                            const School& school) {
    ReportOptions options = board;
    options.folder = school.path;
    // The board's walk went into every folder of the school.
    options.recursive = true;
    options.school = school.name;
    if (!given.seals && school.settings.seals) {
        options.seals = school.settings.seals;
    }
    if (!given.breakMinutesGiven && school.settings.breakMinutes) {
        options.breakMinutes = *school.settings.breakMinutes;
    }
    if (!given.calendar) {
        const QString own = FolderCalendarPath(school.path);
        options.calendar = own.isEmpty() ? FolderCalendarPath(board.folder) : own;
    }
    return options;
}

QString BuildBoardReport(const ReportOptions& given, const ReportOptions& board,
                         const Board& schools, QDate today, BoardReport& report) {
    report.paper = {board.school.value_or(QString()), board.seals.value_or(DefaultSeals()), today};
    report.schoolYear = board.schoolYear;
    report.year = board.year;
    report.month = board.month;
    bool anything = false;
    for (const School& school : schools.schools) {
        SchoolReport part{school.name, school.folder, {}};
        const ReportOptions options = SchoolOptions(given, board, school);
        bool noSheets = false;
        const QString error = BuildStaffFrom(options, school.walk, today, part.staff, &noSheets);
        if (!error.isEmpty() && !noSheets) {
            part.staff.looks.append(
                {*options.calendar, 0, 0, LookReason::UnusableCalendar, error});
        }
        if (school.unopened) {
            part.staff.looks.prepend({school.folder.isEmpty() ? QStringLiteral(".") : school.folder,
                                      0, 0, LookReason::UnreadableFolder, *school.unopened});
        }
        if (error.isEmpty()) {
            AddSchoolYearSoFar(options, school.walk, today, part.staff);
        }
        anything = anything || !part.staff.rows.isEmpty() || !part.staff.looks.isEmpty();
        report.schools.append(std::move(part));
    }
    if (!anything) {
        const QString period =
            board.schoolYear ? QStringLiteral("%1年度").arg(*board.schoolYear)
                             : FormatMonth(board.year, board.month);
        return QStringLiteral("フォルダ「%1」に%2のシートがありません").arg(board.folder, period);
    }
    ShowTexts(report);
    return {};
}
