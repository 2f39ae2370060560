#pragma once

#include "overtime/month_file.h"
#include "overtime/sheet_days.h"
#include "report/sheet_files.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

// Reading sheets from the folder. Only the figures are kept, not the rows, unless a single
// month's days are asked for.

struct LoadSettings {
    QString folder;
    int breakMinutes = kBreakMinutes;
    QDate today;
    const DaysOff* daysOff = nullptr;  // the months' days off; none without it
};

// One month's sheet at `file`, a path from the folder (in a subfolder, perhaps), as the month
// `month`.
LoadedMonth LoadSheet(const LoadSettings& settings, const QString& file, MonthKey month,
                      bool keepDays);

// What the walk of the folder found of a person besides the sheets counted: a month found in two
// places (counted once, the other listed), and the person's folders that could not be opened.
QList<LookItem> OtherPlaces(const PersonSheets& sheets);

// One person's figures over consecutive months, from `first` on.
struct PersonMonths {
    QString person;
    QString sheetFile;  // one of the person's sheets, to name where a text of theirs comes from
    std::vector<std::optional<MonthTotals>> months;  // nothing for a month without a sheet
    QList<LookItem> looks;
};

// Reads the listed sheets of each person in parallel; other months stay missing.
QList<PersonMonths> LoadPeople(const LoadSettings& settings, const QList<PersonSheets>& people,
                               MonthKey first, int monthCount);
