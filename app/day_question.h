#pragma once

#include <QDate>
#include <QString>

// What a question about a day asks: when a day left open ended (or one whose end the row gives
// before its start), or when today began (OUT pressed with no day open).
struct DayQuestion {
    enum class Asked { End, Start };
    Asked asked = Asked::End;
    QDate date;
    // What the day is known by: its in-time when the end is asked, its end when the start is.
    QString hour;
    QString minute;
    QString reasons;
    // End: an end time the row holds that lies before the in-time.
    QString recordedEnd;
    // The time the field opens with, selected ("24:30" for a night's work); empty for none.
    QString filledIn;
};
