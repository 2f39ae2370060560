#include "app/form1.h"
#include "app/single_clock.h"
#include "clock/time_source.h"
#include "platform/runtime_folder.h"

#include <QApplication>
#include <QDir>
#include <QStyleFactory>

#include <cstdio>
#include <cstring>

namespace {

// Where windows go through X11 or Wayland, a start without a display would end in Qt's abort
// with advice to reinstall. It is said plainly instead, before Qt starts.
bool DisplayMissing(int argc, char* argv[]) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0) {
            return false;
        }
    }
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    const bool noX11 = qEnvironmentVariableIsEmpty("DISPLAY");
    const bool noWayland = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    return platform.isEmpty() ? noX11 && noWayland
                              : platform.startsWith(QLatin1String("xcb")) && noX11;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return false;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    if (DisplayMissing(argc, argv)) {
        std::fputs(
            "ombrel: no display found (DISPLAY and WAYLAND_DISPLAY are not set), so the clock's\n"
            "  window has nowhere to open. Start it in a desktop session, or over ssh with X\n"
            "  forwarding (ssh -X); to try it without a screen: QT_QPA_PLATFORM=offscreen ombrel\n"
            "ombrel: 時計を表示する画面が見つかりません。デスクトップの中で起動してください。\n",
            stderr);
        return 1;
    }
    ProvideRuntimeFolder();
    QApplication app(argc, argv);
    // A second clock in the same folder would save over the first one's day: the running clock
    // comes to the front instead, and this start ends having written nothing.
    SingleClock single(QDir::currentPath());
    if (!single.IsFirst()) {
        return 0;
    }
    // Ties the window to its desktop entry: the panel shows the entry's name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("ombrel"));
    // One style on every platform, so the window looks the same wherever it runs.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    SystemTimeSource clock;
    Form1 window(clock);
    // A question the window is asking comes forward with it, on top.
    single.OnAskedForward([&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
        if (QWidget* question = QApplication::activeModalWidget()) {
            question->raise();
            question->activateWindow();
        }
    });
    window.show();
    return QApplication::exec();
}
