#pragma once

#include <QByteArray>
#include <QString>

// The clock's files (the month sheet, the name file, the start-time file) are small regular files
// in the working folder. Anything else in their place (a link that would lead a save outside the
// folder, a FIFO or a device that would block the window for ever, a folder, a file far larger
// than any of them can be) is refused without being read or followed.

enum class FileKind { Absent, Regular, Link, Folder, Pipe, Device, Other };

// What stands in place of a file, in the words the clock and the report show the person:
// "ふつうのファイルではなくリンクです" and the like.
QString NotAFileText(FileKind kind);

// What is at `path`, links not followed. A path that cannot be looked at counts as absent.
FileKind KindAt(const QString& path);

struct SmallFileRead {
    enum class Outcome { Read, Absent, NotRegular, TooLarge, Failed };
    Outcome outcome = Outcome::Failed;
    FileKind kind = FileKind::Absent;  // what is there, when NotRegular
    qint64 size = 0;                   // its size, when TooLarge
    QByteArray bytes;                  // the whole file, when Read
    QString reason;                    // the system's reason, when Failed
};

// Reads the whole file at `path` when it is a regular file (not a link) of at most `maxBytes`.
// The file is opened so that nothing can make the call wait: a FIFO is refused, not waited on.
SmallFileRead ReadSmallFile(const QString& path, qint64 maxBytes);

// The largest month sheet and name file the clock reads. A sheet the clock writes is about a
// kilobyte, a name a few dozen bytes; a sheet with ten thousand lines of notes typed below the
// month still fits.
inline constexpr qint64 kMaxSheetBytes = 4 * 1024 * 1024;
inline constexpr qint64 kMaxNameFileBytes = 4 * 1024;
