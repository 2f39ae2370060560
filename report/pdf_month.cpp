// One person's month on one A4 page, as school offices print it for the principal's seal.

#include "pdf_pages.h"
#include "pdf_report.h"
#include "png_report.h"
#include "report_labels.h"
#include "report_tables.h"
#include "text_parts.h"

#include <QHash>

namespace {

constexpr int kRowFont = 26;
constexpr double kRowHeight = 38;
constexpr double kHeaderHeight = 200;
constexpr double kSealWidth = 240;
const QSize kChartSize(1000, 440);
const QColor kSundayFill(253, 232, 232);
const QColor kSaturdayFill(230, 238, 252);
const QColor kLookFill(255, 246, 214);

// The title, who and when, the rules the figures follow, and the seal box at the right.
void DrawHeading(QPainter& p, const QRectF& box, const MonthReport& r) {
    const QRectF text = box.adjusted(0, 0, -kSealWidth - 40, 0);
    p.setPen(Qt::black);
    p.setFont(PdfFont(52, true));
    p.drawText(QRectF(text.left(), text.top(), text.width(), 70),
               int(Qt::AlignLeft | Qt::AlignVCenter), QStringLiteral("勤務時間と残業の記録"));
    p.setFont(PdfFont(36, true));
    p.drawText(QRectF(text.left(), text.top() + 74, text.width(), 50),
               int(Qt::AlignLeft | Qt::AlignVCenter),
               QStringLiteral("%1   氏名 %2").arg(FormatMonth(r.year, r.month), r.person));
    p.setFont(PdfFont(22));
    p.setPen(QColor(60, 60, 60));
    QString rules = BreakNote(r.breakMinutes).trimmed();
    rules += QStringLiteral("\nシート「%1」").arg(r.fileName);
    if (!r.calendarFile.isEmpty()) {
        rules += QStringLiteral("、学校カレンダー「%1」").arg(r.calendarFile);
    }
    p.drawText(QRectF(text.left(), text.top() + 128, text.width(), 72),
               int(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap), rules);

    const QRectF seal(box.right() - kSealWidth, box.top(), kSealWidth, box.height() - 10);
    p.setPen(QPen(Qt::black, 3));
    p.drawRect(seal);
    const QRectF label(seal.left(), seal.top(), seal.width(), 48);
    p.drawLine(label.bottomLeft(), label.bottomRight());
    p.setFont(PdfFont(26, true));
    p.drawText(label, int(Qt::AlignCenter), QStringLiteral("確認印"));
}

PdfTable DayTable(const MonthReport& r) {
    PdfTable table;
    table.widths = {470, 110, 110, 110, 140, 140, 70, 170, 540};
    table.aligns = {Align::Left,  Align::Left,  Align::Right, Align::Right, Align::Right,
                    Align::Right, Align::Right, Align::Left,  Align::Left};
    table.header = {QStringLiteral("日付"), QStringLiteral("区分"),     QStringLiteral("始業"),
                    QStringLiteral("終業"), QStringLiteral("在校"),     QStringLiteral("残業"),
                    QStringLiteral("帯"),   QStringLiteral("残業内容"), QStringLiteral("備考")};
    table.rowHeight = kRowHeight;
    table.fontHeight = kRowFont;
    QHash<int, const DayEntry*> entries;
    for (const DayEntry& d : r.sheet.days) {
        entries.insert(d.day, &d);
    }
    QHash<int, const LookItem*> looks;
    for (const LookItem& look : r.sheet.looks) {
        if (look.day > 0 && !looks.contains(look.day)) {
            looks.insert(look.day, &look);
        }
    }
    for (int day = 1; day <= r.daysInMonth; ++day) {
        const CalendarDay& calendar = r.calendar.days[day];
        PdfRow row;
        row.cells = QStringList{FormatDate(r.year, r.month, day, calendar), DayKindName(calendar)};
        if (const DayEntry* d = entries.value(day)) {
            row.cells << FormatClock(d->inMinute) << FormatClock(d->outMinute)
                      << FormatDuration(d->figures.atSchoolSeconds)
                      << FormatDuration(d->figures.overtimeSeconds)
                      << QString::number(d->figures.band) << d->reasons << QString();
        } else if (const LookItem* look = looks.value(day)) {
            row.cells << QString() << QString() << QString() << QString() << QString() << QString()
                      << QStringLiteral("要確認: ") + LookReasonText(look->reason);
            row.background = kLookFill;
        }
        if (row.background.alpha() == 0 && calendar.off) {
            const bool saturday = QDate(r.year, r.month, day).dayOfWeek() == Qt::Saturday &&
                                  calendar.holiday.isEmpty() && !calendar.fromSchool;
            row.background = saturday ? kSaturdayFill : kSundayFill;
        }
        table.rows.append(row);
    }
    return table;
}

// The month's totals on the left, the overtime against each line on the right.
void DrawTotals(QPainter& p, const QRectF& box, const MonthReport& r) {
    const MonthTotals& t = r.sheet.totals;
    PdfTable totals;
    totals.widths = {480, 400};
    totals.aligns = {Align::Left, Align::Right};
    totals.rowHeight = kRowHeight;
    totals.fontHeight = kRowFont;
    const QList<QStringList> left{
        {QStringLiteral("勤務日数"), DayCount(t.days)},
        {QStringLiteral("在校時間 (休憩除く)"), FormatDuration(t.atSchoolSeconds)},
        {QStringLiteral("残業"), FormatDuration(t.overtimeSeconds)},
        {QStringLiteral("残業のあった日"), DayCount(t.daysOverRegular)},
        {QStringLiteral("休日に出た日"), DayCount(t.daysOffWorked)},
        {QStringLiteral("休日の残業"), FormatDuration(t.daysOffOvertimeSeconds)},
        {QStringLiteral("月末の見込み"),
         r.projection ? FormatDuration(*r.projection) : QStringLiteral("まだ出せません")}};
    const QList<QStringList> right = LineTable(t.overtimeSeconds).rows;
    const double half = (box.width() - 60) / 2;
    for (qsizetype i = 0; i < left.size(); ++i) {
        const QRectF row(box.left(), box.top() + i * kRowHeight, half, kRowHeight);
        DrawPdfRow(p, row, totals, {left[i], Qt::transparent, Qt::black, i == 2});
    }
    for (qsizetype i = 0; i < right.size(); ++i) {
        const QRectF row(box.left() + half + 60, box.top() + i * kRowHeight, half, kRowHeight);
        DrawPdfRow(p, row, totals, {right[i], Qt::transparent, Qt::black, i == 1});
    }
    p.setFont(PdfFont(22));
    p.setPen(Qt::black);
    const QRectF reasons(box.left() + half + 60, box.top() + 4.3 * kRowHeight, half,
                         2.7 * kRowHeight);
    p.drawText(reasons, int(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap),
               QStringLiteral("残業内容ごとの日数: ") + ReasonTally(t).replace(u'\n', u' '));
}

}  // namespace

