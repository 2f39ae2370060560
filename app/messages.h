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

QString TypeNameFirstMessage();

// What the person is told when a save of `day` did not write its row: the sheet could not be
// read (at IN the day is still recorded in the window, later the press can be repeated), is not
// a sheet at all, is far too large, has no line or several for the day, or took no bytes.
QString SaveFailureMessage(const DaySaveResult& saved, int day, bool atIn);

QString SheetNotSavedMessage(const FileOutcome& written);
// Something other than a sheet stands where the sheet is: a link, a FIFO, a folder.
QString SheetRefusedMessage(const FileOutcome& refused);
QString SheetTooLargeMessage(const FileOutcome& refused);
QString NameFileRefusedMessage(const QString& path, const QString& why);
QString StartTimeFileRefusedMessage(const FileOutcome& refused);
QString SheetNotReadAtInMessage(const QString& path);
QString SheetNotReadAtSaveMessage(const QString& path);
QString NothingOpenToSaveMessage();
// No line of the sheet, or more than one, is the day's row: nothing was saved.
QString DayRowProblemMessage(const QString& path, int day, const DayRowPlace& place, bool atIn);
// The day's row holds an in-time that is no time of day ("8:30" in the hour field): nothing was
// saved. `line` counts from 0.
QString UnreadableInTimeMessage(const QString& path, int day, qsizetype line, const QString& row,
                                bool atIn);
// OUT, SAVE or × at a time before the in-time of the day that began on `day` (the system clock was
// set back): said by the time of day, or by the date when `end` lies on an earlier one.
QString EndBeforeInTimeMessage(const QString& inTime, const QDateTime& end, const QDate& day);
QString CloseUnsavedQuestion();

// The question about a day left open: "7月4日(火) の終業時刻が記録されていません。..."
QString OpenDayHeading(const QDate& date, const QString& inTime);
QString EndTimeProblemMessage(EndTimeProblem problem, const QString& inTime);

// The question before a save replaces an end time or reasons someone else put into the row.
QString ReplaceEndHeading(const QDate& date);
QString ReplaceEndQuestion();
// "17:30" and "A B", or "なし" for what a row does not hold.
QString EndTimeText(const DayEnd& end);
QString ReasonsText(const DayEnd& end);
