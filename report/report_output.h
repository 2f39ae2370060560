#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

// Where a report goes: standard output, or a file replaced whole or not at all.

// An error text naming the file, or an empty text.
QString WriteOutput(const QString& path, const QByteArray& bytes);
QString WritePng(const QString& path, const QImage& image);
QString WriteStandardOutput(const QByteArray& bytes);

// Refuses an output path that is a folder, that is named like a month sheet or like one of the
// files the clock and the report read beside the sheets (omb.ini, temp1.txt, the school
// calendar, the settings file; existing or not, in any letter case), or that leads through
// symbolic links to one: the report never changes them, nor leaves a file the clock would take
// for one. Nor does it write over `keep` (the files it reads), however the path leads there.
QString OutputPathProblem(const QString& path, const QStringList& keep = {});
