#include "tests/records/sheet_test_support.h"

#include <QDir>
#include <QFile>

#include <cstdio>

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

void PutFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write test file %s\n", qPrintable(path));
    }
}

QStringList FolderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

SheetState StateFor(const QString& appDir, const QString& year, const QString& month,
                    const QString& day) {
    SheetState state;
    state.AppDir = appDir;
    state.YearText = year;
    state.MonthText = month;
    state.DayText = day;
    return state;
}

QByteArray BlankRows(int first, int last) {
    QByteArray rows;
    for (int day = first; day <= last; ++day) {
        rows += ' ' + QByteArray::number(day) + ",,,,,\r\n";
    }
    return rows;
}

SheetReadResult ReadMonthSheet(const WindowState& state, const QString& userName,
                               SheetTable& lines) {
    return ReadSheetFile(MonthSheetPath(state, userName), lines);
}

FileOutcome WriteMonthSheet(const WindowState& state, const QString& userName,
                            const SheetTable& lines) {
    const QString path = MonthSheetPath(state, userName);
    if (auto refused = SeparatorInName(path, userName)) {
        return *refused;
    }
    return WriteSheetFile(path, lines);
}

QString ComposeHeaderRow(const WindowState& state, const QString& userName) {
    return ComposeHeaderRow(state.MonthText.toInt(), userName);
}
