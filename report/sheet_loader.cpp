#include "sheet_loader.h"

#include "month_sheet.h"

#include <QDir>
#include <QtConcurrent/QtConcurrentMap>

LoadedMonth LoadMonth(const LoadSettings& settings, const QString& person, MonthKey month,
                      bool keepDays) {
    const int year = YearOfKey(month);
    const int monthOfYear = MonthOfKey(month);
    LoadedMonth loaded;
    loaded.fileName = SheetFileName(person, year, monthOfYear);
    const QString path = QDir(settings.folder).filePath(loaded.fileName);
    if (!FileExists(path)) {
        return loaded;
    }
    SheetTable lines;
    const SheetReadResult read = ReadSheetFile(path, lines);
    if (!read.opened) {
        loaded.presence = SheetPresence::Unreadable;
        loaded.sheet.looks.append({loaded.fileName, 0, 0, LookReason::UnreadableSheet, read.error});
        return loaded;
    }
    loaded.presence = SheetPresence::Read;
    const SheetContext context{loaded.fileName,       year,    monthOfYear, settings.today,
                               settings.breakMinutes, keepDays};
    loaded.sheet = ReadSheetDays(lines, read.linesRead, context);
    if (!read.error.isEmpty()) {
        loaded.sheet.looks.append({loaded.fileName, 0, 0, LookReason::UnreadableSheet, read.error});
    }
    return loaded;
}

QList<PersonMonths> LoadPeople(const LoadSettings& settings, const QList<PersonSheets>& people,
                               MonthKey first, int monthCount) {
    const auto loadPerson = [&settings, first, monthCount](const PersonSheets& sheets) {
        PersonMonths person;
        person.person = sheets.person;
        person.months.resize(monthCount);
        for (const MonthKey month : sheets.months) {
            if (month < first || month >= first + monthCount) {
                continue;
            }
            LoadedMonth loaded = LoadMonth(settings, sheets.person, month, false);
            if (loaded.presence == SheetPresence::Read) {
                person.months[month - first] = loaded.sheet.totals;
            }
            person.looks.append(loaded.sheet.looks);
        }
        return person;
    };
    return QtConcurrent::blockingMapped<QList<PersonMonths>>(people, loadPerson);
}
