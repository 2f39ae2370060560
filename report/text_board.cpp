#include "pages/board_tables.h"
#include "pages/text_parts.h"
#include "report/text_report.h"

QString BoardText(const BoardReport& r) {
    QString out = BoardHeading(r) + QLatin1Char('\n');
    for (const SchoolReport& school : r.schools) {
        out += QStringLiteral("\n■ ") + SchoolTitle(school) + QLatin1Char('\n');
        if (school.staff.rows.isEmpty()) {
            const QString covered =
                r.schoolYear ? LooksCovered(*r.schoolYear) : QString();
            out += QStringLiteral("この期間のシートはありません\n") +
                   LookList(school.staff.looks, covered);
        } else {
            out += StaffText(school.staff);
        }
    }
    out += QLatin1Char('\n') + SummaryHeading(r) + QLatin1Char('\n');
    out += SchoolSummaryTable(r, Audience::Screen).render();
    return out + YearLinesNote(r) + QLatin1Char('\n');
}
