#pragma once

#include <functional>

// POSIX only (child_posix.cpp): a step run in a child process, to see a save fail for reasons a
// root test process would not meet, or to survive one that kills the process.

// Runs `body` in a forked child and gives its exit status (or 128 + the signal that ended it).
// With `asNobody`, a child of a root process first drops to uid and gid 65534, so that folder
// permissions apply to it; a child of any other user keeps its own. The child never returns into
// the test framework: it ends with _exit().
int RunInChild(const std::function<int()>& body, bool asNobody);

// Whether permission bits bind the test process itself (they do not for root).
bool PermissionsBindThisProcess();
