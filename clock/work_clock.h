#pragma once

#include "clock/window_state.h"

#include <QDateTime>
#include <QString>

// Seconds since local midnight of a time of day, as the window state holds them.
float SecondsOfDay(const QTime& time);

// "hh:nn:ss" and "mm/dd", as the time label and the date label show them.
QString TimeText(const QTime& time);
QString DateText(const QDate& date);

// Records the start-up date as two-digit texts and the time of day, from one reading.
void CaptureDate(WindowState& state, const QDateTime& reading);

// A window left open overnight meets a later date: the date is taken from `reading` as at
// start-up, and nothing of the day before (its in- and end time, its reasons, an open day) is
// carried over.
void StartNewDate(WindowState& state, const QDateTime& reading);

// Takes the time of day again.
void ReadClock(WindowState& state, const QDateTime& reading);

// Recomputes the worked time from one reading: the break is deducted only while the break box
// holds exactly 1 (ticked); unticked (0) and greyed (2) deduct nothing. A reading on a later date
// than `dayDate`, the date the day began, counts the whole days between (a night's work past
// midnight). Returns the time text the label shows for that same reading.
QString UpdateElapsed(WindowState& state, const QDateTime& reading, int breakBoxValue,
                      const QDate& dayDate = QDate());
