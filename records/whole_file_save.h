#pragma once

#include "records/file_outcome.h"

#include <QByteArray>
#include <QString>

// Replacing a file whole or not at all: a temporary file beside it takes all the bytes, its data
// goes to the disk, and only then is it renamed over the old one. A write that fails (a full disk,
// a file size limit) or a flush that fails (an I/O error, a quota, a file system gone read-only)
// leaves the old file exactly as it was and no temporary file behind. A link is followed: the file
// it leads to is replaced. A new file gets the permissions new files get; an old one keeps its own.
//
// The temporary file is named ".<file>.ombrel-<six letters or digits>", a name no person chooses,
// so that what a save killed half-way leaves behind is known for the clock's own and nothing else.
FileOutcome SaveWholeFile(const QString& path, const QByteArray& bytes);

// Whether `name` is that of a temporary file of a save.
bool IsTemporarySaveName(const QString& name);

// Whether a file named `fileName` can be saved at all: the name of its temporary file, the longer
// one, must stay within the file system's limit for one name (255 bytes of the name as the system
// encodes it; on Windows 255 UTF-16 units).
bool FileNameCanBeSaved(const QString& fileName);
