#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// A save writes a temporary file beside its target and renames it into place once the data is on
// the disk. Where the file system cannot make an unnamed temporary file (a network share, say), a
// save killed half-way leaves "<file>.XXXXXX" behind. At start-up these are removed: only those of
// the clock's own files (a month sheet, the name file, the start-time file), only regular files,
// only those older than a minute (no save of a second clock can still be writing them). Nothing
// else is ever deleted. Gives the names removed.
QStringList RemoveLeftoverSaveFiles(const QString& folder, const QDateTime& now);
