#pragma once

#include "records/file_outcome.h"

#include <QString>

// The start-time file in the working folder: the seconds after midnight IN was pressed today,
// " 30600 " and CR LF. Written at IN, removed when the window is closed with ×.
inline const QString kStartTimeFileName = QStringLiteral("temp1.txt");

// Replaces the start-time file at `path`; anything but a regular file in its place is refused.
FileOutcome WriteStartTimeFile(const QString& path, float startSeconds);
