#pragma once

#include "day_rows.h"
#include "month_sheet.h"
#include "open_days.h"

#include <QDate>

#include <QString>

// The short Japanese messages the window shows. Every one names what went wrong and what the
// person can do about it.

// Why a name cannot be used, or an empty text when it can: it becomes part of a file name and is
// stored in CP932.
QString NameProblem(const QString& name);
QString TypeNameFirstMessage();

QString SheetNotSavedMessage(const SheetWriteResult& written);
// Something other than a sheet stands where the sheet is: a link, a FIFO, a folder, a huge file.
QString SheetRefusedMessage(const QString& path, const QString& why);
QString SheetTooLargeMessage(const QString& path, qint64 size);
QString NameFileRefusedMessage(const QString& path, const QString& why);
QString StartTimeFileRefusedMessage(const QString& path, FileKind kind);
// Why a file was not read, in a few words: "ふつうのファイルではなくリンクです", "12345678 バイト
// あり、大きすぎます"...
QString FileRefusalText(const SmallFileRead& read);
QString NotDecodableText(TextEncoding encoding);
QString SheetNotReadAtInMessage(const QString& path);
QString SheetNotReadAtSaveMessage(const QString& path);
QString NothingOpenToSaveMessage();
// No line of the sheet, or more than one, is the day's row: nothing was saved.
QString DayRowProblemMessage(const QString& path, int day, const DayRowPlace& place, bool atIn);
// OUT, SAVE or × at a time before the day's in-time (the system clock was set back).
QString EndBeforeInTimeMessage(const QString& inTime, const QString& endTime);
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
