// Memory and the tick: the clock with a day open (its label repainted every second) and the floor
// program, running side by side so that the machine's other load weighs on both alike. Resident
// memory is read a few seconds after start; CPU time is counted over the span that follows.
//
//   ombrel_bench_idle [settle seconds] [span seconds]     on the platform QT_QPA_PLATFORM names
#include "bench/figures.h"
#include "bench/open_day_folder.h"
#include "bench/process_probe.h"

#include <QDateTime>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

constexpr double kKiBPerMiB = 1024;

void Describe(const char* label, const Resident& resident, const CpuTime& used) {
    std::fprintf(stderr,
                 "  %-6s VmRSS %.1f MiB (anonymous %.1f, file %.1f, shared %.1f); CPU %.1f ms "
                 "(utime+stime %lld ticks of %ld/s)\n",
                 label, double(resident.total) / kKiBPerMiB,
                 double(resident.anonymous) / kKiBPerMiB, double(resident.file) / kKiBPerMiB,
                 double(resident.shared) / kKiBPerMiB, double(used.nanoseconds) / 1e6,
                 static_cast<long long>(used.ticks), TicksPerSecond());
}

CpuTime Since(const CpuTime& before, const CpuTime& after) {
    return {after.nanoseconds - before.nanoseconds, after.ticks - before.ticks};
}

}  // namespace

int main(int argc, char* argv[]) {
    const int settle = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int span = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
    const std::string platform = WindowPlatform();
    const auto folder = MakeOpenDayFolder();
    if (!folder) {
        return 1;
    }
    const std::string path = folder->path().toStdString();
    const pid_t clock = Start({OMBREL_CLOCK_PROGRAM, path, {}, path + "/clock.log"});
    const pid_t floor = Start({OMBREL_FLOOR_PROGRAM, path, {}, path + "/floor.log"});

    std::this_thread::sleep_for(std::chrono::seconds(settle));
    const Resident clockResident = ResidentOf(clock);
    const Resident floorResident = ResidentOf(floor);
    const CpuTime clockBefore = CpuTimeOf(clock);
    const CpuTime floorBefore = CpuTimeOf(floor);
    std::this_thread::sleep_for(std::chrono::seconds(span));
    const CpuTime clockUsed = Since(clockBefore, CpuTimeOf(clock));
    const CpuTime floorUsed = Since(floorBefore, CpuTimeOf(floor));
    const bool bothRan = Running(clock) && Running(floor);
    Stop(clock);
    Stop(floor);
    if (!bothRan || clockResident.total == 0 || floorResident.total == 0) {
        std::fprintf(stderr, "%s: a program ended early; logs in %s\n", platform.c_str(),
                     path.c_str());
        folder->setAutoRemove(false);
        return 1;
    }

    std::fprintf(stderr, "%s, %d s after start, then %d s of ticks:\n", platform.c_str(), settle,
                 span);
    Describe("clock", clockResident, clockUsed);
    Describe("floor", floorResident, floorUsed);

    Figure memory;
    memory.name = "resident memory " + std::to_string(settle) + " s after start, " + platform;
    memory.clock = double(clockResident.total) / kKiBPerMiB;
    memory.floor = double(floorResident.total) / kKiBPerMiB;
    memory.unit = "MiB";
    memory.target = Figure::Target::ExcessAtMost;
    memory.limit = 4;
    std::printf("%s\n", Row(memory).c_str());

    Figure cpu;
    cpu.name = "CPU over " + std::to_string(span) + " s with a day open, " + platform;
    cpu.clock = double(clockUsed.nanoseconds) / 1e6;
    cpu.floor = double(floorUsed.nanoseconds) / 1e6;
    cpu.unit = "ms";
    cpu.target = Figure::Target::RatioAtMost;
    cpu.limit = 1.5;
    std::printf("%s\n", Row(cpu).c_str());
    return 0;
}
