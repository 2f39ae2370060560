#pragma once

// Puts what was written to an open file (its data and its times) on the disk, as a save needs
// before it renames the file into place: 0 when done, -1 with errno set when the disk could not
// take it (EIO, ENOSPC, EROFS, EDQUOT). Kept in a file of its own so that a test program can
// bring its own.
int SyncFileData(int fd);
