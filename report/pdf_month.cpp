// One person's month on one A4 page, as school offices print it for the seals.

#include "pdf_pages.h"
#include "pdf_report.h"
#include "png_report.h"
#include "report_labels.h"
#include "report_tables.h"
#include "text_parts.h"

#include <QHash>

namespace {

constexpr int kRowFont = 24;
constexpr double kRowHeight = 34;
const QSize kChartSize(1000, 450);
const QColor kSundayFill(253, 232, 232);
const QColor kSaturdayFill(230, 238, 252);
const QColor kLookFill(255, 246, 214);
const QColor kNoteColour(60, 60, 60);

// Counted or not, what a look at the day says on paper, whole.
QString DayNote(const LookItem& look) {
    if (look.reason == LookReason::UnreadableReasons) {
        return QStringLiteral("残業内容 %1 は A～K の記号ではありません (時間は数えています)")
            .arg(look.detail);
    }
    return LookReasonText(look.reason) + QStringLiteral("。この日は合計に含めていません");
}

PdfTable DayTable(const MonthReport& r) {
    PdfTable table;
    table.widths = {400, 110, 110, 110, 140, 140, 70, 170, 610};
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
    QHash<int, const UncountedDay*> uncounted;
    for (const UncountedDay& d : r.sheet.uncounted) {
        uncounted.insert(d.day, &d);
    }
    QHash<int, QStringList> notes;
    for (const LookItem& look : r.sheet.looks) {
        if (look.day > 0) {
            notes[look.day] << DayNote(look);
        }
    }
    const auto clock = [](std::optional<int> minute) {
        return minute ? FormatClock(*minute) : QString();
    };
    for (int day = 1; day <= r.daysInMonth; ++day) {
        const CalendarDay& calendar = r.calendar.days[day];
        PdfRow row;
        row.cells = QStringList{FormatDate(r.year, r.month, day, calendar), DayKindName(calendar)};
        if (const DayEntry* d = entries.value(day)) {
            row.cells << FormatClock(d->inMinute) << FormatClock(d->outMinute)
                      << FormatDuration(d->figures.atSchoolSeconds)
                      << FormatDuration(d->figures.overtimeSeconds)
                      << QString::number(d->figures.band) << d->reasons;
        } else if (const UncountedDay* u = uncounted.value(day)) {
            row.cells << clock(u->inMinute) << clock(u->outMinute) << QString() << QString()
                      << QString() << QString();
        } else {
            row.cells << QString() << QString() << QString() << QString() << QString()
                      << QString();
        }
        row.cells << notes.value(day).join(u' ');
        if (notes.contains(day)) {
            row.background = kLookFill;
        } else if (calendar.off) {
            const bool saturday = QDate(r.year, r.month, day).dayOfWeek() == Qt::Saturday &&
                                  calendar.holiday.isEmpty() && !calendar.fromSchool;
            row.background = saturday ? kSaturdayFill : kSundayFill;
        }
        table.rows.append(row);
    }
    return table;
}

// "A:学校行事 3日", each held together on one line.
QString PaperReasonTally(const MonthTotals& totals) {
    QStringList items;
    for (int i = 0; i < kReasonLetterCount; ++i) {
        if (totals.reasonDays[i] > 0) {
            items << ReasonCaption(i) + QChar(0xA0) + DayCount(totals.reasonDays[i]).remove(u' ');
        }
    }
    return items.isEmpty() ? QStringLiteral("なし") : items.join(QStringLiteral("  "));
}

QList<QStringList> LeftTotals(const MonthReport& r) {
    const MonthTotals& t = r.sheet.totals;
    return {{QStringLiteral("勤務日数"), DayCount(t.days)},
            {QStringLiteral("在校時間 (休憩除く)"), FormatDuration(t.atSchoolSeconds)},
            {QStringLiteral("残業"), FormatDuration(t.overtimeSeconds)},
            {QStringLiteral("区分"), GroupName(GroupFor(t.overtimeSeconds))},
            {QStringLiteral("残業のあった日"), DayCount(t.daysOverRegular)},
            {QStringLiteral("休日に出た日"), DayCount(t.daysOffWorked)},
            {QStringLiteral("休日の残業"), FormatDuration(t.daysOffOvertimeSeconds)},
            {QStringLiteral("月末の見込み"),
             r.projection ? FormatDuration(*r.projection) : QStringLiteral("まだ出せません")}};
}

// The month's totals on the left; the overtime against each line and the reasons on the right.
void DrawTotals(QPainter& p, const QRectF& box, const MonthReport& r) {
    const MonthTotals& t = r.sheet.totals;
    PdfTable totals;
    totals.widths = {480, 400};
    totals.aligns = {Align::Left, Align::Right};
    totals.rowHeight = kRowHeight;
    totals.fontHeight = kRowFont;
    const QList<QStringList> left = LeftTotals(r);
    const QList<QStringList> right = LineTable(t.overtimeSeconds).rows;
    const double half = (box.width() - 60) / 2;
    for (qsizetype i = 0; i < left.size(); ++i) {
        const QRectF row(box.left(), box.top() + i * kRowHeight, half, kRowHeight);
        DrawPdfRow(p, row, totals, {left[i], Qt::transparent, Qt::black, i == 2 || i == 3});
    }
    for (qsizetype i = 0; i < right.size(); ++i) {
        const QRectF row(box.left() + half + 60, box.top() + i * kRowHeight, half, kRowHeight);
        DrawPdfRow(p, row, totals, {right[i], Qt::transparent, Qt::black, i == 1});
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
    pages.addBlock(kPaperHeadingHeight,
                   [heading](QPainter& p, const QRectF& box) { DrawPaperHeading(p, box, heading); });
    QString rules = BreakNote(r.breakMinutes, true).trimmed();
    if (!r.calendarFile.isEmpty()) {
        rules += QStringLiteral("\n休日と出勤日には学校カレンダーを反映しています");
    }
    for (const QString& line : rules.split(u'\n')) {
        pages.addLine(line, 20, false, kNoteColour);
    }
    pages.addTable(DayTable(r));
    pages.addLine(ReasonLegend(), 20, false, kNoteColour);
    pages.addGap(10);
    pages.addLine(QStringLiteral("合計と各ラインとの差 (月の残業 %1)")
                      .arg(FormatDuration(r.sheet.totals.overtimeSeconds)),
                  kRowFont + 4, true);
    pages.addBlock(LeftTotals(r).size() * kRowHeight + 10,
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
