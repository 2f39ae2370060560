#include "tests/records/sheet_test_support.h"

SheetState StateFor(const QString& appDir, const QString& year, const QString& month,
                    const QString& day) {
    SheetState state;
    state.AppDir = appDir;
    state.YearText = year;
    state.MonthText = month;
    state.DayText = day;
    return state;
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
