#include "pages/board_tables.h"
#include "pages/chart_canvas.h"
#include "pages/group_colours.h"
#include "pages/png_report.h"
#include "pages/report_labels.h"

#include <algorithm>

namespace {

// As the staff's chart: a bar a school, the schools with the most people past the lines first.
constexpr int kMostCharted = 40;
// The picture holds each school's own chart below the board's while there are this few.
constexpr int kMostSchoolCharts = 12;
constexpr int kNamedSlot = 14;

QSize BoardChartSize(int schools) {
    return QSize(std::max(1000, 170 + std::min(schools, kMostCharted) * 22), 630);
}

// The schools in the order the chart shows them: most people at 100 h and over first, then
// over 80 h, then over 45 h; the board's order among equals.
QList<int> ChartOrder(const BoardReport& r) {
    QList<int> order;
    QList<SchoolSummary> summaries;
    for (int i = 0; i < r.schools.size(); ++i) {
        order << i;
        summaries << SummaryOf(r.schools[i].staff);
    }
    std::stable_sort(order.begin(), order.end(), [&summaries](int a, int b) {
        const auto& x = summaries[a].groups;
        const auto& y = summaries[b].groups;
        return std::tuple(x[3], x[2], x[1]) > std::tuple(y[3], y[2], y[1]);
    });
    return order;
}

}  // namespace

void DrawBoardChart(QPainter& painter, QSize size, const BoardReport& r) {
    const int everyone = int(r.schools.size());
    const int shown = std::min(everyone, kMostCharted);
    const bool named = (size.width() - 170) / std::max(shown, 1) >= kNamedSlot;
    const int bottomRoom = named ? 150 : 70;
    const SchoolSummary total = BoardTotal(r);
    QString subtitle;
    for (int g = 0; g < kStaffGroupCount; ++g) {
        subtitle += QStringLiteral("%1 %2人   ").arg(GroupName(StaffGroup(g))).arg(total.groups[g]);
    }
    ChartCanvas canvas(painter, size, BoardHeading(r),
                       subtitle.trimmed() + (r.schoolYear
                                                 ? QStringLiteral("   (区分は各人の最も多い月)")
                                                 : QString()),
                       bottomRoom);
    const QList<int> order = ChartOrder(r).first(shown);
    int most = 0;
    for (int i : order) {
        most = std::max(most, SummaryOf(r.schools[i].staff).staff);
    }
    canvas.setLeftAxis(AxisMaximum(most, 5), QStringLiteral("人数"));
    QPainter& p = canvas.painter();
    const QRectF plot = canvas.plot();
    const double step = plot.width() / std::max(shown, 1);
    const double barWidth = std::clamp(step * 0.7, 1.0, 60.0);
    for (int slot = 0; slot < shown; ++slot) {
        const SchoolReport& school = r.schools[order[slot]];
        const SchoolSummary s = SummaryOf(school.staff);
        const double left = plot.left() + slot * step;
        int below = 0;
        for (int g = 0; g < kStaffGroupCount; ++g) {
            const double bottom = canvas.yLeft(below);
            const double top = canvas.yLeft(below + s.groups[g]);
            p.fillRect(QRectF(left + (step - barWidth) / 2, top, barWidth, bottom - top),
                       GroupColour(StaffGroup(g)));
            below += s.groups[g];
        }
        if (step >= 40) {
            p.setFont(canvas.font(12));
            p.setPen(QColor(30, 30, 30));
            p.drawText(QRectF(left, canvas.yLeft(below) - 18, step, 16), Qt::AlignCenter,
                       QStringLiteral("%1人").arg(s.staff));
        }
        if (named) {
            canvas.barName(left, step, school.name);
        }
    }
    DrawGroupLegend(
        canvas, plot.bottom() + bottomRoom - 34,
        everyone > shown
            ? QStringLiteral("超えた人の多い順に %1校まで。ほか %2校は表と CSV にあります")
                  .arg(shown)
                  .arg(everyone - shown)
            : QString());
    canvas.finish();
}

QImage BoardChart(const BoardReport& report) {
    const QSize board = BoardChartSize(int(report.schools.size()));
    const bool each = report.schools.size() <= kMostSchoolCharts;
    QList<QImage> schools;
    int width = board.width();
    int height = board.height();
    for (const SchoolReport& school : report.schools) {
        if (!each) {
            break;
        }
        // Each school's chart under its name, as the school's own report draws it.
        const QImage chart = StaffChart(school.staff);
        QImage titled(chart.width(), chart.height() + 34, QImage::Format_RGB32);
        titled.fill(Qt::white);
        QPainter p(&titled);
        QFont font(QStringLiteral("IPAPGothic"));
        font.setPixelSize(20);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRect(20, 8, chart.width() - 40, 26), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("■ ") + SchoolTitle(school));
        p.drawImage(0, 34, chart);
        p.end();
        width = std::max(width, titled.width());
        height += titled.height();
        schools << titled;
    }
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    DrawBoardChart(p, board, report);
    int y = board.height();
    for (const QImage& chart : schools) {
        p.drawImage(0, y, chart);
        y += chart.height();
    }
    p.end();
    return image;
}
