#include "report/sheet_loader.h"

#include <QtConcurrent/QtConcurrentMap>

LoadedMonth LoadSheet(const LoadSettings& settings, const QString& file, MonthKey month,
                      bool keepDays) {
    return ReadMonthFile(
        settings.folder, file, month,
        {settings.today, settings.breakMinutes,
         settings.daysOff ? &settings.daysOff->month(month) : nullptr, keepDays});
}

QList<LookItem> OtherPlaces(const PersonSheets& sheets) {
    QList<LookItem> looks;
    for (const auto& [counted, left] : sheets.duplicates) {
        looks.append({left, 0, 0, LookReason::DuplicateSheet,
                      QStringLiteral("「%1」を数え、こちらは数えていません").arg(counted)});
    }
    for (const UnopenedFolder& place : sheets.unopened) {
        looks.append({place.path, 0, 0, LookReason::UnreadableFolder, place.reason});
    }
    return looks;
}

QList<PersonMonths> LoadPeople(const LoadSettings& settings, const QList<PersonSheets>& people,
                               MonthKey first, int monthCount) {
    const auto loadPerson = [&settings, first, monthCount](const PersonSheets& sheets) {
        PersonMonths person;
        person.person = sheets.person;
        person.sheetFile = sheets.months.isEmpty() ? QString() : sheets.months.first().path;
        person.months.resize(monthCount);
        for (const auto& [month, file] : sheets.months) {
            if (month < first || month >= first + monthCount) {
                continue;
            }
            LoadedMonth loaded = LoadSheet(settings, file, month, false);
            if (loaded.presence == SheetPresence::Read) {
                person.months[month - first] = loaded.sheet.totals;
            }
            person.looks.append(loaded.sheet.looks);
        }
        person.looks.append(OtherPlaces(sheets));
        return person;
    };
    return QtConcurrent::blockingMapped<QList<PersonMonths>>(people, loadPerson);
}
