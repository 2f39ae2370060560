#include "records/small_file.h"

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

QString NotAFileText(FileKind kind) {
    switch (kind) {
        case FileKind::Link:
            return QStringLiteral("ふつうのファイルではなくリンクです");
        case FileKind::Folder:
            return QStringLiteral("ふつうのファイルではなくフォルダです");
        case FileKind::Pipe:
            return QStringLiteral("ふつうのファイルではなくパイプ (FIFO) です");
        case FileKind::Device:
            return QStringLiteral("ふつうのファイルではなくデバイスです");
        default:
            return QStringLiteral("ふつうのファイルではありません");
    }
}

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

SmallFileRead ReadSmallFile(const QString& path, qint64 maxBytes) {
    SmallFileRead read;
#ifdef Q_OS_UNIX
    // No following a link, and no waiting on a FIFO that has no writer.
    const int fd =
        open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        read.kind = KindAt(path);
        if (read.kind == FileKind::Absent) {
            read.outcome = SmallFileRead::Outcome::Absent;
        } else if (read.kind != FileKind::Regular) {
            read.outcome = SmallFileRead::Outcome::NotRegular;
        } else {
            read.reason = SystemReason(error);
        }
        return read;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        read.kind = KindOf(info.st_mode);
        read.outcome = SmallFileRead::Outcome::NotRegular;
        close(fd);
        return read;
    }
    read.kind = FileKind::Regular;
    read.size = info.st_size;
    if (info.st_size > maxBytes) {
        read.outcome = SmallFileRead::Outcome::TooLarge;
        close(fd);
        return read;
    }
    // One byte more than allowed is asked for, to see a file that grew since the look at it.
    read.bytes.resize(maxBytes + 1);
    qint64 done = 0;
    while (done <= maxBytes) {
        const ssize_t n = ::read(fd, read.bytes.data() + done, size_t(maxBytes + 1 - done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            read.reason = SystemReason(errno);
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
    read.bytes.truncate(done);
    read.size = done;
    read.outcome =
        done > maxBytes ? SmallFileRead::Outcome::TooLarge : SmallFileRead::Outcome::Read;
    if (read.outcome == SmallFileRead::Outcome::TooLarge) {
        read.bytes.clear();
    }
    return read;
#else
    read.kind = KindAt(path);
    if (read.kind == FileKind::Absent) {
        read.outcome = SmallFileRead::Outcome::Absent;
        return read;
    }
    if (read.kind != FileKind::Regular) {
        read.outcome = SmallFileRead::Outcome::NotRegular;
        return read;
    }
    QFile file(path);
    read.size = QFileInfo(path).size();
    if (read.size > maxBytes) {
        read.outcome = SmallFileRead::Outcome::TooLarge;
        return read;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        read.reason = file.errorString();
        return read;
    }
    read.bytes = file.read(maxBytes + 1);
    read.size = read.bytes.size();
    read.outcome =
        read.size > maxBytes ? SmallFileRead::Outcome::TooLarge : SmallFileRead::Outcome::Read;
    return read;
#endif
}
