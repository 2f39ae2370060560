#pragma once

#include "report/sheet_files.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What the report adds when it found nothing to report, so that a wrong folder or a name typed
// differently from the sheets is no dead end.

// The people with sheets whose name is `person`'s but for letter case and width ("taro", "Taro",
// "Ｔａｒｏ", "ﾀﾛｳ" and "タロウ" are alike), `person` itself left out.
QStringList PeopleNamedAlike(const QList<PersonSheets>& people, const QString& person);

// Where the clocks keep their sheets, on this system: the usual folders, and those of them (not
// `folderRead`) that hold sheets.
QString WhereSheetsUsuallyAre(const QString& folderRead);

// The hint for a report that found no sheet to read in `folder`: the people named like `person`
// when there are any, else, when the folder holds no sheet of anyone, where sheets usually are.
// Empty when neither helps.
QString NothingFoundHint(const QString& folder, const std::optional<QString>& person,
                         bool subfolders);
