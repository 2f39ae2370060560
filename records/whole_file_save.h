#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// Replacing a file whole or not at all: a temporary file beside it takes all the bytes, its data
// goes to the disk, and only then is it renamed over the old one. A write that fails (a full disk,
// a file size limit) or a flush that fails (an I/O error, a quota, a file system gone read-only)
// leaves the old file exactly as it was and no temporary file behind.
struct WholeFileSave {
    bool ok = false;
    QString reason;  // the system's words for what failed
    QFileDevice::FileError error = QFileDevice::NoError;
};

WholeFileSave SaveWholeFile(const QString& path, const QByteArray& bytes);
