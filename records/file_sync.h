#pragma once

#include <QtGlobal>

// Puts what was written to an open file (its data and its times) on the disk, as a save needs
// before it renames the file into place: 0 when done, -1 when the disk could not take it (errno
// set: EIO, ENOSPC, EROFS, EDQUOT; on Windows GetLastError tells). Kept in a file of its own so
// that a test program can bring its own.
#ifdef Q_OS_WIN
int SyncFileData(void* handle);  // the file's HANDLE
#else
int SyncFileData(int fd);
#endif
