#pragma once

#include <QDate>
#include <QString>

// The window's working memory, in the order the window declares it. Times are seconds since local
// midnight in single precision; flags are plain bools. The month sheet's lines, which the window
// holds beside these fields, are a table of the records library (SheetTable).
struct WindowState {
    float StartSeconds = 0;
    float EndSeconds = 0;
    float ElapsedSeconds = 0;
    float ClockSeconds = 0;
    float SheetInSeconds = 0;
    QString InHour;
    QString OutHour;
    QString InMinute;
    QString OutMinute;
    QString ReasonCodes;
    QString AppDir;
    QString YearText;
    QString MonthText;
    QString DayText;
    // The whole date the three texts above were taken from.
    QDate Date;
    double HourValue = 0;
    double MinuteValue = 0;
    float SecondValue = 0;
    bool ClockedIn = false;
};
