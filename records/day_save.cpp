#include "day_save.h"

#include "recorded_day.h"

DaySaveResult SaveDay(const DayToSave& day, const SheetTable& held) {
    DaySaveResult result;
    const QString path = MonthSheetPath(day.appDir, day.userName, day.date);
    result.written.path = path;
    if (auto refused = SeparatorInName(path, day.userName)) {
        result.written = *refused;
        return result;
    }
    // Rows the window never filled (a table not read from any sheet) are written blank.
    SheetTable lines = held;
    const SheetTable blank = BlankMonth();
    for (int d = 1; d <= 31; ++d) {
        if (!lines[size_t(d)].isFromDisk() && lines[size_t(d)].text().isEmpty()) {
            lines[size_t(d)] = blank[size_t(d)];
        }
    }
    const bool onDisk = FileExists(path);
    if (onDisk) {
        // Days a short sheet lacks come back as blank rows, never as empty lines.
        lines = BlankMonth();
        result.read = ReadSheetFile(path, lines);
        if (!result.read.opened || !result.read.error.isEmpty()) {
            result.sheetUnreadable = true;
            return result;
        }
    }
    const int index = day.date.day();
    result.inHour = day.inHour;
    result.inMinute = day.inMinute;
    if (const auto recorded = onDisk ? RecordedDayOf(lines[size_t(index)].text()) : std::nullopt) {
        result.inHour = recorded->inHour;
        result.inMinute = recorded->inMinute;
        result.inTimeFromDisk = true;
    }
    lines[0] = ComposeHeaderRow(day.date.month(), day.userName);
    lines[size_t(index)] = ComposeDayRow(index, result.inHour, result.inMinute, day.outHour,
                                         day.outMinute, day.reasons);
    result.written = WriteSheetFile(path, lines, result.read.rest, result.read.encoding);
    result.ok = result.written.ok;
    if (result.ok) {
        result.lines = lines;
    }
    return result;
}
