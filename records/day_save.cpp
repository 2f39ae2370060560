#include "records/day_save.h"

#include "records/sheet_layout.h"

namespace {

// The month the window holds, for a sheet that is not on disk: rows it never filled, or that are
// not the rows of their days, are written blank.
SheetFile HeldSheet(const SheetTable& held) {
    SheetFile sheet;
    const SheetTable blank = BlankMonth();
    for (int i = 0; i < kSheetFileLines; ++i) {
        const SheetLine& line = held[size_t(i)];
        sheet.lines.append(i == 0 || RowDay(line) == i ? line : blank[size_t(i)]);
        sheet.ends.append(QByteArrayLiteral("\r\n"));
    }
    return sheet;
}

}  // namespace

DaySaveResult SaveDay(const DayToSave& day, const SheetTable& held) {
    DaySaveResult result;
    const QString path = MonthSheetPath(day.appDir, day.userName, day.date);
    result.outcome = FileOutcome::done(path);
    if (auto refused = SeparatorInName(path, day.userName)) {
        result.outcome = *refused;
        return result;
    }
    const bool onDisk = FileExists(path);
    SheetFile sheet = onDisk ? ReadWholeSheet(path) : HeldSheet(held);
    if (onDisk && !sheet.read.outcome.ok()) {
        result.outcome = sheet.read.outcome;
        return result;
    }
    const int dayNumber = day.date.day();
    result.place = DayRows(sheet.lines).find(dayNumber);
    if (result.place.finding != DayRowFinding::Found) {
        result.rowUnclear = true;
        return result;
    }
    const qsizetype line = result.place.line;
    const QString current = line < sheet.lines.size() ? sheet.lines[line].text() : QString();
    if (onDisk && InTimeUnreadable(current)) {
        result.unreadableInTime = current;
        return result;
    }

    result.inHour = day.inHour;
    result.inMinute = day.inMinute;
    if (const auto recorded = onDisk ? RecordedDayOf(current) : std::nullopt) {
        result.inHour = recorded->inHour;
        result.inMinute = recorded->inMinute;
        result.inTimeFromDisk = true;
    }
    const DayEnd onDiskEnd = DayEndOf(current);
    if (onDisk && !day.replaceForeignEnd && !onDiskEnd.isEmpty() && onDiskEnd != day.known &&
        onDiskEnd != MakeDayEnd(day.outHour, day.outMinute, day.reasons)) {
        result.foreignEnd = onDiskEnd;
        return result;
    }

    if (result.place.atOwnLine(dayNumber)) {
        // The clock's layout: line 0 is the header's, and a short sheet gets back the rows it
        // lacks as blank ones.
        const SheetTable blank = BlankMonth();
        while (sheet.lines.size() < kSheetFileLines) {
            sheet.lines.append(blank[size_t(sheet.lines.size())]);
            sheet.ends.append(QByteArrayLiteral("\r\n"));
        }
        sheet.lines[0] = ComposeHeaderRow(day.date.month(), day.userName);
    }
    result.row = ComposeDayRow(dayNumber, result.inHour, result.inMinute, day.outHour,
                               day.outMinute, day.reasons);
    sheet.lines[line] = result.row;
    result.outcome = WriteWholeSheet(path, sheet);
    if (result.outcome.ok()) {
        result.lines = BlankMonth();
        FillTable(sheet, result.lines);
    }
    return result;
}
