#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Where a report goes: standard output, or a file replaced whole or not at all.

// An error text naming the file, or an empty text.
QString WriteOutput(const QString& path, const QByteArray& bytes);
QString WritePng(const QString& path, const QImage& image);
QString WriteStandardOutput(const QByteArray& bytes);

// Refuses an output path that would replace a month sheet: the report never changes one.
QString OutputPathProblem(const QString& path);
