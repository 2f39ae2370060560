// A child process for a test step: fork, and on Linux the ids of nobody.
#include "tests/support/child.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

bool PermissionsBindThisProcess() {
    return geteuid() != 0;
}

int RunInChild(const std::function<int()>& body, bool asNobody) {
    std::fflush(nullptr);  // nothing buffered twice
    const pid_t pid = fork();
    if (pid < 0) {
        return -1;
    }
    if (pid == 0) {
        if (asNobody && geteuid() == 0) {
            const gid_t nobodyGroup = 65534;
            if (setgroups(1, &nobodyGroup) != 0 || setgid(65534) != 0 || setuid(65534) != 0) {
                _exit(120);
            }
        }
        _exit(body());
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) {
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
