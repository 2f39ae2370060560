#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Starting the programs under measurement and reading what the kernel knows about them.

struct Launch {
    std::string program;
    std::string folder;                 // the working folder it starts in
    std::vector<std::string> settings;  // "NAME=value" added to this process's environment
    std::string logFile;                // its standard output and error go here
};

// Starts `launch` and returns its process id; throws std::runtime_error when it cannot.
pid_t Start(const Launch& launch);

// Stops a program started by Start and waits for it.
void Stop(pid_t pid);

// Whether the program is still running (not ended and not a zombie).
bool Running(pid_t pid);

// Milliseconds from the exec of the program to its first frame, as the first-frame hook
// (preloaded from `hookLibrary`) reports it. The program ends itself once it has reported. No value
// when it did not report within `timeoutSeconds`; it is then killed.
std::optional<double> TimeToFirstFrame(Launch launch, const std::string& hookLibrary,
                                       int timeoutSeconds = 20);

// Resident memory of a running process (VmRSS and its anonymous, file and shared parts), in KiB.
struct Resident {
    std::int64_t total = 0;
    std::int64_t anonymous = 0;
    std::int64_t file = 0;
    std::int64_t shared = 0;
};
Resident ResidentOf(pid_t pid);

// CPU time a running process has used so far: the kernel's nanosecond count summed over its live
// threads, and utime + stime of /proc/PID/stat in clock ticks (coarse: 10 ms a tick).
struct CpuTime {
    std::int64_t nanoseconds = 0;
    std::int64_t ticks = 0;
};
CpuTime CpuTimeOf(pid_t pid);
long TicksPerSecond();
