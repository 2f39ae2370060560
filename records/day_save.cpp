#include "records/day_save.h"

#include "records/sheet_layout.h"
#include "records/sheet_lock.h"

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

namespace {

// The sheet a save of `date` starts from: on disk, or what the window holds when there is none.
struct SheetAtSave {
    SheetFile sheet;
    bool onDisk = false;
    QString current;  // the day's row as it stands
};

// Reads the sheet at `path` and finds the day's row, as a save needs them; false, with the
// result saying why, when no save could write the row.
bool ReadForSave(const QString& path, const QString& userName, int day, const SheetTable& held,
                 DaySaveResult& result, SheetAtSave& at) {
    result.outcome = FileOutcome::done(path);
    if (auto refused = SeparatorInName(path, userName)) {
        result.outcome = *refused;
        return false;
    }
    at.onDisk = FileExists(path);
    at.sheet = at.onDisk ? ReadWholeSheet(path) : HeldSheet(held);
    if (at.onDisk && !at.sheet.read.outcome.ok()) {
        result.outcome = at.sheet.read.outcome;
        return false;
    }
    result.place = DayRows(at.sheet.lines).find(day);
    if (result.place.finding != DayRowFinding::Found) {
        result.rowUnclear = true;
        return false;
    }
    const qsizetype line = result.place.line;
    at.current = line < at.sheet.lines.size() ? at.sheet.lines[line].text() : QString();
    if (at.onDisk && InTimeUnreadable(at.current)) {
        result.unreadableInTime = at.current;
        return false;
    }
    return true;
}

}  // namespace

DaySaveResult LookAtDayRow(const QString& appDir, const QString& userName, const QDate& date) {
    DaySaveResult result;
    SheetAtSave at;
    if (ReadForSave(MonthSheetPath(appDir, userName, date), userName, date.day(), BlankMonth(),
                    result, at)) {
        result.row = at.current;
    }
    return result;
}

DaySaveResult SaveDay(const DayToSave& day, const SheetTable& held) {
    DaySaveResult result;
    const QString path = MonthSheetPath(day.appDir, day.userName, day.date);
    if (auto refused = SeparatorInName(path, day.userName)) {
        result.outcome = *refused;
        return result;
    }
    // From the read to the rename no other save of this sheet runs: its row would be lost.
    const SheetLock lock(path);
    if (!lock.held()) {
        result.outcome = lock.outcome();
        return result;
    }
    SheetAtSave at;
    const int dayNumber = day.date.day();
    if (!ReadForSave(path, day.userName, dayNumber, held, result, at)) {
        return result;
    }
    SheetFile& sheet = at.sheet;
    const bool onDisk = at.onDisk;
    const QString& current = at.current;
    const qsizetype line = result.place.line;

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
