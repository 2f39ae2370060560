#include "pages/chart_canvas.h"
#include "pages/group_colours.h"
#include "pages/png_report.h"
#include "pages/report_labels.h"

#include <algorithm>

namespace {

constexpr double kHour = 3600.0;
constexpr int kNamedSlot = 14;  // narrower bars go without names
// A chart of a whole board's staff would be hundreds of thousands of pixels wide and say nothing:
// it shows the people with the most overtime and says how many more there are.
constexpr int kMostCharted = 40;

// Wide enough for a name under every bar.
QSize StaffChartSize(int people) {
    return QSize(std::max(1000, 170 + std::min(people, kMostCharted) * 22), 630);
}

}  // namespace

void DrawStaffChart(QPainter& painter, QSize size, const StaffReport& r) {
    const bool year = r.schoolYear.has_value();
    const int everyone = int(r.rows.size());
    const int people = std::min(everyone, kMostCharted);  // the rows run from the most overtime
    const bool named = (size.width() - 170) / std::max(people, 1) >= kNamedSlot;
    const int bottomRoom = named ? 150 : 70;
    QString subtitle;
    for (int g = 0; g < kStaffGroupCount; ++g) {
        subtitle +=
            QStringLiteral("%1 %2人   ").arg(GroupName(StaffGroup(g))).arg(r.groupCounts[g]);
    }
    const QString period =
        year ? QStringLiteral("%1年度").arg(*r.schoolYear) : FormatMonth(r.year, r.month);
    ChartCanvas canvas(
        painter, size,
        QStringLiteral("%1 全員の%2残業 (%3人、多い順)")
            .arg(period, year ? QStringLiteral("年間") : QString())
            .arg(everyone),
        subtitle.trimmed() + (year ? QStringLiteral("   (区分は各人の最も多い月)") : QString()),
        bottomRoom);
    double highest = 0;
    for (const StaffRow& row : r.rows.first(people)) {
        highest = std::max(highest, row.overtimeSeconds / kHour);
    }
    const double top = AxisMaximum(highest, year ? 400 : 110);
    canvas.setLeftAxis(top,
                       year ? QStringLiteral("年間の残業 (時間)") : QStringLiteral("残業 (時間)"));

    QPainter& p = canvas.painter();
    const QRectF plot = canvas.plot();
    const double step = plot.width() / std::max(people, 1);
    for (int i = 0; i < people; ++i) {
        const StaffRow& row = r.rows[i];
        const double left = plot.left() + i * step;
        const double y = canvas.yLeft(row.overtimeSeconds / kHour);
        const double barWidth = std::clamp(step * 0.7, 1.0, 60.0);
        p.fillRect(QRectF(left + (step - barWidth) / 2, y, barWidth, plot.bottom() - y),
                   row.monthsPresent > 0 ? GroupColour(row.group) : QColor(190, 190, 190));
        if (step >= 40) {
            p.setFont(canvas.font(12));
            p.setPen(QColor(30, 30, 30));
            p.drawText(QRectF(left, y - 18, step, 16), Qt::AlignCenter,
                       FormatDuration(row.overtimeSeconds));
        }
        if (named) {
            canvas.barName(left, step, row.person);
        }
    }
    if (year) {
        canvas.referenceLine(canvas.yLeft(kYearLimitSeconds / kHour),
                             GroupColour(StaffGroup::OverLimit),
                             QStringLiteral("年 ") + HoursText(kYearLimitSeconds), Qt::DashLine);
        if (top >= kYearSpecialLimitSeconds / kHour) {
            canvas.referenceLine(
                canvas.yLeft(kYearSpecialLimitSeconds / kHour), GroupColour(StaffGroup::AtCeiling),
                QStringLiteral("年 ") + HoursText(kYearSpecialLimitSeconds), Qt::DashLine);
        }
    } else {
        for (const auto& [line, group] :
             {std::pair{kMonthLimitSeconds, StaffGroup::OverLimit},
              std::pair{kAverageLimitSeconds, StaffGroup::OverAverageLimit},
              std::pair{kMonthCeilingSeconds, StaffGroup::AtCeiling}}) {
            canvas.referenceLine(canvas.yLeft(line / kHour), GroupColour(group), HoursText(line),
                                 Qt::DashLine);
        }
    }
    DrawGroupLegend(canvas, plot.bottom() + bottomRoom - 34,
                    everyone > people
                        ? QStringLiteral("多い順に %1人まで。ほか %2人は表と CSV にあります")
                              .arg(people)
                              .arg(everyone - people)
                        : QString());
    canvas.finish();
}

QImage StaffChart(const StaffReport& report) {
    const QSize size = StaffChartSize(int(report.rows.size()));
    return PaintChart(size, [&](QPainter& p) { DrawStaffChart(p, size, report); });
}
