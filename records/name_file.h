#pragma once

#include "records/file_outcome.h"

#include <QString>

#include <optional>

// The name file in the working folder: one line, the person's name, which decides whose clock the
// folder is. The clock writes it in CP932 at the first IN; a file another program saved as
// UTF-8 reads as such (text_encoding.h).
inline const QString kNameFileName = QStringLiteral("omb.ini");

// Why a name cannot be used, or an empty text when it can: it becomes part of a file name and is
// stored in CP932. In the words the window shows.
[[nodiscard]] QString NameProblem(const QString& name);

struct NameFileRead {
    FileOutcome outcome;
    // The first line; nothing for an empty file, and for one that cannot be used.
    std::optional<QString> name;
    // Why a file that is there cannot be used, in the person's words: the file (not a regular
    // file, far too large, unreadable, not text) or the name in it (one that would be refused if
    // typed). Empty when there is no file, or it can be used.
    QString refused;
};
NameFileRead ReadNameFile(const QString& path);

// Writes `name` as the name file at `path` unless something is there already: a name file is
// never replaced, and nothing but a regular file is ever written.
FileOutcome WriteNameFile(const QString& path, const QString& name);
