// One person's school year, and the whole staff, over as many A4 pages as they need.

#include "clock/reason_captions.h"
#include "pages/board_tables.h"
#include "pages/pdf_pages.h"
#include "pages/pdf_report.h"
#include "pages/png_report.h"
#include "pages/report_labels.h"
#include "pages/report_tables.h"
#include "pages/text_parts.h"

namespace {

constexpr int kTitleFont = 44;
constexpr int kNoteFont = 24;
const QSize kYearChartSize(1000, 600);
const QSize kStaffChartSize(1000, 560);

// The page's head and, but on the board's own page (its schools may count other breaks), the
// break the figures are counted with.
void AddHeading(PdfPages& pages, const PaperHeading& heading, std::optional<int> breakMinutes) {
    pages.addBlock(PaperHeadingHeight(heading), [heading](QPainter& p, const QRectF& box) {
        DrawPaperHeading(p, box, heading);
    });
    if (breakMinutes) {
        for (const QString& line : BreakNote(*breakMinutes, true).trimmed().split(u'\n')) {
            pages.addLine(line, kNoteFont - 2, false, QColor(60, 60, 60));
        }
    }
    pages.addGap(20);
}

void AddChart(PdfPages& pages, QSize size, const std::function<void(QPainter&)>& draw) {
    pages.addGap(30);
    pages.addBlock(
        kPdfContentWidth * size.height() / size.width(),
        [size, draw](QPainter& p, const QRectF& box) { DrawScaled(p, box, size, draw); });
}

void AddLooks(PdfPages& pages, const QList<LookItem>& looks, const QString& covered) {
    if (looks.isEmpty()) {
        return;
    }
    pages.addGap(30);
    pages.addTable(PdfTableOf(LookTable(looks, Audience::Paper), {560, 90, 560, 650}, 24),
                   LookHeading(looks.size(), covered));
}

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
    pages.addLine(LeadLine(r), kNoteFont, false, QColor(60, 60, 60));
    pages.addParagraph(QStringLiteral("残業内容ごとの日数: ") + PaperReasonTally(r.total),
                       kNoteFont);
    pages.addGap(30);
    pages.addTable(PdfTableOf(YearLimitTable(r.verdict), {640, 560, 660}, 26),
                   QStringLiteral("上限との比較"));
    AddChart(pages, kYearChartSize, [&r](QPainter& p) { DrawYearChart(p, kYearChartSize, r); });
    AddLooks(pages, r.looks, LooksCovered(r.schoolYear));
    return pages.finish();
}

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
    AddChart(pages, kStaffChartSize, [&r](QPainter& p) { DrawStaffChart(p, kStaffChartSize, r); });
    AddLooks(pages, r.looks, year ? LooksCovered(*r.schoolYear) : QString());
}

QByteArray StaffPdf(const StaffReport& r) {
    PdfPages pages(StaffHeading(r));
    // The staff's list goes to the board; no one signs it here.
    AddStaffPages(pages, r, {StaffHeading(r), PaperLines(r.paper, QString()), {}});
    return pages.finish();
}

QByteArray BoardPdf(const BoardReport& r) {
    PdfPages pages(BoardHeading(r));
    AddHeading(pages, {BoardHeading(r), PaperLines(r.paper, QString()), {}}, std::nullopt);
    pages.addTable(PdfTableOf(SchoolSummaryTable(r, Audience::Paper),
                              {500, 120, 170, 170, 170, 170, 160, 130, 130, 140}, 22),
                   SummaryHeading(r));
    pages.addParagraph(YearLinesNote(r), 20, QColor(60, 60, 60));
    AddChart(pages, kStaffChartSize, [&r](QPainter& p) { DrawBoardChart(p, kStaffChartSize, r); });
    for (const SchoolReport& school : r.schools) {
        pages.startPage();
        // The school's name over its staff, as its own report would print them.
        const PaperHeading heading{SchoolTitle(school),
                                   {StaffHeading(school.staff), PrintedOn(r.paper.printed)},
                                   {}};
        if (!school.staff.rows.isEmpty()) {
            AddStaffPages(pages, school.staff, heading);
            continue;
        }
        AddHeading(pages, heading, std::nullopt);
        pages.addLine(QStringLiteral("この期間のシートはありません"), kNoteFont);
        AddLooks(pages, school.staff.looks,
                 r.schoolYear ? LooksCovered(*r.schoolYear) : QString());
    }
    return pages.finish();
}
