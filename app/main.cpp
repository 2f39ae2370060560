#include "form1.h"
#include "time_source.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // One style on every platform, so the buttons paint their face in their back colour.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    SystemTimeSource clock;
    Form1 window(clock);
    window.show();
    return QApplication::exec();
}
