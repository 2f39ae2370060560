// Saving and loading the month sheet: the whole month written (WriteSheetFile on this month's
// sheet: a temporary file beside the sheet, flushed to disk and renamed over it), the save OUT
// makes (SaveDay: the sheet read as it stands, then written with the header and today's row
// replaced) and the month read (ReadSheetFile), against the least a Qt program can do for the
// same file: one QStringEncoder call over the whole text and a QSaveFile, or a QFile read and one
// QStringDecoder call. The save's lock beside the sheet (SheetLock, taken and let go) is timed
// alone, against the whole save at OUT it is part of. The folder is made in the current directory, so the figures are those of
// the disk the program is run on, not of a memory file system.
//
//   ombrel_sheet_bench [Google Benchmark flags]
#include "bench/figures.h"
#include "bench/open_day_folder.h"
#include "clock/work_clock.h"
#include "records/day_save.h"
#include "records/month_sheet.h"
#include "records/sheet_lock.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <iostream>
#include <map>
#include <string>

namespace {

QTemporaryDir* folder = nullptr;

// The window state and the month's lines, as the clock holds them.
struct SheetState : WindowState {
    SheetTable SheetLines;
};

// This month's sheet as the clock holds it after reading it from disk at start-up.
SheetState ReadState() {
    SheetState state;
    state.AppDir = folder->path();
    CaptureDate(state, QDateTime::currentDateTime());
    if (!ReadSheetFile(MonthSheetPath(state, kBenchUserName), state.SheetLines).outcome.ok()) {
        std::fprintf(stderr, "cannot read the month sheet in %s\n", qPrintable(folder->path()));
        std::exit(1);
    }
    return state;
}

// Every row as text only, so that every one is encoded on the way out (a month begun in memory).
SheetState ComposedState() {
    SheetState state = ReadState();
    for (SheetLine& line : state.SheetLines) {
        line = QString(line.text());
    }
    return state;
}

void Write(benchmark::State& bench, const SheetState& state) {
    for (auto _ : bench) {
        if (!WriteSheetFile(MonthSheetPath(state, kBenchUserName), state.SheetLines).ok()) {
            bench.SkipWithError("WriteMonthSheet failed");
            break;
        }
    }
}

void BM_WriteMonthSheet(benchmark::State& bench) {
    Write(bench, ComposedState());
}

// The save OUT makes: the sheet read as it stands on disk, the header and today's row composed
// anew, the other rows written back as read.
void BM_SaveDay_AtOut(benchmark::State& bench) {
    const SheetState state = ReadState();
    const QDate today = QDate::currentDate();
    // The row is replaced whatever end time it holds, as after the person's yes to the question.
    const DayToSave day{state.AppDir,
                        kBenchUserName,
                        today,
                        QStringLiteral("08"),
                        QStringLiteral("00"),
                        QStringLiteral("17"),
                        QStringLiteral("30"),
                        QStringLiteral("AD"),
                        DayEnd{},
                        true};
    for (auto _ : bench) {
        if (!SaveDay(day, state.SheetLines).ok()) {
            bench.SkipWithError("SaveDay failed");
            break;
        }
    }
}

// What the lock adds to every save: its file made beside the sheet, written, and removed.
void BM_SheetLock(benchmark::State& bench) {
    const QString path = MonthSheetPath(ReadState(), kBenchUserName);
    for (auto _ : bench) {
        const SheetLock lock(path);
        if (!lock.held()) {
            bench.SkipWithError("SheetLock not taken");
            break;
        }
    }
}

void BM_FloorWrite(benchmark::State& bench) {
    const SheetState state = ComposedState();
    QString text;
    for (int i = 0; i < 32; ++i) {
        text += state.SheetLines[size_t(i)].text() + QStringLiteral("\r\n");
    }
    const QString path = MonthSheetPath(state, kBenchUserName);
    QStringEncoder encoder("windows-31j");
    for (auto _ : bench) {
        const QByteArray bytes = encoder(text);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.commit()) {
            bench.SkipWithError("QSaveFile failed");
            break;
        }
    }
}

void BM_ReadMonthSheet(benchmark::State& bench) {
    SheetState state = ReadState();
    for (auto _ : bench) {
        if (ReadSheetFile(MonthSheetPath(state, kBenchUserName), state.SheetLines).linesRead !=
            32) {
            bench.SkipWithError("ReadMonthSheet read a short sheet");
            break;
        }
    }
}

void BM_FloorRead(benchmark::State& bench) {
    const QString path = MonthSheetPath(ReadState(), kBenchUserName);
    QStringDecoder decoder("windows-31j");
    for (auto _ : bench) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            bench.SkipWithError("QFile failed");
            break;
        }
        const QString text = decoder(file.readAll());
        benchmark::DoNotOptimize(text.split(QStringLiteral("\r\n")));
    }
}

BENCHMARK(BM_WriteMonthSheet)->UseRealTime();
BENCHMARK(BM_SaveDay_AtOut)->UseRealTime();
BENCHMARK(BM_SheetLock)->UseRealTime();
BENCHMARK(BM_FloorWrite)->UseRealTime();
BENCHMARK(BM_ReadMonthSheet)->UseRealTime();
BENCHMARK(BM_FloorRead)->UseRealTime();

// Prints as usual and keeps the median of each benchmark's repetitions, in microseconds.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    MedianReporter() : ConsoleReporter(OO_None) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                medians[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) *
                    1e6;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> medians;
};

}  // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir here(QDir::current().filePath(QStringLiteral("sheet-bench-XXXXXX")));
    folder = &here;
    if (!here.isValid() || !WriteOpenDayFolder(here.path(), QDateTime::currentDateTime())) {
        std::fprintf(stderr, "cannot make the working folder in %s\n",
                     qPrintable(QDir::currentPath()));
        return 1;
    }
    // Repetitions interleaved at random, so that the disk's slow moments fall on every benchmark.
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=9";
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    std::string minTime = "--benchmark_min_time=0.2";
    args.insert(args.begin() + 1,
                {repetitions.data(), interleave.data(), aggregates.data(), minTime.data()});
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) {
        return 1;
    }
    // The usual table goes with the other details to standard error; standard output carries only
    // the figures.
    MedianReporter reporter;
    reporter.SetOutputStream(&std::cerr);
    reporter.SetErrorStream(&std::cerr);
    benchmark::SetDefaultTimeUnit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto median = [&](const char* name) {
        const auto found = reporter.medians.find(name);
        return found == reporter.medians.end() ? 0.0 : found->second;
    };
    const auto print = [&](const char* name, const char* clock, const char* floor, bool target) {
        if (median(clock) <= 0 || median(floor) <= 0) {
            return;  // filtered out
        }
        Figure figure{name,
                      median(clock),
                      median(floor),
                      "µs",
                      target ? Figure::Target::RatioAtMost : Figure::Target::None,
                      1.3,
                      1};
        std::printf("%s\n", Row(figure).c_str());
    };
    print("save: WriteMonthSheet, every row encoded (median)", "BM_WriteMonthSheet",
          "BM_FloorWrite", true);
    print("save at OUT: SaveDay, sheet read first, two rows encoded (median)", "BM_SaveDay_AtOut",
          "BM_FloorWrite", true);
    print("load: ReadMonthSheet (median)", "BM_ReadMonthSheet", "BM_FloorRead", false);
    print("the save's lock: SheetLock taken and let go, against the save at OUT (median)",
          "BM_SheetLock", "BM_SaveDay_AtOut", false);
    return 0;
}
