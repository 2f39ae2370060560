#pragma once

#include "records/file_outcome.h"
#include "records/small_file.h"

#include <QString>

#ifdef Q_OS_WIN
#include <QFile>
#endif

// The system's part of reading a small file (small_file.cpp): opening it without waiting and,
// unless asked, without following a link; what was opened; its bytes. One source file a system
// (file_reader_posix.cpp, file_reader_win.cpp).
class FileReader {
public:
    FileReader() = default;
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;
    ~FileReader();

    // Opens the file at `path` for reading: a FIFO with no writer is not waited on, and a link is
    // followed only with Links::Followed. False when it could not be, with the system's reason.
    [[nodiscard]] bool open(const QString& path, Links links);
    // What was opened (a FIFO or a folder opens without waiting) and its size then.
    FileKind kind() const;
    qint64 size() const;
    // Up to `max` bytes into `data`: how many, 0 at the end, -1 when the system failed.
    qint64 read(char* data, qint64 max);
    // The system's reason of the last failure.
    const QString& error() const { return error_; }

private:
#ifdef Q_OS_WIN
    QFile file_;
#else
    int fd_ = -1;
    FileKind kind_ = FileKind::Other;
    qint64 size_ = 0;
#endif
    QString error_;
};

// What stands at a path the reader could not open, seen through a link when links are followed:
// a link to nothing is a file that cannot be read here, and no file at all on Windows.
FileKind KindBehind(const QString& path, Links links);
