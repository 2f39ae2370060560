#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Files as the tests see them: raw bytes in and out, and what a folder holds.

QByteArray FileBytes(const QString& path);
void PutFileBytes(const QString& path, const QByteArray& bytes);

// Everything in a folder but "." and "..", by name, hidden and system entries included: a stray
// temporary file or a FIFO shows.
QStringList FolderEntries(const QString& folder);
