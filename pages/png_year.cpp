#include "pages/chart_canvas.h"
#include "pages/group_colours.h"
#include "pages/png_report.h"
#include "pages/report_labels.h"

#include <algorithm>

namespace {

constexpr double kHour = 3600.0;
const QColor kAverageColour(110, 40, 160);

}  // namespace

void DrawYearChart(QPainter& painter, QSize size, const YearReport& r) {
    const YearVerdict& v = r.verdict;
    const QString subtitle =
        QStringLiteral(
            "棒: 月の残業 (休憩 %1 分を除く)   線: その月までの 2～6か月平均の最高   "
            "年間 %2 / %3   %4超 %5か月 / %6か月")
            .arg(r.breakMinutes)
            .arg(FormatDuration(v.totalSeconds), HoursText(kYearLimitSeconds),
                 HoursText(kMonthLimitSeconds))
            .arg(v.monthsOverLimit)
            .arg(kMonthsOverLimitAllowed);
    ChartCanvas canvas(painter, size,
                       QStringLiteral("%1 さん %2年度 の月ごとの残業")
                           .arg(r.person, QString::number(r.schoolYear)),
                       subtitle);
    double highest = 0;
    for (const auto& month : r.months) {
        highest = std::max(highest, month ? month->overtimeSeconds / kHour : 0.0);
    }
    const double top = AxisMaximum(highest, 90);
    canvas.setLeftAxis(top, QStringLiteral("残業 (時間)"));

    QPainter& p = canvas.painter();
    const QRectF plot = canvas.plot();
    const double slot = plot.width() / kSchoolYearMonths;
    QPolygonF averages;
    QList<std::pair<QRectF, QString>> labels;  // drawn last, over the line
    for (int m = 0; m < kSchoolYearMonths; ++m) {
        const double left = plot.left() + m * slot;
        p.setFont(canvas.font(12));
        p.setPen(QColor(40, 40, 40));
        p.drawText(QRectF(left, plot.bottom() + 4, slot, 16), Qt::AlignCenter,
                   QStringLiteral("%1月").arg(CalendarMonthOf(m)));
        if (!r.months[m]) {
            p.setPen(QColor(150, 150, 150));
            p.drawText(QRectF(left, plot.bottom() - 22, slot, 18), Qt::AlignCenter,
                       QStringLiteral("シートなし"));
            continue;
        }
        const qint64 overtime = r.months[m]->overtimeSeconds;
        const double y = canvas.yLeft(overtime / kHour);
        const QRectF bar(left + slot * 0.2, y, slot * 0.6, plot.bottom() - y);
        p.fillRect(bar, GroupColour(GroupFor(overtime)));
        labels.append({QRectF(left, y - 18, slot, 16), FormatDuration(overtime)});
        std::optional<SpanAverage> best;
        for (const auto& average : v.averages[m]) {
            if (average && (!best || average->averageSeconds() > best->averageSeconds())) {
                best = average;
            }
        }
        if (best) {
            averages << QPointF(left + slot / 2, canvas.yLeft(best->averageSeconds() / kHour));
        }
    }
    canvas.referenceLine(canvas.yLeft(kMonthLimitSeconds / kHour),
                         GroupColour(StaffGroup::OverLimit), HoursText(kMonthLimitSeconds),
                         Qt::DashLine);
    canvas.referenceLine(canvas.yLeft(kAverageLimitSeconds / kHour), kAverageColour,
                         QStringLiteral("平均 ") + HoursText(kAverageLimitSeconds), Qt::DashLine);
    if (top >= kMonthCeilingSeconds / kHour) {
        canvas.referenceLine(canvas.yLeft(kMonthCeilingSeconds / kHour),
                             GroupColour(StaffGroup::AtCeiling), HoursText(kMonthCeilingSeconds),
                             Qt::DotLine);
    }
    canvas.markedLine(averages, kAverageColour, 3, 3.5);
    p.setFont(canvas.font(12));
    p.setPen(QColor(30, 30, 30));
    for (const auto& [box, text] : labels) {
        canvas.textWithBackdrop(box, Qt::AlignCenter, text);
    }
    QList<std::pair<QColor, QString>> legend = GroupLegend();
    legend.append({kAverageColour, QStringLiteral("2～6か月平均の最高")});
    canvas.legend(legend, plot.bottom() + 36);
    canvas.finish();
}

QImage YearChart(const YearReport& report) {
    const QSize size(1000, 600);
    return PaintChart(size, [&](QPainter& p) { DrawYearChart(p, size, report); });
}
