#include "pages/report_model.h"

#include "pages/shown_text.h"

#include <algorithm>

MonthReport MakeMonthReport(const QString& person, MonthKey key, LoadedMonth loaded,
                            const DaysOff& daysOff, const PaperInfo& paper, int breakMinutes,
                            QDate today) {
    MonthReport report;
    report.paper = paper;
    report.person = person;
    report.year = YearOfKey(key);
    report.month = MonthOfKey(key);
    report.breakMinutes = breakMinutes;
    report.fileName = loaded.fileName;
    report.sheet = std::move(loaded.sheet);
    report.calendar = daysOff.month(key);
    report.calendarFile = daysOff.schoolFile();
    report.daysInMonth = QDate(report.year, report.month, 1).daysInMonth();
    const bool todayInMonth = today.year() == report.year && today.month() == report.month;
    const bool todayDone =
        todayInMonth && std::any_of(report.sheet.days.begin(), report.sheet.days.end(),
                                    [&today](const DayEntry& d) { return d.day == today.day(); });
    report.elapsedDays = ElapsedDays(report.year, report.month, today, todayDone);
    // A day recorded after today (a clock with another date) still counts as gone.
    if (!report.sheet.days.isEmpty()) {
        report.elapsedDays = std::max(report.elapsedDays, report.sheet.days.last().day);
    }
    report.todayUncounted = todayInMonth && report.elapsedDays < today.day();
    report.projection = ProjectMonthEnd(report.sheet.totals.overtimeSeconds, report.elapsedDays,
                                        report.daysInMonth);
    ShowTexts(report);
    return report;
}
