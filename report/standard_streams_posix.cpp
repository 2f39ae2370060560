#include "report/standard_streams.h"

#include "report/report_output.h"

#include <unistd.h>

#include <cstdio>

QStringList ProgramArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

void UseBinaryStandardOutput() {}

bool StandardOutputIsTerminal() {
    return isatty(STDOUT_FILENO) == 1;
}

QString WriteTextToStandardOutput(const QString& text) {
    return WriteStandardOutput(text.toUtf8());
}

void WriteTextToStandardError(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stderr);
}

QByteArray TextFileBytes(const QString& text) {
    return text.toUtf8();
}
