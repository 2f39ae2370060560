#pragma once

#include "pages/report_model.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The person's own month as the overtime report counts it, read from the clock's working folder
// with the report's own rules (overtime/) and pages (pages/): for the month window and the page
// the clock prints. Reading it writes nothing.

struct OwnMonth {
    // Why there is nothing to show: a sheet that cannot be read. Empty otherwise.
    QString problem;
    bool sheetFound = false;
    MonthReport report;
    // The school year so far, April to this month, as far as there are sheets.
    MonthKey yearFirst = 0;
    qint64 yearOvertimeSeconds = 0;
    // What was left out, and why: the settings file's or the calendar's lines, a month's sheet.
    QStringList notes;
};

OwnMonth ReadOwnMonth(const QString& folder, const QString& person, QDate today);

// The days the person can put right through the question about a day's end: a forgotten OUT,
// and an end time before the in-time.
struct DayToLookAt {
    int day = 0;
    LookReason reason = LookReason::MissingOut;
    QString what;  // "7/3(月) 始業 8:00、終業時刻がありません (OUT を押し忘れ?)"
};
QList<DayToLookAt> DaysToLookAt(const MonthReport& report);
