#include "whole_file_save.h"

#include "file_sync.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>

WholeFileSave SaveWholeFile(const QString& path, const QByteArray& bytes) {
    // Without the direct-write fallback a folder where no temporary file can be made fails the
    // save instead of truncating the file in place.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // Unbuffered, so that a write that fails fails here and not unseen in a flush at the end.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return {false, file.errorString(), file.error()};
    }
    const auto abandon = [&file](const QString& reason, QFileDevice::FileError error) {
        file.cancelWriting();
        file.commit();  // removes the temporary file
        return WholeFileSave{false, reason, error};
    };
    // A short write is tried again for the rest, so that the system names its reason (a full
    // disk, a file size limit) on the attempt that writes nothing.
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            return abandon(file.errorString(), file.error());
        }
        done += n;
    }
    // QSaveFile's own flush before the rename does not report a failure: this one does.
    if (SyncFileData(file.handle()) != 0) {
        return abandon(QString::fromLocal8Bit(std::strerror(errno)), QFileDevice::WriteError);
    }
    if (!file.commit()) {
        return {false, file.errorString(), file.error()};
    }
    return {true, {}, QFileDevice::NoError};
}
