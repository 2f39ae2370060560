// One person's month on one A4 page, as school offices print it for the seals.

#include "pages/pdf_pages.h"
#include "pages/pdf_report.h"
#include "pages/png_report.h"
#include "pages/report_labels.h"
#include "pages/report_tables.h"
#include "pages/text_parts.h"

namespace {

constexpr int kRowFont = 24;
constexpr double kRowHeight = 34;
const QSize kChartSize(1000, 450);
const QColor kNoteColour(60, 60, 60);

// Every day of the month, shaded as DayFill says.
PdfTable PaperDayTable(const MonthReport& r) {
    PdfTable table = PdfTableOf(DayTable(r, Audience::Paper),
                                {400, 110, 110, 110, 140, 140, 70, 170, 610}, kRowFont);
    table.rowHeight = kRowHeight;
    for (int day = 1; day <= r.daysInMonth; ++day) {
        PdfRow& row = table.rows[day - 1];
        row.background = DayFill(r, day, !row.cells.last().isEmpty());
    }
    return table;
}

// The month's totals on the left; the overtime against each line and the reasons on the right.
void DrawTotals(QPainter& p, const QRectF& box, const MonthReport& r) {
    const MonthTotals& t = r.sheet.totals;
    PdfTable totals;
    totals.widths = {480, 400};
    totals.aligns = {Align::Left, Align::Right};
    totals.rowHeight = kRowHeight;
    totals.fontHeight = kRowFont;
    const QList<PdfRow> left = PdfTableOf(MonthTotalsTable(r, Audience::Paper), {}).rows;
    const QList<PdfRow> right = PdfTableOf(LineTable(t.overtimeSeconds), {}).rows;
    const double half = (box.width() - 60) / 2;
    // The overtime and its group stand out, and on the right the 45-hour line.
    for (qsizetype i = 0; i < left.size(); ++i) {
        const QRectF row(box.left(), box.top() + i * kRowHeight, half, kRowHeight);
        DrawPdfRow(p, row, totals, {left[i].cells, Qt::transparent, Qt::black, i == 2 || i == 3});
    }
    for (qsizetype i = 0; i < right.size(); ++i) {
        const QRectF row(box.left() + half + 60, box.top() + i * kRowHeight, half, kRowHeight);
        DrawPdfRow(p, row, totals, {right[i].cells, Qt::transparent, Qt::black, i == 1});
    }
    p.setFont(PdfFont(22));
    p.setPen(Qt::black);
    const QFontMetricsF metrics(p.font());
    double y = box.top() + right.size() * kRowHeight + 14;
    const QString tally = QStringLiteral("残業内容ごとの日数: ") + PaperReasonTally(t);
    for (const QString& line : WrapText(tally, metrics, half)) {
        p.drawText(QRectF(box.left() + half + 60, y, half, 30),
                   int(Qt::AlignLeft | Qt::AlignVCenter), line);
        y += 30;
    }
}

}  // namespace

QString PrintedOn(QDate date) {
    return date.isValid() ? QStringLiteral("作成日 %1年%2月%3日")
                                .arg(date.year())
                                .arg(date.month())
                                .arg(date.day())
                          : QString();
}

QStringList PaperLines(const PaperInfo& paper, const QString& who) {
    QStringList lines;
    if (!paper.school.isEmpty()) {
        lines << paper.school;
    }
    if (!who.isEmpty()) {
        lines << who;
    }
    lines << PrintedOn(paper.printed);
    return lines;
}

QByteArray MonthPdf(const MonthReport& r) {
    PdfPages pages(
        QStringLiteral("%1 さん %2 の勤務と残業").arg(r.person, FormatMonth(r.year, r.month)));
    const PaperHeading heading{
        QStringLiteral("勤務時間と残業の記録"),
        PaperLines(r.paper,
                   QStringLiteral("%1   氏名 %2").arg(FormatMonth(r.year, r.month), r.person)),
        r.paper.seals};
    pages.addBlock(PaperHeadingHeight(heading),
                   [heading](QPainter& p, const QRectF& box) { DrawPaperHeading(p, box, heading); });
    QString rules = BreakNote(r.breakMinutes, true).trimmed();
    if (!r.calendarFile.isEmpty()) {
        rules += QStringLiteral("\n休日と出勤日には学校カレンダーを反映しています");
    }
    for (const QString& line : rules.split(u'\n')) {
        pages.addLine(line, 20, false, kNoteColour);
    }
    pages.addTable(PaperDayTable(r));
    pages.addLine(ReasonLegend(), 20, false, kNoteColour);
    pages.addGap(10);
    pages.addLine(QStringLiteral("合計と各ラインとの差 (月の残業 %1)")
                      .arg(FormatDuration(r.sheet.totals.overtimeSeconds)),
                  kRowFont + 4, true);
    pages.addBlock(MonthTotalsTable(r, Audience::Paper).rows.size() * kRowHeight + 10,
                   [&r](QPainter& p, const QRectF& box) { DrawTotals(p, box, r); });
    pages.addGap(10);
    const double chartHeight = kPdfContentWidth * kChartSize.height() / kChartSize.width();
    pages.addBlock(chartHeight, [&r](QPainter& p, const QRectF& box) {
        DrawScaled(p, box, kChartSize, [&r](QPainter& q) { DrawMonthChart(q, kChartSize, r); });
    });
    // What concerns the whole sheet, or the calendar, rather than one of its days.
    for (const LookItem& look : r.sheet.looks) {
        if (look.day == 0 || look.day > r.daysInMonth) {
            pages.addLine(QStringLiteral("要確認: %1 %2 %3")
                              .arg(look.file, LookReasonText(look.reason), look.detail),
                          22, false, QColor(120, 60, 0));
        }
    }
    return pages.finish();
}
