#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

// Where a report goes: standard output, or a regular file replaced whole or not at all.

// Whether the report goes to standard output: without --output, with "-", or with a name of the
// process's own standard output ("/dev/stdout"), which is no file to replace.
bool ToStandardOutput(const std::optional<QString>& output);

// An error text naming the file and the system's reason, or an empty text.
QString WriteOutput(const QString& path, const QByteArray& bytes);
QString WriteStandardOutput(const QByteArray& bytes);

// The picture as a PNG file's bytes; empty when it cannot be made.
QByteArray PngBytes(const QImage& image);

// Refuses an output path that is anything but a regular file or nothing (a folder, a device, a
// FIFO, a socket, or a link to one: replacing a device by a file breaks the system, and a FIFO's
// reader would wait for ever), that is named like a month sheet or like one of the
// files the clock and the report read beside the sheets (omb.ini, temp1.txt, the school
// calendar, the settings file; existing or not, in any letter case), or that leads through
// symbolic links to one: the report never changes them, nor leaves a file the clock would take
// for one. Nor does it write over `keep` (the files it reads), however the path leads there.
QString OutputPathProblem(const QString& path, const QStringList& keep = {});
