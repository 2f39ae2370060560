// Checks that the measuring tools measure what their figures say: the working folder opens a day
// in the real window, the first-frame hook reports from inside a program, the /proc readings are
// live, and a figure's verdict falls on the right side of its target. scripts/bench runs these
// before it measures anything.
#include "app/form1.h"
#include "bench/figures.h"
#include "bench/open_day_folder.h"
#include "bench/process_probe.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>

namespace {

TEST(OpenDayFolder, clockStartedThere_resumesAnOpenDayAndTicks) {
    const QDate december(2026, 12, 7);
    const struct {
        const char* when;
        QDateTime now;
    } cases[] = {
        {"mid-morning", QDateTime(december, QTime(10, 15, 30))},
        {"just after midnight", QDateTime(december, QTime(0, 0, 30))},
        {"first day of a month", QDateTime(QDate(2026, 12, 1), QTime(8, 0))},
        {"last day of a month", QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.when);
        QTemporaryDir folder;
        ASSERT_TRUE(WriteOpenDayFolder(folder.path(), c.now));
        ManualClock clock(c.now);
        Form1 form(clock, folder.path());
        EXPECT_TRUE(form.State().ClockedIn);
        EXPECT_TRUE(form.Timer1->isActive());
        EXPECT_EQ(form.Label2->text(), c.now.time().toString(QStringLiteral("HH:mm:ss")));
    }
}

TEST(FirstFrameHook, floorProgram_reportsItsFirstFrameAndEnds) {
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString();
    const std::optional<double> ms = TimeToFirstFrame(
        {OMBREL_FLOOR_PROGRAM, path, {"QT_QPA_PLATFORM=offscreen"}, {}}, OMBREL_FIRST_FRAME_HOOK);
    ASSERT_TRUE(ms.has_value());
    EXPECT_GT(*ms, 0);
}

TEST(ProcessProbe, readsThisProcessMemoryAndGrowingCpuTime) {
    const Resident resident = ResidentOf(getpid());
    EXPECT_GT(resident.total, 0);
    // The kernel reads its per-CPU counters for each figure on its own: they may disagree by a
    // few pages.
    constexpr std::int64_t kSlackKiB = 64;
    EXPECT_GE(resident.total + kSlackKiB, resident.anonymous + resident.file);
    const CpuTime before = CpuTimeOf(getpid());
    volatile double sink = 0;
    for (int i = 0; i < 20000000; ++i) {
        sink = sink + std::sqrt(double(i));
    }
    EXPECT_GT(CpuTimeOf(getpid()).nanoseconds, before.nanoseconds);
}

TEST(Figures, verdictFallsOnTheRightSideOfTheTarget) {
    using T = Figure::Target;
    const struct {
        Figure figure;
        bool met;
    } cases[] = {
        {{"ratio at the limit", 12, 10, "ms", T::RatioAtMost, 1.2, 1}, true},
        {{"ratio above", 12.1, 10, "ms", T::RatioAtMost, 1.2, 1}, false},
        {{"excess at the limit", 34, 30, "MiB", T::ExcessAtMost, 4, 1}, true},
        {{"excess above", 34.1, 30, "MiB", T::ExcessAtMost, 4, 1}, false},
        {{"no target", 100, 1, "µs", T::None, 0, 1}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.figure.name);
        EXPECT_EQ(Met(c.figure), c.met);
        EXPECT_EQ(Row(c.figure).find("missed") != std::string::npos, !c.met);
    }
    EXPECT_EQ(Row(cases[0].figure),
              "| ratio at the limit | 12.0 ms | 10.0 ms | 1.20x | ≤ 1.2x | met |");
}

TEST(Figures, medianOfOddEvenAndNoValues) {
    EXPECT_EQ(Median({5, 1, 3}), 3);
    EXPECT_EQ(Median({4, 1, 3, 2}), 2.5);
    EXPECT_EQ(Median({}), 0);
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
