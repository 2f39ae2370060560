// The whole staff's month or school year over as many A4 pages as it needs.

#include "clock/reason_captions.h"
#include "pages/pdf_report.h"
#include "pages/pdf_sections.h"
#include "pages/png_report.h"
#include "pages/report_tables.h"
#include "pages/text_parts.h"

void AddStaffPages(PdfPages& pages, const StaffReport& r, const PaperHeading& heading) {
    const bool year = r.schoolYear.has_value();
    AddHeading(pages, heading, r.breakMinutes);
    QList<double> widths =
        year ? QList<double>{80, 220, 150, 200, 140, 100, 400, 120, 100, 120, 140, 90}
             : QList<double>{80, 330, 150, 220, 120, 100, 120, 150};
    if (!year) {
        widths.append(QList<double>(kReasonCount, 45));  // a narrow column for each reason's days
        widths.append(95);
    }
    pages.addTable(PdfTableOf(StaffTable(r, Audience::Paper), widths, 22));
    if (!year) {
        pages.addLine(ReasonLegend(), 20, false, QColor(60, 60, 60));
    }
    pages.addGap(30);
    pages.addTable(PdfTableOf(GroupTable(r, Audience::Paper), {400, 200}, 26),
                   year ? QStringLiteral("区分ごとの人数 (各人の最も多い月で)")
                        : QStringLiteral("区分ごとの人数"));
    AddChart(pages, kPdfStaffChartSize,
             [&r](QPainter& p) { DrawStaffChart(p, kPdfStaffChartSize, r); });
    AddLooks(pages, r.looks, year ? LooksCovered(*r.schoolYear) : QString());
}

QByteArray StaffPdf(const StaffReport& r) {
    PdfPages pages(StaffHeading(r));
    // The staff's list goes to the board; no one signs it here.
    AddStaffPages(pages, r, {StaffHeading(r), PaperLines(r.paper, QString()), {}});
    return pages.finish();
}
