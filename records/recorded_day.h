#pragma once

#include "records/file_outcome.h"
#include "records/sheet_lines.h"

#include <QString>

#include <optional>

// What a day row already holds, read the way start-up and IN take a day up again: the in-time
// as written (two digits, or one from a sheet edited elsewhere), the end time and the reasons.
struct RecordedDay {
    QString inHour;
    QString inMinute;
    float inSeconds = 0;  // seconds since midnight of the in-time
    QString outHour;
    QString outMinute;
    QString reasons;  // everything after the fifth comma

    bool isClosed() const { return !outHour.isEmpty() || !outMinute.isEmpty(); }
};

// The day a row records, or nothing when the row holds no usable in-time: a cut that fails, an
// in-time the clock cannot read, or one of 00:00, which is how an untouched row reads.
std::optional<RecordedDay> RecordedDayOf(const QString& row);

// Whether the row's in-time fields hold something that is no time of day as the sheet writes it
// (sheet_layout.h): "8:30" typed into the hour field, an hour without its minute. Such a row is
// neither taken up nor saved over: half read, it would record another in-time.
bool InTimeUnreadable(const QString& row);

// The end time and the reasons of a day row, in the form two saves compare them by: times without
// the leading zeros and blanks a spreadsheet may take away, reasons without the empty fields it
// pads a row with. Empty when the row holds neither.
struct DayEnd {
    QString outHour;
    QString outMinute;
    QString reasons;

    bool isEmpty() const { return outHour.isEmpty() && outMinute.isEmpty() && reasons.isEmpty(); }
    bool operator==(const DayEnd&) const = default;
};
DayEnd MakeDayEnd(const QString& outHour, const QString& outMinute, const QString& reasons);
DayEnd DayEndOf(const QString& row);

// A sheet as start-up and IN read it: its first lines into `table`, and the row of `day`
// wherever it stands (day_rows.h). The row is empty when the sheet could not be read, and when no
// line, or more than one, holds the day.
struct DayRowRead {
    FileOutcome outcome;
    QString row;
};
DayRowRead ReadDayRow(const QString& path, int day, SheetTable& table);

// The number a text starts with, blanks anywhere ignored: "08" and " 8" give 8, "8:30" gives 8,
// "1 2" gives 12; a text that does not start with a digit gives 0.
double NumericReading(const QString& text);
