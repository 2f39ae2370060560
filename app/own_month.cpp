#include "app/own_month.h"

#include "overtime/month_file.h"
#include "overtime/school_settings.h"
#include "pages/report_labels.h"
#include "records/sheet_layout.h"

#include <QDir>

OwnMonth ReadOwnMonth(const QString& folder, const QString& person, QDate today) {
    OwnMonth own;
    const SchoolSettings settings =
        ReadSchoolSettings(QDir(folder).filePath(kSchoolSettingsFileName));
    own.notes << settings.warnings;
    const int breakMinutes = settings.breakMinutes.value_or(kBreakMinutes);
    const PaperInfo paper{settings.school.value_or(QString()),
                          settings.seals.value_or(DefaultSeals()), today};

    const MonthKey key = KeyOf(today.year(), today.month());
    own.yearFirst = FirstMonthOfSchoolYear(SchoolYearOf(key));
    DaysOff daysOff;
    QList<LookItem> calendarLooks;
    if (const QString error =
            PrepareDaysOff(FolderCalendarPath(folder), own.yearFirst, key, daysOff, calendarLooks);
        !error.isEmpty()) {
        // The month still shows, with the days off the law knows.
        own.notes << error;
        calendarLooks.clear();
        if (const QString lawOnly =
                PrepareDaysOff(QString(), own.yearFirst, key, daysOff, calendarLooks);
            !lawOnly.isEmpty()) {
            own.notes << lawOnly;  // a year whose holidays are not known
        }
    }

    for (MonthKey month = own.yearFirst; month <= key; ++month) {
        const bool thisMonth = month == key;
        LoadedMonth loaded =
            ReadMonthFile(folder, SheetFileName(person, YearOfKey(month), MonthOfKey(month)), month,
                          {today, breakMinutes, &daysOff.month(month), thisMonth});
        if (loaded.presence == SheetPresence::Unreadable) {
            const QString why = QStringLiteral("シート「%1」を使えません: %2")
                                    .arg(loaded.fileName, loaded.sheet.looks.value(0).detail);
            if (thisMonth) {
                own.problem = why;
                return own;
            }
            own.notes << why;
            continue;
        }
        own.yearOvertimeSeconds += loaded.sheet.totals.overtimeSeconds;
        if (thisMonth) {
            own.sheetFound = loaded.presence == SheetPresence::Read;
            own.report = MakeMonthReport(person, key, std::move(loaded), daysOff, paper,
                                         breakMinutes, today);
            own.report.sheet.looks.append(calendarLooks);
        }
    }
    return own;
}

QList<DayToLookAt> DaysToLookAt(const MonthReport& report) {
    QList<DayToLookAt> days;
    for (const LookItem& look : report.sheet.looks) {
        if ((look.reason != LookReason::MissingOut && look.reason != LookReason::EndBeforeIn) ||
            look.day < 1 || look.day > report.daysInMonth) {
            continue;
        }
        QString times;
        for (const UncountedDay& uncounted : report.sheet.uncounted) {
            if (uncounted.day == look.day && uncounted.inMinute) {
                times = QStringLiteral("始業 %1").arg(FormatClock(*uncounted.inMinute));
                if (uncounted.outMinute) {
                    times += QStringLiteral("・終業 %1").arg(FormatClock(*uncounted.outMinute));
                }
                times += QStringLiteral("、");
            }
        }
        days.append({look.day, look.reason,
                     QStringLiteral("%1 %2%3").arg(FormatDate(report.year, report.month, look.day),
                                                   times, LookReasonText(look.reason))});
    }
    return days;
}
