#include "pages/report_labels.h"
#include "pages/report_tables.h"
#include "pages/text_parts.h"
#include "report/text_report.h"

QString YearText(const YearReport& r) {
    QString out =
        YearHeading(r) + QLatin1Char('\n') + BreakNote(r.breakMinutes) + QLatin1Char('\n');
    out += YearMonthTable(r, Audience::Screen).render();
    out += QStringLiteral(
        "(平均は前年度の月にもさかのぼり、シートのそろった連続する月についてだけ出しています)\n");
    out += LeadLine(r) + QLatin1Char('\n');
    out += QStringLiteral("(シート %1 か月分)\n").arg(r.verdict.monthsPresent);
    out += QStringLiteral("残業内容ごとの日数\n  ") + ReasonTally(r.total, 2) + QLatin1Char('\n');
    out += QStringLiteral("\n上限との比較\n") + YearLimitTable(r.verdict).render(2);
    return out + LookList(r.looks, LooksCovered(r.schoolYear));
}
