#include "records/file_sync.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <unistd.h>
#endif

#ifdef Q_OS_WIN
int SyncFileData(void* handle) {
    return FlushFileBuffers(static_cast<HANDLE>(handle)) ? 0 : -1;
}
#else
int SyncFileData(int fd) {
    // fsync rather than fdatasync: the file's times go to the disk with its data.
    return fsync(fd);
}
#endif
