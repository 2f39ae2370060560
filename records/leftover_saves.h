#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// A save writes a temporary file beside its target and renames it into place once the data is on
// the disk; a save killed half-way leaves the temporary file behind. At start-up these are removed:
// only files named as a save names its temporary files (whole_file_save.h), only regular files,
// only those older than a minute (no save of a second clock can still be writing them). Nothing
// else is ever deleted. Gives the names removed.
QStringList RemoveLeftoverSaveFiles(const QString& folder, const QDateTime& now);