QByteArray MonthPdf(const MonthReport& r) {
    PdfPages pages(
        QStringLiteral("%1 さん %2 の勤務と残業").arg(r.person, FormatMonth(r.year, r.month)));
    pages.addBlock(kHeaderHeight, [&r](QPainter& p, const QRectF& box) { DrawHeading(p, box, r); });
    pages.addGap(20);
    pages.addTable(DayTable(r));
    pages.addGap(30);
    pages.addLine(QStringLiteral("合計と各ラインとの差 (月の残業 %1)")
                      .arg(FormatDuration(r.sheet.totals.overtimeSeconds)),
                  kRowFont + 4, true);
    pages.addBlock(7 * kRowHeight, [&r](QPainter& p, const QRectF& box) { DrawTotals(p, box, r); });
    pages.addGap(30);
    const double chartHeight = kPdfContentWidth * kChartSize.height() / kChartSize.width();
    pages.addBlock(chartHeight, [&r](QPainter& p, const QRectF& box) {
        DrawScaled(p, box, kChartSize, [&r](QPainter& q) { DrawMonthChart(q, kChartSize, r); });
    });
    // What concerns the whole sheet rather than one of its days.
    for (const LookItem& look : r.sheet.looks) {
        if (look.day == 0 || look.day > r.daysInMonth) {
            pages.addLine(
                QStringLiteral("要確認: %1 %2").arg(LookReasonText(look.reason), look.detail), 24,
                false, QColor(120, 60, 0));
        }
    }
    return pages.finish();
}
