#pragma once

#include "records/sheet_lines.h"

#include <QList>

#include <array>
#include <optional>

// Finding a day's row by its day number. Every sheet the clock writes holds day d on line d (the
// header is line 0); a sheet edited in a spreadsheet may not: a title typed above the header, a
// header deleted, a row deleted, moved or copied. The row of a day is the line whose first field
// is that day's number.

// The day a line is the row of: its first field read as a number from 1 to 31, blanks around it
// and leading zeros ignored (" 7", "7", "07"); nothing for any other line (a header, a title, a
// note, an empty line).
std::optional<int> RowDay(const SheetLine& line);

// Whether the line holds nothing but blanks and commas: a row emptied in a spreadsheet, or an
// empty line.
bool IsEmptyRow(const SheetLine& line);

enum class DayRowFinding { Found, Missing, Duplicated };

struct DayRowPlace {
    DayRowFinding finding = DayRowFinding::Missing;
    // Found: the line, counting from 0. In a sheet that keeps the clock's layout it may be a line
    // the file does not reach yet, or an emptied one.
    qsizetype line = -1;
    // Duplicated: every line that holds the day.
    QList<qsizetype> lines;

    // Whether the row stands where the clock puts it; the header's place is then line 0.
    bool atOwnLine(int day) const { return finding == DayRowFinding::Found && line == day; }
};

// Where each day's row is among a sheet's lines.
class DayRows {
public:
    explicit DayRows(const QList<SheetLine>& lines);

    // The one line that holds the day. Where none does and the sheet keeps the clock's layout
    // (every day row on its own line), the day's own line is its place when the file ends before
    // it or it holds nothing but blanks and commas (a row emptied in a spreadsheet).
    DayRowPlace find(int day) const;

private:
    QList<SheetLine> lines_;  // shared with the caller's list, not copied
    std::array<QList<qsizetype>, 32> rowsOfDay_;
    bool clockLayout_ = true;
};
