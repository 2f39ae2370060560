// One person's school year over as many A4 pages as it needs.

#include "pages/pdf_report.h"
#include "pages/pdf_sections.h"
#include "pages/png_report.h"
#include "pages/report_tables.h"
#include "pages/text_parts.h"

namespace {

const QSize kYearChartSize(1000, 600);

}  // namespace

QByteArray YearPdf(const YearReport& r) {
    PdfPages pages(YearHeading(r));
    AddHeading(pages,
               {QStringLiteral("年度の残業の記録"),
                PaperLines(r.paper, QStringLiteral("%1年度 (%1年4月～%2年3月)   氏名 %3")
                                        .arg(QString::number(r.schoolYear),
                                             QString::number(r.schoolYear + 1), r.person)),
                r.paper.seals},
               r.breakMinutes);
    PdfTable months = PdfTableOf(YearMonthTable(r, Audience::Paper),
                                 {170, 130, 120, 110, 120, 150, 150, 150, 150, 150, 150, 310}, 24);
    months.rows.last().bold = true;
    pages.addTable(months);
    pages.addLine(LeadLine(r), kPdfNoteFont, false, QColor(60, 60, 60));
    pages.addParagraph(QStringLiteral("残業内容ごとの日数: ") + PaperReasonTally(r.total),
                       kPdfNoteFont);
    pages.addGap(30);
    pages.addTable(PdfTableOf(YearLimitTable(r.verdict), {640, 560, 660}, 26),
                   QStringLiteral("上限との比較"));
    AddChart(pages, kYearChartSize, [&r](QPainter& p) { DrawYearChart(p, kYearChartSize, r); });
    AddLooks(pages, r.looks, LooksCovered(r.schoolYear));
    return pages.finish();
}
