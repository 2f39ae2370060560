#include "records/small_file.h"

#include "records/file_reader.h"
#include "records/whole_file_save.h"

SmallFileRead ReadSmallFile(const QString& path, qint64 maxBytes, Links links) {
    SmallFileRead read;
    FileReader file;
    if (!file.open(path, links)) {
        const FileKind kind = KindBehind(path, links);
        read.outcome = kind == FileKind::Absent    ? FileOutcome::absent(path)
                       : kind != FileKind::Regular ? FileOutcome::notAFile(path, kind)
                                                   : FileOutcome::unreadable(path, file.error());
        return read;
    }
    if (file.kind() != FileKind::Regular) {
        read.outcome = FileOutcome::notAFile(path, file.kind());
        return read;
    }
    if (file.size() > maxBytes) {
        read.outcome = FileOutcome::tooLarge(path, file.size(), maxBytes);
        return read;
    }
    // As many bytes as the file holds and one more, to see a file that grew since the look at
    // it; more room only when it did, up to one byte past the limit. A buffer of the limit's size
    // at every read would cost every start a few megabytes of address space for a 1 KB sheet.
    qint64 room = qMin<qint64>(file.size(), maxBytes) + 1;
    read.bytes.resize(room);
    qint64 done = 0;
    while (done <= maxBytes) {
        if (done == room) {
            room = qMin(room * 2, maxBytes + 1);
            read.bytes.resize(room);
        }
        const qint64 n = file.read(read.bytes.data() + done, room - done);
        if (n < 0) {
            read.outcome = FileOutcome::unreadable(path, file.error());
            read.bytes.clear();
            return read;
        }
        if (n == 0) {
            break;
        }
        done += n;
    }
    if (done > maxBytes) {
        read.outcome = FileOutcome::tooLarge(path, done, maxBytes);
        read.bytes.clear();
        return read;
    }
    read.bytes.truncate(done);
    read.outcome = FileOutcome::done(path);
    return read;
}

FileOutcome SaveSmallFile(const QString& path, const QByteArray& bytes) {
    // A save through a link would replace whatever the link leads to, outside the folder.
    if (const FileKind kind = KindAt(path); kind != FileKind::Absent && kind != FileKind::Regular) {
        return FileOutcome::notAFile(path, kind);
    }
    return SaveWholeFile(path, bytes);
}
