#pragma once

#include "records/day_rows.h"
#include "records/month_sheet.h"
#include "records/recorded_day.h"

#include <QDate>
#include <QString>

#include <optional>

// A save of one day. The sheet is read as it stands on disk right before the write, and only the
// saved day's row (found by its day number) and, where the sheet keeps the clock's layout, the
// header are replaced: every other line goes back exactly as it is there, whatever this window or
// another copy of the clock held, so a row corrected in a spreadsheet or saved by another clock
// meanwhile is never written over. Two saves of one sheet take turns (sheet_lock.h), so neither
// reads the sheet while the other is writing it.
struct DayToSave {
    QString appDir;
    QString userName;
    QDate date;  // the day whose row is saved; its month names the sheet
    QString inHour;
    QString inMinute;
    QString outHour;
    QString outMinute;
    QString reasons;
    // The end time and reasons the saving window last saw in the day's row on disk, read there or
    // written by itself. Any other end or reasons found there were put there by someone else:
    // another copy of the clock closed the day, or a person corrected it.
    DayEnd known;
    // Whether such an end is replaced; when not, nothing is written and `foreignEnd` tells.
    bool replaceForeignEnd = false;
};

struct DaySaveResult {
    // The sheet's read and write: fails when a sheet is there that could not be read (or is not a
    // sheet at all: a link, a FIFO, a file far too large), when another save of it did not finish
    // in time (FileFailure::Busy), or when the write failed. Nothing was written over the sheet
    // either way.
    FileOutcome outcome;
    // No line of the sheet, or more than one, holds the day: nothing was written. `place` says.
    bool rowUnclear = false;
    DayRowPlace place;
    // The end time and reasons someone else put into the day's row: nothing was written.
    std::optional<DayEnd> foreignEnd;
    // The day's row as it stands, when its in-time is none the clock can read (recorded_day.h):
    // nothing was written, so that the person's text is put right by the person.
    std::optional<QString> unreadableInTime;
    SheetTable lines;  // when saved: the sheet's first lines as they now stand on disk
    QString row;       // when saved: the day's row as written
    // The in-time the day's row now holds: the one already on disk wins over the window's.
    QString inHour;
    QString inMinute;
    bool inTimeFromDisk = false;

    bool ok() const { return outcome.ok() && !rowUnclear && !foreignEnd && !unreadableInTime; }
};

// The day's row as a save would find it, without saving: `row` holds it as it stands (empty in a
// sheet that is not there yet), or the result says why no save could write it. For a question
// asked before a save, so that a row the save would refuse is put right first.
DaySaveResult LookAtDayRow(const QString& appDir, const QString& userName, const QDate& date);

// Puts the day into its month sheet. `held` is what the window holds of that month: it is written
// only when the sheet is not on disk at all.
DaySaveResult SaveDay(const DayToSave& day, const SheetTable& held);
