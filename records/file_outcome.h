#pragma once

#include "records/text_encoding.h"

#include <QDateTime>
#include <QFileDevice>
#include <QString>
#include <QtGlobal>

// What stands at a path, links not followed.
enum class FileKind { Absent, Regular, Link, Folder, Pipe, Device, Other };

// How a file operation of the clock or the report can fail.
enum class FileFailure {
    None,        // done
    Absent,      // nothing is at the path
    NotAFile,    // a link, a folder, a pipe or a device stands where a file belongs: `found`
    TooLarge,    // far larger than such a file can be: `size` bytes, `limit` at most
    Unreadable,  // the system did not give its bytes: `systemReason`
    NotText,     // bytes that are not text in `encoding`
    Unstorable,  // text holding `character`, which the file cannot hold
    Unwritable,  // the system did not take the bytes: `writeError` and `systemReason`
    HeldOpen,    // another program (a spreadsheet) holds the file open, so it cannot be replaced
                 // until that program lets go (Windows): `systemReason`
    Busy,        // another save of the same file is under way: on PC `holder` since `heldSince`
};

// What became of one file operation: done, or the kind of failure, on which file, with what the
// person's words for it need. Every reader and writer of the clock's and the report's files gives
// one (alone, or as the `outcome` of what it read), and `why()` words every kind the same way
// wherever it is shown.
struct FileOutcome {
    FileFailure failure = FileFailure::None;
    QString path;
    FileKind found = FileKind::Absent;
    qint64 size = 0;
    qint64 limit = 0;
    QString systemReason;  // the system's own words, as it gives them
    QFileDevice::FileError writeError = QFileDevice::NoError;
    TextEncoding encoding = TextEncoding::Cp932;
    char32_t character = 0;
    QString holder;
    QDateTime heldSince;

    bool ok() const { return failure == FileFailure::None; }

    // Why it failed, in the person's words: "ふつうのファイルではなくリンクです", "5242880 バイト
    // あり、大きすぎます (4096 KiB まで)", "書き込みが許されていません (Permission denied)";
    // empty when it was done.
    QString why() const;

    static FileOutcome done(const QString& path);
    static FileOutcome absent(const QString& path);
    static FileOutcome notAFile(const QString& path, FileKind found);
    static FileOutcome tooLarge(const QString& path, qint64 size, qint64 limit);
    static FileOutcome unreadable(const QString& path, const QString& systemReason);
    static FileOutcome notText(const QString& path, TextEncoding encoding);
    static FileOutcome unstorable(const QString& path, char32_t character);
    static FileOutcome unwritable(const QString& path, QFileDevice::FileError error,
                                  const QString& systemReason);
    static FileOutcome heldOpen(const QString& path, const QString& systemReason);
    static FileOutcome busy(const QString& path, const QString& holder, const QDateTime& since);
};
