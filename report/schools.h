#pragma once

#include "overtime/month_key.h"
#include "overtime/school_settings.h"
#include "report/sheet_files.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The schools of a board's folder: one folder a school, each with its staff's folders inside.
//
// A folder that holds a school's settings file (and no clock's name file: that is one person's
// folder) is a school, named by the file's 学校名, else by the folder's own name; one inside a
// school's folder (a copy beside a teacher's clock) is that school's. A board's folder without
// such files inside is one school, read as it always was. Inside a board, a sheet belongs to the
// school folder above it; one in no school folder belongs to the folder at the
// depth the school folders stand at (a school whose settings file is missing), or, where that is
// one person's folder or the sheet lies higher, to the board's own folder. The same name in two
// schools is two people.

struct School {
    QString folder;  // from the folder read, '/' between folders; "" for that folder itself
    QString path;    // absolute
    // As every output names it: the 学校名, else the folder's name; where two schools have one
    // name, their folders follow it.
    QString name;
    bool hasSettings = false;
    SchoolSettings settings;  // its own file's; nothing set without one
    // Its sheets and the folders in it that could not be opened, paths from its own folder.
    FolderWalk walk;
    std::optional<QString> unopened;  // why its own folder could not be opened
};

struct Board {
    QList<School> schools;  // by folder; one for a folder that is a single school
    QStringList warnings;   // from the schools' settings files, one a line left out
};

// The schools in a walk of `folder` (made with subfolders); the walk is taken apart.
Board FindSchools(FolderWalk walk, const QString& folder);

// The schools `given` names: by 学校名, by the name shown, by folder name or by the path from the
// folder read.
QList<const School*> SchoolsNamed(const Board& board, const QString& given);

// Those of `among` where `person` has a sheet from `first` to `last`.
QList<const School*> SchoolsWith(const QList<const School*>& among, const QString& person,
                                 MonthKey first, MonthKey last);

// "第一中学校 (school1)、第二中学校 (school2)": the schools for a message that asks to choose.
QString SchoolList(const QList<const School*>& schools);
