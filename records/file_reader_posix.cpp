#include "records/file_reader.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

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

}  // namespace

FileKind KindAt(const QString& path) {
    struct stat info {};
    if (path.isEmpty() || lstat(QFile::encodeName(path).constData(), &info) != 0) {
        return FileKind::Absent;
    }
    return KindOf(info.st_mode);
}

FileKind KindBehind(const QString& path, Links links) {
    const FileKind kind = KindAt(path);
    if (kind != FileKind::Link || links == Links::Refused) {
        return kind;
    }
    struct stat target {};
    return stat(QFile::encodeName(path).constData(), &target) == 0 ? KindOf(target.st_mode)
                                                                   : FileKind::Regular;
}

FileReader::~FileReader() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

bool FileReader::open(const QString& path, Links links) {
    const int noFollow = links == Links::Refused ? O_NOFOLLOW : 0;
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDONLY | noFollow | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        error_ = SystemReason(errno);
        return false;
    }
    struct stat info {};
    if (fstat(fd_, &info) == 0) {
        kind_ = KindOf(info.st_mode);
        size_ = info.st_size;
    }
    return true;
}

FileKind FileReader::kind() const {
    return kind_;
}

qint64 FileReader::size() const {
    return size_;
}

qint64 FileReader::read(char* data, qint64 max) {
    while (true) {
        const ssize_t n = ::read(fd_, data, size_t(max));
        if (n >= 0) {
            return n;
        }
        if (errno != EINTR) {
            error_ = SystemReason(errno);
            return -1;
        }
    }
}
