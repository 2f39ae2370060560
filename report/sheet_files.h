#pragma once

#include "overtime/month_key.h"
#include "records/sheet_layout.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <utility>

#include <optional>

// Month sheets in a folder, named as records/sheet_layout.h says.

// Whether a file of this name would be taken for a sheet where names ignore case and trailing
// dots and blanks (Windows): "Taro 17 7.CSV" and "Taro 17 7.csv." are the sheet there.
bool ShapedLikeSheetFileName(QStringView fileName);

struct PersonSheets {
    QString person;
    QList<MonthKey> months;  // ascending
    QStringList files;       // each month's sheet, as a path from the folder read
    // The same person's month found again in another folder: the sheet counted, and the one
    // left out.
    QList<std::pair<QString, QString>> duplicates;
};

// Why the folder cannot serve as a sheet folder, or an empty text.
QString FolderProblem(const QString& folder);

// Everyone with a sheet from `first` to `last` in the folder, by name; `first` and `last`
// included. With `person` set, only that person. Every entry named like a sheet counts, whatever
// it is (a FIFO, a link): the loader finds out whether it can be read. With `subfolders`, the
// folders inside are read too, however deep (not hidden ones, nor through links); a month found
// twice is counted from the sheet in the person's own folder (one of their name, or one whose
// name file names them), else the one nearest the top, else the first by path.
QList<PersonSheets> ScanFolder(const QString& folder, MonthKey first, MonthKey last,
                               const std::optional<QString>& person = std::nullopt,
                               bool subfolders = false);

// Whether the folder itself holds no month sheet, so that its subfolders are where they are: one
// folder per person, as the clocks of a staff keep them on a share.
bool NoSheetAtTop(const QString& folder);
