// What one tick costs in heap allocations: the clock's Timer1_Timer against the floor program
// setting its time label, each followed by the repaint it causes. Both windows run on the offscreen
// platform in this process; the clock resumes an open day in a fresh folder and is driven by a
// clock that moves one second per tick, so every tick changes the label as it does on a desk.
//
//   ombrel_tick_probe [ticks]
#include "app/form1.h"
#include "bench/allocation_counter.h"
#include "bench/figures.h"
#include "bench/floor_window.h"
#include "bench/open_day_folder.h"

#include <QApplication>
#include <QLabel>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

struct TickCost {
    AllocationCount handler;
    AllocationCount repaint;
};

// Runs `tick` `count` times, each after `advance` (not counted) has moved the time on by a second;
// after each, events are processed until `label` has been repainted.
TickCost Measure(int count, QLabel* label, const std::function<void()>& advance,
                 const std::function<void()>& tick) {
    PaintCounter painted(label);
    TickCost total;
    for (int i = 0; i < count; ++i) {
        advance();
        BeginCountingAllocations();
        tick();
        const AllocationCount handler = EndCountingAllocations();
        const int before = painted.paints;
        BeginCountingAllocations();
        for (int spin = 0; spin < 200 && painted.paints == before; ++spin) {
            QCoreApplication::processEvents();
            if (painted.paints == before) {
                QThread::usleep(500);
            }
        }
        const AllocationCount repaint = EndCountingAllocations();
        if (painted.paints == before) {
            std::fprintf(stderr, "tick %d: the label was not repainted\n", i);
            std::exit(1);
        }
        total.handler.calls += handler.calls;
        total.handler.bytes += handler.bytes;
        total.repaint.calls += repaint.calls;
        total.repaint.bytes += repaint.bytes;
    }
    return total;
}

AllocationCount CountOnce(const std::function<void()>& work) {
    BeginCountingAllocations();
    work();
    return EndCountingAllocations();
}

void Print(const std::string& name, double clock, double floor, const std::string& unit,
           Figure::Target target) {
    Figure figure{name, clock, floor, unit, target, 1.0, 1};
    std::printf("%s\n", Row(figure).c_str());
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const int ticks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 120;

    QTemporaryDir folder;
    const QDateTime start(QDate::currentDate(), QTime(12, 0, 0));
    if (!folder.isValid() || !WriteOpenDayFolder(folder.path(), start)) {
        std::fprintf(stderr, "cannot make the working folder\n");
        return 1;
    }
    ManualClock manual(start);
    Form1 form(manual, folder.path());
    if (!form.Timer1->isActive() || !form.State().ClockedIn) {
        std::fprintf(stderr, "the clock did not resume the open day\n");
        return 1;
    }
    // Driven by hand from here; the timers would only add ticks of their own.
    form.Timer1->stop();
    form.show();
    FloorWindow floor;
    floor.timer->stop();
    floor.move(300, 0);
    floor.show();
    if (!QTest::qWaitForWindowExposed(&form) || !QTest::qWaitForWindowExposed(&floor)) {
        std::fprintf(stderr, "the windows were not shown\n");
        return 1;
    }

    QTime floorTime = start.time();
    const auto clockAdvance = [&] { manual.advance(1); };
    const auto clockTick = [&] { form.Timer1_Timer(); };
    const auto floorAdvance = [&] { floorTime = floorTime.addSecs(1); };
    const auto floorTick = [&] { floor.ShowTime(floorTime); };
    Measure(5, form.Label2, clockAdvance, clockTick);  // the first paints lay out and cache glyphs
    Measure(5, floor.timeLabel, floorAdvance, floorTick);
    const TickCost clock = Measure(ticks, form.Label2, clockAdvance, clockTick);
    const TickCost bare = Measure(ticks, floor.timeLabel, floorAdvance, floorTick);

    // The reading of the system clock each tick starts with, which the hand-driven clock skips.
    const SystemTimeSource system;
    const AllocationCount clockReading = CountOnce([&] { (void)system.now(); });
    const AllocationCount floorReading = CountOnce([] { (void)QTime::currentTime(); });

    const double n = ticks;
    std::fprintf(stderr,
                 "per tick over %d ticks: clock handler %.2f allocations (%.0f bytes), repaint "
                 "%.2f (%.0f bytes); floor handler %.2f (%.0f bytes), repaint %.2f (%.0f bytes)\n",
                 ticks, double(clock.handler.calls) / n, double(clock.handler.bytes) / n,
                 double(clock.repaint.calls) / n, double(clock.repaint.bytes) / n,
                 double(bare.handler.calls) / n, double(bare.handler.bytes) / n,
                 double(bare.repaint.calls) / n, double(bare.repaint.bytes) / n);
    Print("heap allocations per tick, handler (Timer1_Timer / setText)",
          double(clock.handler.calls) / n, double(bare.handler.calls) / n, "",
          Figure::Target::RatioAtMost);
    Print("heap allocations per tick, repaint of the label", double(clock.repaint.calls) / n,
          double(bare.repaint.calls) / n, "", Figure::Target::None);
    Print("heap allocations per system clock reading", double(clockReading.calls),
          double(floorReading.calls), "", Figure::Target::None);
    return 0;
}
