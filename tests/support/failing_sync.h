#pragma once

// A SyncFileData of the tests' own in place of the records library's (records/file_sync.h), for
// the programs that link ombrel_failing_sync: the flushes of saves fail with `error` (EIO,
// ENOSPC...) until it is 0 again, and otherwise reach the disk as ever.
void FailFlushesWith(int error);
