#include "overtime/month_file.h"

#include "overtime/school_calendar.h"
#include "records/month_sheet.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The school year a month falls in.
int SchoolYearOf(MonthKey key) {
    return MonthOfKey(key) >= 4 ? YearOfKey(key) : YearOfKey(key) - 1;
}

}  // namespace

LoadedMonth ReadMonthFile(const QString& folder, const QString& fileName, MonthKey month,
                          const MonthFileSettings& settings) {
    LoadedMonth loaded;
    loaded.fileName = fileName;
    const SheetFile file = ReadWholeSheet(folder + u'/' + fileName);
    const SheetReadResult& read = file.read;
    if (!read.outcome.ok()) {
        if (read.outcome.failure == FileFailure::Absent) {
            return loaded;
        }
        loaded.presence = SheetPresence::Unreadable;
        loaded.sheet.looks.append(
            {loaded.fileName, 0, 0, LookReason::UnreadableSheet, read.outcome.why()});
        return loaded;
    }
    loaded.presence = SheetPresence::Read;
    const SheetContext context{loaded.fileName,  YearOfKey(month),      MonthOfKey(month),
                               settings.today,   settings.breakMinutes, settings.keepDays,
                               settings.calendar};
    loaded.sheet = ReadSheetDays(file.lines, context);
    return loaded;
}

QString FolderCalendarPath(const QString& folder) {
    const QString inFolder = QDir(folder).filePath(kSchoolCalendarFileName);
    const QFileInfo info(inFolder);
    return info.exists() || info.isSymLink() ? inFolder : QString();
}

QString PrepareDaysOff(const QString& calendarPath, MonthKey first, MonthKey last, DaysOff& daysOff,
                       QList<LookItem>& looks) {
    SchoolCalendar school;
    if (!calendarPath.isEmpty()) {
        if (const QString error = ReadSchoolCalendar(calendarPath, SchoolYearOf(last), school);
            !error.isEmpty()) {
            return error;
        }
    }
    for (const SkippedCalendarLine& line : school.skipped) {
        looks.append(
            {QFileInfo(school.file).fileName(), line.line, 0, LookReason::CalendarLine, line.why});
    }
    return daysOff.prepare(first, last, school);
}
