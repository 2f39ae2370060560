#include "report_tables.h"
#include "text_parts.h"
#include "text_report.h"

QString StaffText(const StaffReport& r) {
    QString out =
        StaffHeading(r) + QLatin1Char('\n') + BreakNote(r.breakMinutes) + QLatin1Char('\n');
    out += StaffTable(r, true).render() + ReasonLegend() + QLatin1Char('\n');
    out += r.schoolYear ? QStringLiteral("\n区分ごとの人数 (各人の最も多い月で)\n")
                        : QStringLiteral("\n区分ごとの人数\n");
    out += GroupTable(r).render(2);
    return out + LookList(r.looks, r.schoolYear ? LooksCovered(*r.schoolYear) : QString());
}
