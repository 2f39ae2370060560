#include "file_sync.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

int SyncFileData(int fd) {
#if defined(Q_OS_WIN)
    return _commit(fd);
#elif defined(Q_OS_DARWIN)
    return fsync(fd);
#else
    return fdatasync(fd);
#endif
}
