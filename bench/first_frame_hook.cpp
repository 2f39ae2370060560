// Loaded with LD_PRELOAD by the start-up benchmark into the clock and the floor program alike, so
// that neither carries any measuring code of its own. When OMBREL_BENCH_FRAME_FD names an open
// file descriptor, the first top-level window's first frame is timed: once that frame has been
// painted and handed to the platform, "frame <CLOCK_MONOTONIC ns>" goes to the descriptor and the
// process ends at once.
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <unistd.h>
#include <cstdio>
#include <ctime>

namespace {

class FirstFrameFilter : public QObject {
public:
    explicit FirstFrameFilter(int fd) : fd_(fd) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            seen_ = true;
            // The paint event comes before the window is drawn and flushed; a queued call runs
            // only after the whole expose, flush included, has been handled.
            QMetaObject::invokeMethod(this, &FirstFrameFilter::Report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void Report() const {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        dprintf(fd_, "frame %lld\n",
                static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        // No teardown: the figure is the start-up, and ending here keeps every run alike.
        _exit(0);
    }

    int fd_;
    bool seen_ = false;
};

void InstallFirstFrameFilter() {
    bool ok = false;
    const int fd = qEnvironmentVariableIntValue("OMBREL_BENCH_FRAME_FD", &ok);
    if (ok && fd > 2) {
        QCoreApplication::instance()->installEventFilter(new FirstFrameFilter(fd));
    }
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstFrameFilter)
