#pragma once

#include "clock/reason_captions.h"
#include "overtime/day_figures.h"
#include "overtime/days_off.h"
#include "overtime/guideline.h"
#include "overtime/sheet_days.h"

#include <QColor>
#include <QString>

// The words and number formats every output shares.

// "46:05" for 46 h 5 min; minutes rounded down, a negative duration gets a minus sign.
QString FormatDuration(qint64 seconds);
// "8:30" for 510 minutes after midnight.
QString FormatClock(int minuteOfDay);
// "月" for a Monday.
QString WeekdayName(int year, int month, int day);
// "7/3(月)"; with the day's calendar "11/3(火・祝 文化の日)", "12/29(火・休 年末年始)".
QString FormatDate(int year, int month, int day);
QString FormatDate(int year, int month, int day, const CalendarDay& calendar);
// "休日" for a day off, "勤務日" otherwise.
QString DayKindName(const CalendarDay& calendar);
// "2017年7月".
QString FormatMonth(int year, int month);

QString LookReasonText(LookReason reason);

// How far a figure stands from a line: "残り 12:45" or "3:15 超過"; for a line that must stay
// out of reach, reaching it exactly is "到達".
QString AgainstLine(qint64 seconds, qint64 line, bool reachingBreaks = false);

// What a band stands for, as the chart's legend names it: "帯1 残業なし", "帯3 ～2h", "帯10 8h超".
QString BandWords(int band);
// The back colour of a band as the clock paints it.
QColor BandBackColour(int band);
// The band's colour in the charts: the clock's hue, lighter for a lower band, so that the bands
// stay apart when printed in grey.
QColor BandChartColour(int band);
