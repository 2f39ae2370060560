#include "chart_canvas.h"
#include "png_report.h"
#include "report_labels.h"

#include <algorithm>

namespace {

constexpr double kHour = 3600.0;
const QColor kLineColour(20, 70, 170);
const QColor kLimitColour(200, 30, 30);

QList<std::pair<QColor, QString>> BandLegend() {
    QList<std::pair<QColor, QString>> entries;
    for (int band = 1; band <= kBandCount; ++band) {
        const QString limit =
            band < kBandCount ? QStringLiteral("～%1:45").arg(band + 6) : QStringLiteral("15:45超");
        entries.append({BandBackColour(band), QStringLiteral("帯%1 %2").arg(band).arg(limit)});
    }
    return entries;
}

void DrawDayLabels(ChartCanvas& canvas, const MonthReport& r, double slot) {
    QPainter& p = canvas.painter();
    p.setFont(canvas.font(11));
    const QRectF plot = canvas.plot();
    for (int day = 1; day <= r.daysInMonth; ++day) {
        const int weekday = QDate(r.year, r.month, day).dayOfWeek();
        p.setPen(weekday == 6   ? QColor(30, 80, 200)
                 : weekday == 7 ? QColor(200, 30, 30)
                                : QColor(40, 40, 40));
        const QRectF box(plot.left() + (day - 1) * slot, plot.bottom() + 4, slot, 16);
        p.drawText(box, Qt::AlignCenter, QString::number(day));
    }
    // Days that need a look add nothing; a mark shows where they are.
    p.setPen(QColor(120, 120, 120));
    p.setFont(canvas.font(13, true));
    for (const LookItem& look : r.sheet.looks) {
        if (look.day >= 1 && look.day <= r.daysInMonth) {
            const QRectF box(plot.left() + (look.day - 1) * slot, plot.bottom() - 20, slot, 18);
            p.drawText(box, Qt::AlignCenter, QStringLiteral("?"));
        }
    }
}

}  // namespace

QImage MonthChart(const MonthReport& r) {
    const MonthTotals& t = r.sheet.totals;
    const QString subtitle =
        QStringLiteral(
            "棒: 1日の在校時間 (休憩 %1 分を除く、色は時計の帯)   線: 残業の累計 "
            "(右の目盛)   残業 %2 / 45時間   ?: 要確認の日")
            .arg(r.breakMinutes)
            .arg(FormatDuration(t.overtimeSeconds));
    ChartCanvas canvas(
        QSize(1100, 620),
        QStringLiteral("%1 さん %2 の在校時間と残業").arg(r.person, FormatMonth(r.year, r.month)),
        subtitle);
    double longest = 0;
    for (const DayEntry& d : r.sheet.days) {
        longest = std::max(longest, d.figures.atSchoolSeconds / kHour);
    }
    canvas.setLeftAxis(AxisMaximum(longest, 16), QStringLiteral("1日の在校時間 (時間)"));
    const double projected = r.projection ? *r.projection / kHour : 0.0;
    canvas.setRightAxis(std::max({t.overtimeSeconds / kHour * 1.05, projected * 1.05, 50.0}),
                        QStringLiteral("残業の累計 (時間)"), kLineColour);

    QPainter& p = canvas.painter();
    const QRectF plot = canvas.plot();
    const double slot = plot.width() / r.daysInMonth;
    for (const DayEntry& d : r.sheet.days) {
        const double top = canvas.yLeft(d.figures.atSchoolSeconds / kHour);
        const QRectF bar(plot.left() + (d.day - 1) * slot + slot * 0.15, top, slot * 0.7,
                         plot.bottom() - top);
        p.fillRect(bar, BandBackColour(d.figures.band));
        p.setPen(QPen(QColor(70, 70, 70), 1));
        p.drawRect(bar);
    }
    canvas.referenceLine(canvas.yLeft(7.75), QColor(110, 110, 110), QStringLiteral("7時間45分"),
                         Qt::DashLine);
    canvas.referenceLine(canvas.yRight(45), kLimitColour, QStringLiteral("残業 45時間 (右の目盛)"),
                         Qt::DashLine);
    if (canvas.rightMaximum() >= 80) {
        canvas.referenceLine(canvas.yRight(80), QColor(150, 0, 60),
                             QStringLiteral("80時間 (右の目盛)"), Qt::DashDotLine);
    }

    // The running total after each day, drawn as far as the month has gone.
    const int lastDay =
        std::max(r.elapsedDays, r.sheet.days.isEmpty() ? 0 : r.sheet.days.last().day);
    QPolygonF line;
    qint64 cumulative = 0;
    auto next = r.sheet.days.cbegin();
    for (int day = 1; day <= std::min(lastDay, r.daysInMonth); ++day) {
        for (; next != r.sheet.days.cend() && next->day == day; ++next) {
            cumulative += next->figures.overtimeSeconds;
        }
        line << QPointF(plot.left() + (day - 0.5) * slot, canvas.yRight(cumulative / kHour));
    }
    canvas.markedLine(line, kLineColour, 3, 2.5);
    if (r.projection && !line.isEmpty() && r.elapsedDays < r.daysInMonth) {
        p.setPen(QPen(kLineColour, 2, Qt::DotLine));
        const QPointF end(plot.right() - slot / 2, canvas.yRight(projected));
        p.drawLine(line.last(), end);
        p.setFont(canvas.font(12, true));
        p.setPen(kLineColour);
        canvas.textWithBackdrop(QRectF(end.x() - 160, end.y() - 20, 160, 16),
                                Qt::AlignRight | Qt::AlignVCenter,
                                QStringLiteral("見込み %1").arg(FormatDuration(*r.projection)));
    }

    DrawDayLabels(canvas, r, slot);
    canvas.legend(BandLegend(), plot.bottom() + 30);
    canvas.legend(
        {{kLineColour, QStringLiteral("残業の累計")}, {kLimitColour, QStringLiteral("45時間の線")}},
        plot.bottom() + 54);
    return canvas.finish();
}
