#include "form1.h"
#include "time_source.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Ties the window to its desktop entry: the panel shows the entry's name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("ombrel"));
    // One style on every platform, so the window looks the same wherever it runs.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    SystemTimeSource clock;
    Form1 window(clock);
    window.show();
    return QApplication::exec();
}
