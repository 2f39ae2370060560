#include "clock/working_day.h"
#include "pages/chart_canvas.h"
#include "pages/png_report.h"
#include "pages/report_labels.h"

#include <algorithm>

namespace {

constexpr double kHour = 3600.0;
const QColor kLineColour(20, 70, 170);
const QColor kLimitColour(200, 30, 30);

const QColor kSundayColour(200, 30, 30);
const QColor kSaturdayColour(30, 80, 200);

// The bands by the day's overtime: on a working day the clock's bands past 7 h 45 min.
QList<std::pair<QColor, QString>> BandLegend() {
    QList<std::pair<QColor, QString>> entries;
    for (int band = 1; band <= kBandCount; ++band) {
        entries.append({BandChartColour(band), BandWords(band)});
    }
    return entries;
}

// A Saturday off is blue, every other day off red like a Sunday; a working day is not marked.
std::optional<QColor> DayOffColour(const CalendarDay& day, int weekday) {
    if (!day.off) {
        return std::nullopt;
    }
    const bool plainSaturday = weekday == 6 && day.holiday.isEmpty() && !day.fromSchool;
    return plainSaturday ? kSaturdayColour : kSundayColour;
}

// Days off as pale columns behind the bars, a holiday's or the school's name written down it.
void DrawDaysOff(ChartCanvas& canvas, const MonthReport& r, double slot) {
    QPainter& p = canvas.painter();
    const QRectF plot = canvas.plot();
    p.setFont(canvas.font(11));
    for (int day = 1; day <= r.daysInMonth; ++day) {
        const CalendarDay& info = r.calendar.days[day];
        const auto colour = DayOffColour(info, QDate(r.year, r.month, day).dayOfWeek());
        if (!colour) {
            continue;
        }
        const QRectF column(plot.left() + (day - 1) * slot, plot.top(), slot, plot.height());
        QColor pale = *colour;
        pale.setAlpha(28);
        p.fillRect(column, pale);
        const QString name = DayMark(info).section(u' ', 1);
        if (!name.isEmpty()) {
            p.save();
            p.translate(column.center().x() + 5, plot.top() + 4);
            p.rotate(90);
            p.setPen(*colour);
            p.drawText(QRectF(0, -2, plot.height() * 0.6, 14), Qt::AlignLeft | Qt::AlignVCenter,
                       name);
            p.restore();
        }
    }
}

void DrawDayLabels(ChartCanvas& canvas, const MonthReport& r, double slot) {
    QPainter& p = canvas.painter();
    p.setFont(canvas.font(11));
    const QRectF plot = canvas.plot();
    for (int day = 1; day <= r.daysInMonth; ++day) {
        const int weekday = QDate(r.year, r.month, day).dayOfWeek();
        p.setPen(DayOffColour(r.calendar.days[day], weekday).value_or(QColor(40, 40, 40)));
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

// The days' time at school, as bars in the colours of the clock's bands.
void DrawDayPanel(QPainter& painter, QSize size, const MonthReport& r) {
    const QString subtitle =
        QStringLiteral(
            "棒: 1日の在校時間 (6時間を超えた日は休憩 %1 分を除く、色は残業の帯)   "
            "色の列: 休日   ?: 要確認")
            .arg(r.breakMinutes);
    ChartCanvas canvas(
        painter, size,
        QStringLiteral("%1 さん %2 の在校時間と残業").arg(r.person, FormatMonth(r.year, r.month)),
        subtitle, 74);
    double longest = 0;
    for (const DayEntry& d : r.sheet.days) {
        longest = std::max(longest, d.figures.atSchoolSeconds / kHour);
    }
    canvas.setLeftAxis(AxisMaximum(longest, 16), QStringLiteral("在校時間 (時間)"));
    QPainter& p = canvas.painter();
    const QRectF plot = canvas.plot();
    const double slot = plot.width() / r.daysInMonth;
    DrawDaysOff(canvas, r, slot);
    for (const DayEntry& d : r.sheet.days) {
        const double top = canvas.yLeft(d.figures.atSchoolSeconds / kHour);
        const QRectF bar(plot.left() + (d.day - 1) * slot + slot * 0.15, top, slot * 0.7,
                         plot.bottom() - top);
        p.fillRect(bar, BandChartColour(d.figures.band));
        p.setPen(QPen(QColor(70, 70, 70), 1));
        p.drawRect(bar);
    }
    canvas.referenceLine(canvas.yLeft(RegularDaySeconds / kHour), QColor(110, 110, 110),
                         QStringLiteral("7時間45分"), Qt::DashLine);
    DrawDayLabels(canvas, r, slot);
    canvas.legend(BandLegend(), plot.bottom() + 30);
    canvas.finish();
}

// The month's overtime so far, day by day, against the 45 h line, on a scale of its own.
void DrawRunningPanel(QPainter& painter, QSize size, const MonthReport& r) {
    const MonthTotals& t = r.sheet.totals;
    ChartCanvas canvas(painter, size, QString(),
                       QStringLiteral("残業の累計 (線: その日までの残業の合計、点線: 月末の見込み)"
                                      "   残業 %1 / %2")
                           .arg(FormatDuration(t.overtimeSeconds), HoursText(kMonthLimitSeconds)),
                       30);
    const double projected = r.projection ? *r.projection / kHour : 0.0;
    canvas.setLeftAxis(AxisMaximum(std::max({t.overtimeSeconds / kHour, projected}), 50),
                       QStringLiteral("残業 (時間)"));
    QPainter& p = canvas.painter();
    const QRectF plot = canvas.plot();
    const double slot = plot.width() / r.daysInMonth;
    canvas.referenceLine(canvas.yLeft(kMonthLimitSeconds / kHour), kLimitColour,
                         HoursText(kMonthLimitSeconds), Qt::DashLine);
    if (canvas.yLeft(kAverageLimitSeconds / kHour) > plot.top()) {
        canvas.referenceLine(canvas.yLeft(kAverageLimitSeconds / kHour), QColor(150, 0, 60),
                             HoursText(kAverageLimitSeconds), Qt::DashDotLine);
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
        line << QPointF(plot.left() + (day - 0.5) * slot, canvas.yLeft(cumulative / kHour));
    }
    canvas.markedLine(line, kLineColour, 3, 2.5);
    if (r.projection && !line.isEmpty() && r.elapsedDays < r.daysInMonth) {
        p.setPen(QPen(kLineColour, 2, Qt::DotLine));
        const QPointF end(plot.right() - slot / 2, canvas.yLeft(projected));
        p.drawLine(line.last(), end);
        p.setFont(canvas.font(12, true));
        p.setPen(kLineColour);
        canvas.textWithBackdrop(QRectF(end.x() - 160, end.y() - 20, 160, 16),
                                Qt::AlignRight | Qt::AlignVCenter,
                                QStringLiteral("見込み %1").arg(FormatDuration(*r.projection)));
    }
    p.setFont(canvas.font(11));
    p.setPen(QColor(40, 40, 40));
    for (int day = 1; day <= r.daysInMonth; day += 1) {
        if (day == 1 || day % 5 == 0) {
            p.drawText(QRectF(plot.left() + (day - 1) * slot - 10, plot.bottom() + 4, slot + 20, 16),
                       Qt::AlignCenter, QString::number(day));
        }
    }
    canvas.finish();
}

}  // namespace

void DrawMonthChart(QPainter& painter, QSize size, const MonthReport& r) {
    // Two panels, one scale each: the days above, the running total below.
    const int upper = size.height() * 60 / 100;
    DrawDayPanel(painter, QSize(size.width(), upper), r);
    painter.save();
    painter.translate(0, upper);
    DrawRunningPanel(painter, QSize(size.width(), size.height() - upper), r);
    painter.restore();
}

QImage MonthChart(const MonthReport& report) {
    const QSize size(1100, 820);
    return PaintChart(size, [&](QPainter& p) { DrawMonthChart(p, size, report); });
}
