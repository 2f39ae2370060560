#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <utility>

#include <optional>

// Month sheets in a folder: "<name> <yy> <m>.csv", the year without its century and neither
// number zero-padded ("Taro 17 7.csv", "Taro 9 1.csv"). Names may hold blanks, so the name is
// whatever stands before the last two numbers.

// A month as one number, for ranges and sorting: year * 12 + month - 1.
using MonthKey = int;
inline MonthKey KeyOf(int year, int month) {
    return year * 12 + month - 1;
}
inline int YearOfKey(MonthKey key) {
    return key / 12;
}
inline int MonthOfKey(MonthKey key) {
    return key % 12 + 1;
}

// Sheet names hold two year digits: the report reads the years 2000 to 2099.
inline constexpr int kFirstSheetYear = 2000;
inline constexpr int kLastSheetYear = 2099;

struct SheetName {
    QString person;
    int year = 0;  // with its century
    int month = 0;
};

// The person and month of a sheet's file name, or nothing for any other file.
std::optional<SheetName> ParseSheetFileName(QStringView fileName);

// Whether a file of this name would be taken for a sheet where names ignore case and trailing
// dots and blanks (Windows): "Taro 17 7.CSV" and "Taro 17 7.csv." are the sheet there.
bool ShapedLikeSheetFileName(QStringView fileName);

QString SheetFileName(const QString& person, int year, int month);

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
// twice is counted from the sheet in a folder of the person's name, else the one nearest the
// top, else the first by path.
QList<PersonSheets> ScanFolder(const QString& folder, MonthKey first, MonthKey last,
                               const std::optional<QString>& person = std::nullopt,
                               bool subfolders = false);

// Whether the folder itself holds no month sheet, so that its subfolders are where they are: one
// folder per person, as the clocks of a staff keep them on a share.
bool NoSheetAtTop(const QString& folder);
