#include "records/small_file.h"

#include "records/whole_file_save.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace {

#ifdef Q_OS_UNIX
FileKind KindOf(mode_t mode) {
    if (S_ISREG(mode)) {
        return FileKind::Regular;
    }
    if (S_ISLNK(mode)) {
        return FileKind::Link;
    }
    if (S_ISDIR(mode)) {
        return FileKind::Folder;
    }
    if (S_ISFIFO(mode) || S_ISSOCK(mode)) {
        return FileKind::Pipe;
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return FileKind::Device;
    }
    return FileKind::Other;
}

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}
#endif

}  // namespace

FileKind KindAt(const QString& path) {
    if (path.isEmpty()) {
        return FileKind::Absent;
    }
#ifdef Q_OS_UNIX
    struct stat info {};
    if (lstat(QFile::encodeName(path).constData(), &info) != 0) {
        return FileKind::Absent;
    }
    return KindOf(info.st_mode);
#else
    const QFileInfo info(path);
    if (info.isSymLink() || info.isJunction()) {
        return FileKind::Link;
    }
    if (!info.exists()) {
        return FileKind::Absent;
    }
    return info.isDir() ? FileKind::Folder : info.isFile() ? FileKind::Regular : FileKind::Other;
#endif
}

SmallFileRead ReadSmallFile(const QString& path, qint64 maxBytes, Links links) {
    SmallFileRead read;
#ifdef Q_OS_UNIX
    // No waiting on a FIFO that has no writer, and no following a link unless asked to.
    const QByteArray name = QFile::encodeName(path);
    const int noFollow = links == Links::Refused ? O_NOFOLLOW : 0;
    const int fd = open(name.constData(), O_RDONLY | noFollow | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        FileKind kind = KindAt(path);
        struct stat target {};
        if (kind == FileKind::Link && links == Links::Followed) {
            // What the link leads to: a folder or a FIFO is not a file, and a link to nowhere is
            // a file that cannot be read, for the reason the system gives.
            kind =
                stat(name.constData(), &target) == 0 ? KindOf(target.st_mode) : FileKind::Regular;
        }
        read.outcome = kind == FileKind::Absent ? FileOutcome::absent(path)
                       : kind != FileKind::Regular
                           ? FileOutcome::notAFile(path, kind)
                           : FileOutcome::unreadable(path, SystemReason(error));
        return read;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        read.outcome = FileOutcome::notAFile(path, KindOf(info.st_mode));
        close(fd);
        return read;
    }
    if (info.st_size > maxBytes) {
        read.outcome = FileOutcome::tooLarge(path, info.st_size, maxBytes);
        close(fd);
        return read;
    }
    // As many bytes as the file holds and one more, to see a file that grew since the look at
    // it; more room only when it did, up to one byte past the limit. A buffer of the limit's size
    // at every read would cost every start a few megabytes of address space for a 1 KB sheet.
    qint64 room = qMin<qint64>(info.st_size, maxBytes) + 1;
    read.bytes.resize(room);
    qint64 done = 0;
    while (done <= maxBytes) {
        if (done == room) {
            room = qMin(room * 2, maxBytes + 1);
            read.bytes.resize(room);
        }
        const ssize_t n = ::read(fd, read.bytes.data() + done, size_t(room - done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            read.outcome = FileOutcome::unreadable(path, SystemReason(errno));
            close(fd);
            read.bytes.clear();
            return read;
        }
        if (n == 0) {
            break;
        }
        done += n;
    }
    close(fd);
    if (done > maxBytes) {
        read.outcome = FileOutcome::tooLarge(path, done, maxBytes);
        read.bytes.clear();
        return read;
    }
    read.bytes.truncate(done);
    read.outcome = FileOutcome::done(path);
    return read;
#else
    const QFileInfo info(path);
    const FileKind kind = links == Links::Refused || !info.isSymLink() ? KindAt(path)
                          : info.isFile()                              ? FileKind::Regular
                          : info.isDir()                               ? FileKind::Folder
                          : info.exists()                              ? FileKind::Other
                                                                       : FileKind::Absent;
    if (kind != FileKind::Regular) {
        read.outcome = kind == FileKind::Absent ? FileOutcome::absent(path)
                                                : FileOutcome::notAFile(path, kind);
        return read;
    }
    const qint64 size = QFileInfo(path).size();
    if (size > maxBytes) {
        read.outcome = FileOutcome::tooLarge(path, size, maxBytes);
        return read;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.outcome = FileOutcome::unreadable(path, file.errorString());
        return read;
    }
    read.bytes = file.read(maxBytes + 1);
    if (read.bytes.size() > maxBytes) {
        read.outcome = FileOutcome::tooLarge(path, read.bytes.size(), maxBytes);
        read.bytes.clear();
        return read;
    }
    read.outcome = FileOutcome::done(path);
    return read;
#endif
}

FileOutcome SaveSmallFile(const QString& path, const QByteArray& bytes) {
    // A save through a link would replace whatever the link leads to, outside the folder.
    if (const FileKind kind = KindAt(path); kind != FileKind::Absent && kind != FileKind::Regular) {
        return FileOutcome::notAFile(path, kind);
    }
    return SaveWholeFile(path, bytes);
}
