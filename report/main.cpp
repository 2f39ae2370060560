// ombrel-report: overtime from the clock's month sheets, for one person or a whole staff.

#include "report_options.h"
#include "report_run.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const QDate today = QDate::currentDate();
    const OptionsParse parse = ParseOptions(arguments, today);
    if (parse.outcome == OptionsParse::Outcome::Help) {
        std::fputs(HelpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (parse.outcome == OptionsParse::Outcome::Error) {
        return FailWith(parse.error + QStringLiteral(" (使い方は --help)"));
    }
    // Charts need fonts and so a GUI application, but never a screen.
    std::unique_ptr<QCoreApplication> app;
    if (parse.options.format == OutputFormat::Png) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    return RunReport(parse.options, today);
}
