#include "pages/report_tables.h"
#include "pages/text_parts.h"
#include "report/text_report.h"

QString StaffText(const StaffReport& r) {
    QString out =
        StaffHeading(r) + QLatin1Char('\n') + BreakNote(r.breakMinutes) + QLatin1Char('\n');
    out += StaffTable(r, Audience::Screen).render() + ReasonLegend() + QLatin1Char('\n');
    out += r.schoolYear ? QStringLiteral("\n区分ごとの人数 (各人の最も多い月で)\n")
                        : QStringLiteral("\n区分ごとの人数\n");
    out += GroupTable(r, Audience::Screen).render(2);
    return out + LookList(r.looks, r.schoolYear ? LooksCovered(*r.schoolYear) : QString());
}
