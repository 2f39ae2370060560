// A board's schools: the summary of them all, then each school's staff from a page of its own.

#include "pages/board_tables.h"
#include "pages/pdf_report.h"
#include "pages/pdf_sections.h"
#include "pages/png_report.h"
#include "pages/report_tables.h"

QByteArray BoardPdf(const BoardReport& r) {
    PdfPages pages(BoardHeading(r));
    AddHeading(pages, {BoardHeading(r), PaperLines(r.paper, QString()), {}}, std::nullopt);
    pages.addTable(PdfTableOf(SchoolSummaryTable(r, Audience::Paper),
                              {500, 120, 170, 170, 170, 170, 160, 130, 130, 140}, 22),
                   SummaryHeading(r));
    pages.addParagraph(YearLinesNote(r), 20, QColor(60, 60, 60));
    AddChart(pages, kPdfStaffChartSize,
             [&r](QPainter& p) { DrawBoardChart(p, kPdfStaffChartSize, r); });
    for (const SchoolReport& school : r.schools) {
        pages.startPage();
        // The school's name over its staff, as its own report would print them.
        const PaperHeading heading{
            SchoolTitle(school), {StaffHeading(school.staff), PrintedOn(r.paper.printed)}, {}};
        if (!school.staff.rows.isEmpty()) {
            AddStaffPages(pages, school.staff, heading);
            continue;
        }
        AddHeading(pages, heading, std::nullopt);
        pages.addLine(QStringLiteral("この期間のシートはありません"), kPdfNoteFont);
        AddLooks(pages, school.staff.looks, r.schoolYear ? LooksCovered(*r.schoolYear) : QString());
    }
    return pages.finish();
}
