#include "tests/support/failing_sync.h"

#include "records/file_sync.h"

#include <unistd.h>

#include <cerrno>

namespace {

int failWith = 0;

}  // namespace

void FailFlushesWith(int error) {
    failWith = error;
}

int SyncFileData(int fd) {
    if (failWith != 0) {
        errno = failWith;
        return -1;
    }
    return fsync(fd);
}
