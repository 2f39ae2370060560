#pragma once

#include "records/day_rows.h"
#include "records/day_save.h"
#include "records/file_outcome.h"
#include "records/open_days.h"

#include <QDate>
#include <QDateTime>

#include <QString>

// The short Japanese messages the window shows. Every one names what went wrong and what the
// person can do about it.

// `button`: "IN" or "OUT", the button to press again once the name is typed.
QString TypeNameFirstMessage(const QString& button);
// The launcher could neither make nor enter the records folder, so the clock did not start.
QString UnusableRecordsFolderMessage(const QString& folder);

// What the person is told when a save of `day` did not write its row: the sheet could not be
// read, is not a sheet at all, is far too large, has no line or several for the day, holds an
// in-time that is no time, or took no bytes. `again` is the caption of the button whose press
// made the save ("IN", "OUT", "SAVE", "×"), to be pressed again once the cause is put right;
// empty for the clock-in IN records, after which the day goes on in the window and OUT saves it.
QString SaveFailureMessage(const DaySaveResult& saved, int day, const QString& again);

QString SheetNotSavedMessage(const FileOutcome& written, const QString& again);
// Another program (a spreadsheet) holds the sheet open, so it could not be replaced.
QString SheetHeldOpenMessage(const QString& path, const QString& again);
// Something other than a sheet stands where the sheet is: a link, a FIFO, a folder.
QString SheetRefusedMessage(const FileOutcome& refused, const QString& again);
QString SheetTooLargeMessage(const FileOutcome& refused, const QString& again);
// Another clock's save of the same sheet did not end within the wait.
QString SheetBusyMessage(const FileOutcome& busy, const QString& again);
QString NameFileRefusedMessage(const QString& path, const QString& why);
QString StartTimeFileRefusedMessage(const FileOutcome& refused);
QString SheetNotReadAtInMessage(const QString& path);
QString SheetNotReadAtSaveMessage(const QString& path, const QString& again);
// OUT once more after this window saved the day's end.
QString DayAlreadyClosedMessage(const QString& endTime);
// No line of the sheet, or more than one, is the day's row: nothing was saved.
QString DayRowProblemMessage(const QString& path, int day, const DayRowPlace& place,
                             const QString& again);
// The day's row holds an in-time that is no time of day ("8:30" in the hour field): nothing was
// saved. `line` counts from 0.
QString UnreadableInTimeMessage(const QString& path, int day, qsizetype line, const QString& row,
                                const QString& again);
// OUT, SAVE or × at a time before the in-time of the day that began on `day` (the system clock was
// set back): said by the time of day, or by the date when `end` lies on an earlier one.
QString EndBeforeInTimeMessage(const QString& inTime, const QDateTime& end, const QDate& day);
QString CloseUnsavedQuestion();

// The question about a day left open: "7月4日(火) の終業時刻が記録されていません。...", with
// the time the field offers (a night's work, "24:30") when there is one.
QString OpenDayHeading(const QDate& date, const QString& inTime, const QString& recordedEnd = {},
                       const QString& filledIn = {});
// The question OUT asks when no day is open and today's row holds no in-time.
QString StartQuestionHeading(const QDate& date, const QString& endTime);
QString EndTimeProblemMessage(const TypedTime& typed, const QString& inTime);
QString StartTimeProblemMessage(const TypedTime& typed, const QString& endTime);

// The question before a save replaces an end time or reasons someone else put into the row.
QString ReplaceEndHeading(const QDate& date);
QString ReplaceEndQuestion();
// "17:30" and "A B", or "なし" for what a row does not hold.
QString EndTimeText(const DayEnd& end);
QString ReasonsText(const DayEnd& end);
