#include "report/sheet_loader.h"

#include "records/month_sheet.h"

#include <QtConcurrent/QtConcurrentMap>

LoadedMonth LoadMonth(const LoadSettings& settings, const QString& person, MonthKey month,
                      bool keepDays) {
    return LoadSheet(settings, SheetFileName(person, YearOfKey(month), MonthOfKey(month)), month,
                     keepDays);
}

LoadedMonth LoadSheet(const LoadSettings& settings, const QString& file, MonthKey month,
                      bool keepDays) {
    const int year = YearOfKey(month);
    const int monthOfYear = MonthOfKey(month);
    LoadedMonth loaded;
    loaded.fileName = file;
    // The records read only a regular file of a sheet's size, never through a link, and never
    // wait on a FIFO: anything else is named here without its contents, nor what a link leads to.
    SheetTable lines;
    const SheetReadResult read = ReadSheetFile(settings.folder + u'/' + loaded.fileName, lines);
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
    const SheetContext context{loaded.fileName,
                               year,
                               monthOfYear,
                               settings.today,
                               settings.breakMinutes,
                               keepDays,
                               settings.daysOff ? &settings.daysOff->month(month) : nullptr};
    loaded.sheet = ReadSheetDays(lines, read.linesRead, context);
    return loaded;
}

QList<PersonMonths> LoadPeople(const LoadSettings& settings, const QList<PersonSheets>& people,
                               MonthKey first, int monthCount) {
    const auto loadPerson = [&settings, first, monthCount](const PersonSheets& sheets) {
        PersonMonths person;
        person.person = sheets.person;
        person.months.resize(monthCount);
        for (qsizetype i = 0; i < sheets.months.size(); ++i) {
            const MonthKey month = sheets.months[i];
            if (month < first || month >= first + monthCount) {
                continue;
            }
            LoadedMonth loaded = LoadSheet(settings, sheets.files.value(i), month, false);
            if (loaded.presence == SheetPresence::Read) {
                person.months[month - first] = loaded.sheet.totals;
            }
            person.looks.append(loaded.sheet.looks);
        }
        for (const auto& [counted, left] : sheets.duplicates) {
            person.looks.append({left, 0, 0, LookReason::DuplicateSheet,
                                 QStringLiteral("「%1」を数え、こちらは数えていません").arg(counted)});
        }
        return person;
    };
    return QtConcurrent::blockingMapped<QList<PersonMonths>>(people, loadPerson);
}
