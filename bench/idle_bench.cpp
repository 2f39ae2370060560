// Memory and the tick: the clock with a day open (its label repainted every second) and the floor
// program, running side by side so that the machine's other load weighs on both alike. Resident
// memory is read a few seconds after start, in each of several runs; CPU time is counted over the
// span that follows in the first.
//
//   ombrel_bench_idle [settle seconds] [span seconds] [runs]   on the platform QT_QPA_PLATFORM names
#include "bench/figures.h"
#include "bench/open_day_folder.h"
#include "bench/process_probe.h"

#include <QDateTime>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

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

// One run: both programs side by side in the same folder, their resident memory `settle` seconds
// after start, and (when `span` > 0) the CPU time each uses over the `span` seconds that follow.
struct Run {
    Resident clock;
    Resident floor;
    CpuTime clockUsed;
    CpuTime floorUsed;
};

bool RunOnce(const std::string& path, int settle, int span, Run& run) {
    const pid_t clock = Start({OMBREL_CLOCK_PROGRAM, path, {}, path + "/clock.log"});
    const pid_t floor = Start({OMBREL_FLOOR_PROGRAM, path, {}, path + "/floor.log"});
    std::this_thread::sleep_for(std::chrono::seconds(settle));
    run.clock = ResidentOf(clock);
    run.floor = ResidentOf(floor);
    const CpuTime clockBefore = CpuTimeOf(clock);
    const CpuTime floorBefore = CpuTimeOf(floor);
    std::this_thread::sleep_for(std::chrono::seconds(span));
    run.clockUsed = Since(clockBefore, CpuTimeOf(clock));
    run.floorUsed = Since(floorBefore, CpuTimeOf(floor));
    const bool bothRan = Running(clock) && Running(floor);
    Stop(clock);
    Stop(floor);
    return bothRan && run.clock.total > 0 && run.floor.total > 0;
}

double MiB(std::int64_t kib) {
    return double(kib) / kKiBPerMiB;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int settle = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int span = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
    const std::string platform = WindowPlatform();
    const auto folder = MakeOpenDayFolder();
    if (!folder) {
        return 1;
    }
    const std::string path = folder->path().toStdString();

    // Resident memory moves by a few hundred KiB from one start to the next (which pages of the
    // programs and libraries the kernel maps around the ones touched): the figure is the median
    // of several runs. The CPU time is counted in the first run alone.
    std::vector<Run> done;
    for (int i = 0; i < runs; ++i) {
        Run run;
        if (!RunOnce(path, settle, i == 0 ? span : 0, run)) {
            std::fprintf(stderr, "%s: a program ended early; logs in %s\n", platform.c_str(),
                         path.c_str());
            folder->setAutoRemove(false);
            return 1;
        }
        done.push_back(run);
    }

    std::fprintf(stderr, "%s, %d s after start, %d runs; then %d s of ticks in the first:\n",
                 platform.c_str(), settle, runs, span);
    Describe("clock", done.front().clock, done.front().clockUsed);
    Describe("floor", done.front().floor, done.front().floorUsed);
    // The run whose difference is the median one stands for them all: clock and floor measured
    // side by side in it.
    std::vector<Run> byExcess = done;
    std::sort(byExcess.begin(), byExcess.end(), [](const Run& a, const Run& b) {
        return a.clock.total - a.floor.total < b.clock.total - b.floor.total;
    });
    const Run& middle = byExcess[byExcess.size() / 2];
    std::fprintf(stderr, "  resident, clock - floor in each run (MiB):");
    for (const Run& run : byExcess) {
        std::fprintf(stderr, " %.2f", MiB(run.clock.total - run.floor.total));
    }
    std::fprintf(stderr, "; the median run: clock %.2f MiB, floor %.2f MiB\n",
                 MiB(middle.clock.total), MiB(middle.floor.total));

    Figure memory;
    memory.name = "resident memory " + std::to_string(settle) + " s after start, " + platform +
                  " (median of " + std::to_string(runs) + ")";
    memory.clock = MiB(middle.clock.total);
    memory.floor = MiB(middle.floor.total);
    memory.unit = "MiB";
    memory.decimals = 2;
    memory.target = Figure::Target::ExcessAtMost;
    memory.limit = 2;
    std::printf("%s\n", Row(memory).c_str());

    const Run& first = done.front();
    Figure cpu;
    cpu.name = "CPU over " + std::to_string(span) + " s with a day open, " + platform;
    cpu.clock = double(first.clockUsed.nanoseconds) / 1e6;
    cpu.floor = double(first.floorUsed.nanoseconds) / 1e6;
    cpu.unit = "ms";
    cpu.target = Figure::Target::RatioAtMost;
    cpu.limit = 1.5;
    std::printf("%s\n", Row(cpu).c_str());
    return 0;
}
