#include "records/file_reader.h"

#include <QFileInfo>

FileKind KindAt(const QString& path) {
    if (path.isEmpty()) {
        return FileKind::Absent;
    }
    const QFileInfo info(path);
    if (info.isSymLink() || info.isJunction()) {
        return FileKind::Link;
    }
    if (!info.exists()) {
        return FileKind::Absent;
    }
    return info.isDir() ? FileKind::Folder : info.isFile() ? FileKind::Regular : FileKind::Other;
}

FileKind KindBehind(const QString& path, Links links) {
    const QFileInfo info(path);
    return links == Links::Refused || !info.isSymLink() ? KindAt(path)
           : info.isFile()                              ? FileKind::Regular
           : info.isDir()                               ? FileKind::Folder
           : info.exists()                              ? FileKind::Other
                                                        : FileKind::Absent;
}

FileReader::~FileReader() = default;

bool FileReader::open(const QString& path, Links links) {
    // QFile follows every link and opens no FIFO, so what stands there is looked at first.
    if (KindBehind(path, links) != FileKind::Regular) {
        return false;
    }
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly)) {
        error_ = file_.errorString();
        return false;
    }
    return true;
}

FileKind FileReader::kind() const {
    return FileKind::Regular;  // looked at before it was opened
}

qint64 FileReader::size() const {
    return file_.size();
}

qint64 FileReader::read(char* data, qint64 max) {
    const qint64 n = file_.read(data, max);
    if (n < 0) {
        error_ = file_.errorString();
    }
    return n;
}
