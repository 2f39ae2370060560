#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The month sheet's layout, as the clock writes it and the report reads it: one file per person
// and month named "<name> <yy> <m>.csv", the year without its century and neither number
// zero-padded ("Taro 17 7.csv", "Taro 9 1.csv"); in it a header row, then the rows of days 1 to
// 31, each "<day>,<in-hour>,<in-minute>,<out-hour>,<out-minute>,<reasons>".

// The lines a sheet holds: the header and days 1 to 31.
inline constexpr int kSheetFileLines = 32;
// The fields of a day row.
inline constexpr int kDayRowFields = 6;

// Sheet names hold two year digits: the years 2000 to 2099.
inline constexpr int kFirstSheetYear = 2000;
inline constexpr int kLastSheetYear = 2099;

// A time of day as a day row holds it, in an hour and a minute field: each one or two digits,
// the hour below 24 and the minute below 60, both given or both empty. The clock writes it so,
// and the clock and the report read no other form: a time half read ("8:30" in the hour field
// taken as 8:00) would be a wrong record.
//
// An end time may run on into the next morning, as the hours 24 to 47 ("24" and "30" for half
// past midnight): a night's work stays whole in the row of the day it began, and a spreadsheet
// takes the out-time less the in-time as it stands.
inline constexpr int kDayHours = 24;
inline constexpr int kEndHourLimit = 2 * kDayHours;
struct RowTime {
    enum class Reading { Empty, Time, NotATime, HalfGiven };
    Reading reading = Reading::Empty;
    int minutes = 0;  // since midnight of the row's day, for a Time
};
RowTime ReadRowTime(QStringView hour, QStringView minute, int hourLimit = kDayHours);

// "Taro 17 7.csv" for Taro in July 2017.
QString SheetFileName(const QString& person, int year, int month);

struct SheetName {
    QString person;
    int year = 0;  // with its century
    int month = 0;
};

// The person and month of a sheet's file name, or nothing for any other file. Names may hold
// blanks, so the name is whatever stands before the last two numbers.
std::optional<SheetName> ParseSheetFileName(QStringView fileName);
