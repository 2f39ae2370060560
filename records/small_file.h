#pragma once

#include "records/file_outcome.h"

#include <QByteArray>
#include <QString>

// The clock's files (the month sheet, the name file, the start-time file) are small regular files
// in the working folder. Anything else in their place (a link that would lead a save outside the
// folder, a FIFO or a device that would block the window for ever, a folder, a file far larger
// than any of them can be) is refused without being read, followed or written over.

// What is at `path`, links not followed. A path that cannot be looked at counts as absent.
FileKind KindAt(const QString& path);

struct SmallFileRead {
    FileOutcome outcome;
    QByteArray bytes;  // the whole file, when read
};

// Whether a link at the path is refused, or followed to the file it leads to (a file the person
// names on a command line, which is only ever read).
enum class Links { Refused, Followed };

// Reads the whole file at `path` when it is a regular file of at most `maxBytes`. The file is
// opened so that nothing can make the call wait: a FIFO is refused, not waited on.
SmallFileRead ReadSmallFile(const QString& path, qint64 maxBytes, Links links = Links::Refused);

// Replaces the file at `path` whole (whole_file_save.h) when a regular file or nothing is there;
// anything else in its place is refused and left as it is.
FileOutcome SaveSmallFile(const QString& path, const QByteArray& bytes);

// The largest month sheet and name file the clock reads. A sheet the clock writes is about a
// kilobyte, a name a few dozen bytes; a sheet with ten thousand lines of notes typed below the
// month still fits.
inline constexpr qint64 kMaxSheetBytes = 4 * 1024 * 1024;
inline constexpr qint64 kMaxNameFileBytes = 4 * 1024;
