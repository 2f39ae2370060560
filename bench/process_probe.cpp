#include "bench/process_probe.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

std::int64_t MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Runs in the child between fork and exec: only calls that are safe there, and the parent is
// single-threaded, so setenv is too.
[[noreturn]] void ExecInChild(const Launch& launch, int reportFd) {
    if (chdir(launch.folder.c_str()) != 0) {
        _exit(126);
    }
    const int log = open(launch.logFile.empty() ? "/dev/null" : launch.logFile.c_str(),
                         O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (log >= 0) {
        dup2(log, STDOUT_FILENO);
        dup2(log, STDERR_FILENO);
    }
    for (const std::string& setting : launch.settings) {
        putenv(const_cast<char*>(setting.c_str()));
    }
    if (reportFd >= 0) {
        // The clock starts at the exec itself; the program reports its first frame on the same
        // pipe.
        const std::string line = "exec " + std::to_string(MonotonicNanoseconds()) + "\n";
        if (write(reportFd, line.data(), line.size()) < 0) {
            _exit(126);
        }
    }
    execl(launch.program.c_str(), launch.program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
}

pid_t Fork(const Launch& launch, int reportFd) {
    const pid_t pid = fork();
    if (pid < 0) {
        throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    }
    if (pid == 0) {
        ExecInChild(launch, reportFd);
    }
    return pid;
}

std::int64_t FieldOf(const std::string& path, const std::string& key) {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key + ":", 0) == 0) {
            return std::strtoll(line.c_str() + key.size() + 1, nullptr, 10);
        }
    }
    return 0;
}

// The fields of /proc/PID/stat after the command name, which may itself hold blanks.
std::vector<std::string> StatFields(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> fields;
    const auto close = text.rfind(')');
    if (close == std::string::npos) {
        return fields;
    }
    std::istringstream rest(text.substr(close + 1));
    std::string field;
    while (rest >> field) {
        fields.push_back(field);
    }
    return fields;
}

}  // namespace

pid_t Start(const Launch& launch) {
    return Fork(launch, -1);
}

void Stop(pid_t pid) {
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

bool Running(pid_t pid) {
    const std::vector<std::string> fields = StatFields(pid);
    return !fields.empty() && fields[0] != "Z" && fields[0] != "X";
}

std::optional<double> TimeToFirstFrame(Launch launch, const std::string& hookLibrary,
                                       int timeoutSeconds) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    }
    const int reportFd = fcntl(fds[1], F_DUPFD, 10);  // a copy without close-on-exec
    launch.settings.push_back("LD_PRELOAD=" + hookLibrary);
    launch.settings.push_back("OMBREL_BENCH_FRAME_FD=" + std::to_string(reportFd));
    const pid_t pid = Fork(launch, reportFd);
    close(reportFd);
    close(fds[1]);

    std::string report;
    const std::int64_t deadline =
        MonotonicNanoseconds() + std::int64_t(timeoutSeconds) * 1000000000;
    for (;;) {
        const std::int64_t left = (deadline - MonotonicNanoseconds()) / 1000000;
        pollfd ready{fds[0], POLLIN, 0};
        if (left <= 0 || poll(&ready, 1, int(left)) <= 0) {
            break;
        }
        char buffer[256];
        const ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n <= 0) {
            break;  // the program ended: with its report, or without one
        }
        report.append(buffer, size_t(n));
    }
    close(fds[0]);
    kill(pid, SIGKILL);  // nothing when it has ended already
    int status = 0;
    waitpid(pid, &status, 0);

    long long started = 0;
    long long framed = 0;
    if (std::sscanf(report.c_str(), "exec %lld\nframe %lld", &started, &framed) != 2) {
        return std::nullopt;
    }
    return double(framed - started) / 1e6;
}

Resident ResidentOf(pid_t pid) {
    const std::string status = "/proc/" + std::to_string(pid) + "/status";
    return {FieldOf(status, "VmRSS"), FieldOf(status, "RssAnon"), FieldOf(status, "RssFile"),
            FieldOf(status, "RssShmem")};
}

CpuTime CpuTimeOf(pid_t pid) {
    CpuTime used;
    const std::vector<std::string> fields = StatFields(pid);
    // utime and stime are fields 14 and 15 of the line, 12 and 13 after the command name.
    if (fields.size() > 12) {
        used.ticks = std::stoll(fields[11]) + std::stoll(fields[12]);
    }
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    if (DIR* dir = opendir(tasks.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.') {
                continue;
            }
            std::ifstream in(tasks + "/" + entry->d_name + "/schedstat");
            std::int64_t runNanoseconds = 0;
            if (in >> runNanoseconds) {
                used.nanoseconds += runNanoseconds;
            }
        }
        closedir(dir);
    }
    return used;
}

long TicksPerSecond() {
    return sysconf(_SC_CLK_TCK);
}
