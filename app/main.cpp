#include "app/form1.h"
#include "app/messages.h"
#include "app/questions.h"
#include "app/single_clock.h"
#include "app/toolkit_language.h"
#include "clock/time_source.h"
#include "platform/runtime_folder.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStyleFactory>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
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

void SayDisplayMissing() {
    std::fputs(
        "ombrel: no display found (DISPLAY and WAYLAND_DISPLAY are not set), so the clock's\n"
        "  window has nowhere to open. Start it in a desktop session, or over ssh with X\n"
        "  forwarding (ssh -X); to try it without a screen: QT_QPA_PLATFORM=offscreen ombrel\n"
        "ombrel: 時計を表示する画面が見つかりません。デスクトップの中で起動してください。\n",
        stderr);
}

QtMessageHandler qtsOwnHandler = nullptr;

// A display that is set but does not answer (an X server gone, a stale DISPLAY over ssh) ends
// Qt's start in a fatal message that advises reinstalling. Said like a missing display instead,
// with the display named; Qt's own line above it says what failed.
void SayDisplayUnreachable(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type != QtFatalMsg) {
        // "Could not load the Qt platform plugin ... even though it was found" reads as a broken
        // install; the display's own line before it says what failed.
        if (!(context.category && std::strcmp(context.category, "qt.qpa.plugin") == 0)) {
            qtsOwnHandler(type, context, message);
        }
        return;
    }
    QStringList displays;
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(name)) {
            displays << QStringLiteral("%1=%2").arg(QLatin1String(name),
                                                    qEnvironmentVariable(name));
        }
    }
    const QString shown = displays.isEmpty() ? QStringLiteral("the display") : displays.join(u' ');
    const QByteArray text =
        QStringLiteral(
            "ombrel: the display does not answer (%1), so the clock's window has nowhere to\n"
            "  open. Start it in a desktop session, or over ssh with X forwarding (ssh -X); to\n"
            "  try it without a screen: QT_QPA_PLATFORM=offscreen ombrel\n"
            "ombrel: 時計を表示する画面 (%1) につながりません。デスクトップの中で起動してください。\n")
            .arg(shown)
            .toLocal8Bit();
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    std::fflush(stderr);
    // Qt is half started: nothing of it is left to tidy up, and its abort is what this replaces.
    std::_Exit(1);
}

// The launcher found no records folder it could use: said on standard error and, with a display,
// in a window, since nobody reads standard error of a program started from the desktop's menu.
int TellUnusableFolder(int argc, char* argv[], const QString& folder) {
    const QString text = UnusableRecordsFolderMessage(folder);
    QTextStream(stderr) << QStringLiteral("ombrel: ") << text << Qt::endl;
    if (DisplayMissing(argc, argv)) {
        return 1;
    }
    ProvideRuntimeFolder();
    qtsOwnHandler = qInstallMessageHandler(SayDisplayUnreachable);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtsOwnHandler);
    SpeakJapaneseInToolkitWindows();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Ombrel"), text, QMessageBox::Ok);
    Questions::Ask(box);
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    // `ombrel --unusable-folder FOLDER`: the launcher's word that the clock must not start.
    if (argc == 3 && std::strcmp(argv[1], "--unusable-folder") == 0) {
        return TellUnusableFolder(argc - 2, argv, QString::fromLocal8Bit(argv[2]));
    }
    if (DisplayMissing(argc, argv)) {
        SayDisplayMissing();
        return 1;
    }
    ProvideRuntimeFolder();
    qtsOwnHandler = qInstallMessageHandler(SayDisplayUnreachable);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtsOwnHandler);
    // A second clock in the same folder would save over the first one's day: the running clock
    // comes to the front instead, and this start ends having written nothing.
    SingleClock single(QDir::currentPath());
    if (!single.IsFirst()) {
        QTextStream(stdout) << QStringLiteral(
                                   "ombrel: the clock of this folder (%1) is already running; "
                                   "its window has come to the front.\n"
                                   "ombrel: このフォルダーの時計はもう動いています。"
                                   "その窓を前に出しました。\n")
                                   .arg(QDir::toNativeSeparators(QDir::currentPath()));
        return 0;
    }
    SpeakJapaneseInToolkitWindows();
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
