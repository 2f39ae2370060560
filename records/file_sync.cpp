#include "file_sync.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

int SyncFileData(int fd) {
#if defined(Q_OS_WIN)
    // A file Qt opened by its native handle may have no C descriptor to flush; QSaveFile's own
    // flush before the rename is then all there is.
    return fd < 0 ? 0 : _commit(fd);
#else
    // fsync rather than fdatasync: the file's times go to the disk with its data, so the sync
    // QSaveFile makes of its own before the rename finds nothing left to write.
    return fsync(fd);
#endif
}
