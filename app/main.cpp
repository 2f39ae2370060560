#include "form1.h"
#include "single_clock.h"
#include "time_source.h"

#include <QApplication>
#include <QDir>
#include <QStyleFactory>

#ifdef Q_OS_WIN
#include "wine_keyboard.h"
#endif

int main(int argc, char* argv[]) {
#ifdef Q_OS_WIN
    LetWineGiveTheKeyboardToTheWindows();
#endif
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
