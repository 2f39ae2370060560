// Start-up: exec to the first frame of the window, the clock against the floor program, both
// started in a folder where the clock resumes an open day. Runs alternate (clock, floor, floor,
// clock, ...) so that a machine that slows down or speeds up on the way weighs on both alike.
//
//   ombrel_bench_startup [runs]     on the platform QT_QPA_PLATFORM names
#include "bench/figures.h"
#include "bench/open_day_folder.h"
#include "bench/process_probe.h"

#include <QDateTime>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

struct Series {
    const char* label;
    Launch launch;
    std::vector<double> milliseconds;
    int failures = 0;
};

void RunOnce(Series& series, const std::string& hook, bool counted) {
    const std::optional<double> ms = TimeToFirstFrame(series.launch, hook);
    if (!ms) {
        ++series.failures;
        std::fprintf(stderr, "  %s: no first frame reported (log: %s)\n", series.label,
                     series.launch.logFile.c_str());
        return;
    }
    if (counted) {
        series.milliseconds.push_back(*ms);
    }
}

void Describe(const Series& series) {
    std::vector<double> sorted = series.milliseconds;
    std::sort(sorted.begin(), sorted.end());
    std::fprintf(stderr, "  %-6s median %.1f ms, min %.1f, max %.1f over %zu runs\n", series.label,
                 Median(sorted), sorted.front(), sorted.back(), sorted.size());
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    const std::string platform = WindowPlatform();
    const auto folder = MakeOpenDayFolder();
    if (!folder) {
        return 1;
    }
    const std::string path = folder->path().toStdString();
    Series clock{"clock", {OMBREL_CLOCK_PROGRAM, path, {}, path + "/clock.log"}, {}};
    Series floor{"floor", {OMBREL_FLOOR_PROGRAM, path, {}, path + "/floor.log"}, {}};
    const std::string hook = OMBREL_FIRST_FRAME_HOOK;

    // Two runs each to fill the caches (files, fonts) before anything counts.
    for (int i = 0; i < 2; ++i) {
        RunOnce(clock, hook, false);
        RunOnce(floor, hook, false);
    }
    for (int i = 0; i < runs; ++i) {
        Series& first = i % 2 ? floor : clock;
        Series& second = i % 2 ? clock : floor;
        RunOnce(first, hook, true);
        RunOnce(second, hook, true);
    }
    if (clock.milliseconds.empty() || floor.milliseconds.empty() ||
        clock.failures + floor.failures > 2) {
        std::fprintf(stderr, "start-up on %s: too many runs without a first frame\n",
                     platform.c_str());
        folder->setAutoRemove(false);
        return 1;
    }
    std::fprintf(stderr, "start-up on %s, exec to first frame:\n", platform.c_str());
    Describe(clock);
    Describe(floor);

    Figure figure;
    figure.name =
        "start-up, exec to first frame, " + platform + " (median of " + std::to_string(runs) + ")";
    figure.clock = Median(clock.milliseconds);
    figure.floor = Median(floor.milliseconds);
    figure.unit = "ms";
    figure.target = Figure::Target::RatioAtMost;
    figure.limit = 1.1;
    std::printf("%s\n", Row(figure).c_str());
    return 0;
}
