#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Where a report goes: standard output, or a file replaced whole or not at all.

// An error text naming the file, or an empty text.
QString WriteOutput(const QString& path, const QByteArray& bytes);
QString WritePng(const QString& path, const QImage& image);
QString WriteStandardOutput(const QByteArray& bytes);

// Refuses an output path that is a folder, that is named like a month sheet (existing or not,
// in any letter case), or that leads through symbolic links to a sheet: the report never
// changes a sheet, nor leaves a file the clock would take for one. Nor does it write over
// `keep` (the school calendar it reads), however the path leads there.
QString OutputPathProblem(const QString& path, const QString& keep = {});
