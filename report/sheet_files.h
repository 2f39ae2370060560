#pragma once

#include "overtime/month_key.h"
#include "records/sheet_layout.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <utility>

// Month sheets in a folder, named as records/sheet_layout.h says.

// The folder the person named, as every path below it is joined to: absolute, its "." and ".."
// taken as the system takes them (through links), with or without a slash at its end. A relative
// folder is taken from the current one, once. An empty text is the current folder.
QString ResolveFolder(const QString& given);
// The same for a file: its folder resolved so, its own name kept (a link is still the link).
QString ResolvePath(const QString& given);

// Whether a file of this name would be taken for a sheet where names ignore case and trailing
// dots and blanks (Windows): "Taro 17 7.CSV" and "Taro 17 7.csv." are the sheet there.
bool ShapedLikeSheetFileName(QStringView fileName);

// The person and month of a sheet's file name, the person's name in the composed form (NFC): a
// name that came back from a Mac decomposed ("カ" and U+3099) is the same person as the clock's
// own ("ガ").
std::optional<SheetName> SheetNameOf(QStringView fileName);

// One walk of a folder: every entry named like a month sheet (whatever it is: the loader finds out
// whether it can be read), and every folder that could not be opened, with the system's reason.
// Paths are from the folder walked, with '/' between folders ("t1/Taro 17 7.csv"). With
// `subfolders`, the folders inside are walked too, however deep; hidden ones (".Trash") and links
// to folders are not. "~$Taro 17 7.csv", the lock file of a spreadsheet, is no sheet.
struct FoundSheet {
    QString path;
    SheetName name;
};
struct UnopenedFolder {
    QString path;  // "." for the folder walked itself
    QString reason;
};
struct FolderWalk {
    QList<FoundSheet> sheets;  // by path
    QList<UnopenedFolder> unopened;
    // The folders holding a school's settings file, and those holding a clock's name file, by
    // path ("" for the folder walked itself): where the schools of a board begin, and which
    // folders are one person's.
    QStringList settingsFolders;
    QStringList nameFileFolders;
};
FolderWalk WalkSheetFolder(const QString& folder, bool subfolders);

// The folder a walk's path (from the top, with '/') lies in: "" for the top itself.
QString FolderOf(const QString& path);

// The sheet counted for one of a person's months, as a path from the folder read.
struct MonthSheet {
    MonthKey month = 0;
    QString path;
};

struct PersonSheets {
    QString person;
    QList<MonthSheet> months;  // ascending
    // The same person's month found again in another folder: the sheet counted, and the one
    // left out.
    QList<std::pair<QString, QString>> duplicates;
    // Folders of this person's that could not be opened: the months in them are not counted.
    QList<UnopenedFolder> unopened;
};

// Why the folder cannot serve as a sheet folder, or an empty text.
[[nodiscard]] QString FolderProblem(const QString& folder);

// Everyone with a sheet from `first` to `last` in the folder, by name; `first` and `last`
// included. With `person` set, only that person. With `subfolders`, the folders inside are read
// too (WalkSheetFolder); a month found twice is counted from the sheet in the person's own folder
// (one of their name, or one whose name file names them), else the one nearest the top, else the
// one whose file name is written as the clock writes it, else the first by path. A folder that
// could not be opened is the person's whose folder holds it (by its name file, or the one person
// whose sheets stand in it), else the person its top folder is named after: that person is listed,
// with no months when nothing else of theirs was found.
QList<PersonSheets> ScanFolder(const QString& folder, MonthKey first, MonthKey last,
                               const std::optional<QString>& person = std::nullopt,
                               bool subfolders = false);
// The same from a walk already made of `folder` (or of a part of it, its paths from `folder`).
QList<PersonSheets> ChooseSheets(const FolderWalk& walk, const QString& folder, MonthKey first,
                                 MonthKey last, const std::optional<QString>& person,
                                 bool subfolders);
