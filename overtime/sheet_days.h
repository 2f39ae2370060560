#pragma once

#include "clock/working_day.h"
#include "overtime/day_figures.h"
#include "overtime/days_off.h"
#include "records/sheet_lines.h"
#include "records/text_encoding.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// The days of one month sheet as the report sees them: days that count, and days that need a
// look. A day that needs a look is listed as it stands and adds nothing to the totals.

enum class LookReason {
    MissingOut,         // an in-time but no end time, on a day that is over
    StillOpen,          // an in-time but no end time, today: the day is still being worked
    EndBeforeIn,        // the end time lies before the in-time (a day left open past midnight?)
    OutWithoutIn,       // an end time but no in-time
    UnreadableRow,      // a row that is not a day row of this sheet
    DuplicateRow,       // two lines or more hold the same day: none of them counts
    DayNotInMonth,      // times on the 30th of February and the like
    MissingRows,        // the file ended before the row of day 31
    UnreadableSheet,    // the whole file
    UnreadableReasons,  // words in the reasons cell: the day counts, the cell is shown
    DuplicateSheet,     // the same person's month in another folder too: counted once
    CalendarLine,       // a line of the school calendar that was left out
    UnreadableFolder,   // a folder that could not be opened: its sheets are not counted
    AlteredText,        // text an output cannot hold as it is, shortened or marked there
    UnusableCalendar    // a school's calendar that cannot be used: its staff is not counted
};

struct LookItem {
    QString file;  // the sheet's file name, from the folder read
    int line = 0;  // 1 for the header; 0 when the whole file is meant
    int day = 0;
    LookReason reason = LookReason::UnreadableRow;
    QString detail;  // what is wrong, or the row as it stands
};

// A day listed rather than counted, with the times its row does hold.
struct UncountedDay {
    int day = 0;
    std::optional<int> inMinute;
    std::optional<int> outMinute;
};

struct DayEntry {
    int day = 0;
    int inMinute = 0;  // minutes since midnight
    int outMinute = 0;
    DayFigures figures;
    QString reasons;
    int line = 0;  // the row's line in the file, the header being 1 as the clock writes it
};

struct SheetMonth {
    QList<DayEntry> days;           // only when asked for
    QList<UncountedDay> uncounted;  // likewise
    MonthTotals totals;
    QList<LookItem> looks;
};

struct SheetContext {
    QString fileName;
    int year = 0;
    int month = 0;
    QDate today;
    int breakMinutes = kBreakMinutes;
    bool keepDays = true;
    const MonthCalendar* calendar = nullptr;  // the month's days off; none without one
    TextEncoding encoding = TextEncoding::Cp932;  // the sheet's, for a line that does not decode
};

// Reads days 1 to 31 from every line of a sheet. A day's row is the line whose first field is
// its number, wherever it stands (records/day_rows.h), as the clock finds it when it saves: a
// title above the header, or a header deleted, moves no day. Listed besides the rows that need a
// look: a day held by two lines (neither counts), a line among the days that is no day's row, the
// days of the month no line holds, and a sheet in the clock's own layout that ends early.
SheetMonth ReadSheetDays(const QList<SheetLine>& lines, const SheetContext& context);

// The row's times read back: minutes since the row's midnight (an end past the next midnight as
// 24:00 and on), or nothing for a time not set.
struct RowTimes {
    std::optional<int> in;
    std::optional<int> out;
    QString reasons;  // the letters A to K alone
};

// One day row; an error names what is wrong with it.
struct RowParse {
    bool ok = false;
    RowTimes times;
    QString error;
    // A reasons cell with more than letters ("部活動", as typed in a spreadsheet): the day still
    // counts, with the letters it does hold, and the cell is shown for a look.
    QString unreadReasons;
};
RowParse ParseDayRow(const QString& row, int day);
