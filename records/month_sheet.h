#pragma once

#include "clock/window_state.h"
#include "records/file_outcome.h"
#include "records/sheet_lines.h"
#include "records/small_file.h"
#include "records/text_encoding.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// The month sheet: one CSV file per person and month in the working folder, CP932, CR LF, a header
// row, then the rows of days 1 to 31. The window holds the month in a SheetTable while it is open;
// a save puts only its own day's row into the sheet as it stands on disk (day_save.h).
//
// The person's name is passed in (it is the text of the name box), because every operation takes
// it afresh each time it runs.

// " 7" for "07", " 17" for "17", " 0" for "00": a number without leading zeros, after one blank.
QString NumberText(const QString& value);
QString NumberText(int value);

// The full path of a file in the working folder, joined with the platform's separator.
QString AppFilePath(const QString& appDir, const QString& fileName);

// "Taro 17 7.csv" in the working folder for Taro in July 2017.
QString MonthSheetPath(const WindowState& state, const QString& userName);
// The same for the month of any date (the day a question is about may lie in last month).
QString MonthSheetPath(const QString& appDir, const QString& userName, const QDate& date);

// Whether every sheet of `userName` can be saved: the longest sheet name (" 99 12.csv" after the
// name) with what a save adds to it for its temporary file stays within the file system's limit.
bool SheetNameFits(const QString& userName);

// " 7,08,30,17,45,AB" from the day and InHour, InMinute, OutHour, OutMinute, ReasonCodes.
QString ComposeDayRow(const WindowState& state, int day);
QString ComposeDayRow(const WindowState& state, const QString& dayText);
QString ComposeDayRow(int day, const QString& inHour, const QString& inMinute,
                      const QString& outHour, const QString& outMinute, const QString& reasons);

// " 7月／日,始業時,分,終業時,分,残業内容,ユーザー名,<name>" for July.
QString ComposeHeaderRow(int month, const QString& userName);

// Rows 1 to 31 of a month nobody has touched yet: " 1,,,,," to " 31,,,,,"; the header is empty.
SheetTable BlankMonth();

// The two cuts of a day row: the text between the first and second comma (in-hour) and between
// the second and third (in-minute). A cut that fails gives no value.
struct DayRowCut {
    std::optional<QString> inHour;
    std::optional<QString> inMinute;
};
DayRowCut SplitDayRow(const QString& row);

// The hour and minute of a time text "hh:nn:ss".
struct TimeTextCut {
    std::optional<QString> hour;
    std::optional<QString> minute;
};
TimeTextCut SplitTimeText(const QString& text);

// What became of reading a sheet. `linesRead` counts the lines put into the table (0 to 32); a
// sheet shorter than 32 lines leaves the later entries as they were.
struct SheetReadResult {
    FileOutcome outcome;
    int linesRead = 0;
    // Everything after the 32nd line, byte for byte: a totals row or a note typed below the
    // month in a spreadsheet goes back to disk as it was.
    QByteArray rest;
    // What the lines were read in; a save writes the sheet back in the same.
    TextEncoding encoding = TextEncoding::Cp932;
};

// Reads up to 32 lines of the sheet at `path` into table entries 0..31, each keeping its bytes,
// and keeps what follows them in `rest`. CR LF, LF and a lone CR each end a line; a last line
// without an end counts when it is not empty. The lines are CP932, or UTF-8 (text_encoding.h); a
// line that does not decode reads as empty text, its bytes kept. Only a regular file of at most
// kMaxSheetBytes is read.
SheetReadResult ReadSheetFile(const QString& path, SheetTable& lines);

// Every line of a sheet, for a save that puts one row back where it stands and keeps the others
// (a title above the header, notes below the month) byte for byte.
struct SheetFile {
    SheetReadResult read;  // whether it was read, and in which encoding; `rest` stays empty
    QList<SheetLine> lines;
    QList<QByteArray> ends;  // each line's own end: CR LF, LF, CR, or none after a last line
};
SheetFile ReadWholeSheet(const QString& path);

// The sheet's first 32 lines into table entries 0..31 (fewer when it has fewer); gives how many.
int FillTable(const SheetFile& sheet, SheetTable& lines);

// Replaces the sheet at `path` atomically with table entries 0..31, CP932, CR LF, no BOM, then
// `rest` as it stands: written whole, or not at all (the old file stays as it was). A line read
// from disk goes back with its own bytes; any other is encoded, and one that CP932 cannot hold
// fails the whole save before anything is written. The new file takes the old one's place only
// once the disk has taken its data; a link or anything else that is not a regular file where the
// sheet belongs is refused.
FileOutcome WriteSheetFile(const QString& path, const SheetTable& lines,
                           const QByteArray& rest = {},
                           TextEncoding encoding = TextEncoding::Cp932);

// Replaces the sheet at `path` with every line of `sheet`, as WriteSheetFile does: the first 32
// lines end in CR LF, later ones keep their own ends, a UTF-8 sheet keeps its mark.
FileOutcome WriteWholeSheet(const QString& path, const SheetFile& sheet);

// A name holding '/' or '\' would put its sheet into another folder: the refusal a save of the
// sheet at `path` gives it, or nothing for a fine name.
std::optional<FileOutcome> SeparatorInName(const QString& path, const QString& userName);

// Empties InHour and InMinute, then reads this month's sheet into table entries 0..31, or, when
// there is none, makes the blank month in memory (rows 1 to 31 composed from the current OutHour,
// OutMinute, ReasonCodes). Fails when a sheet exists that could not be read: the table then is
// not that sheet, and writing it would put an older or emptier month over the real one.
FileOutcome LoadMonthSheet(WindowState& state, SheetTable& lines, const QString& userName);

// Whether anything is at `path`, a link to nowhere included; a path that cannot be tested counts
// as absent.
bool FileExists(const QString& path);
