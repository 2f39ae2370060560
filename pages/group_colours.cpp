#include "pages/group_colours.h"

#include "pages/chart_canvas.h"

QColor GroupColour(StaffGroup group) {
    switch (group) {
        case StaffGroup::WithinLimit:
            return QColor(86, 150, 220);
        case StaffGroup::OverLimit:
            return QColor(245, 170, 40);
        case StaffGroup::OverAverageLimit:
            return QColor(232, 84, 28);
        case StaffGroup::AtCeiling:
            return QColor(160, 0, 30);
    }
    return Qt::gray;
}

QList<std::pair<QColor, QString>> GroupLegend() {
    QList<std::pair<QColor, QString>> legend;
    for (int g = 0; g < kStaffGroupCount; ++g) {
        legend.append({GroupColour(StaffGroup(g)), GroupName(StaffGroup(g))});
    }
    return legend;
}

void DrawGroupLegend(ChartCanvas& canvas, double legendY, const QString& notCharted) {
    canvas.legend(GroupLegend(), legendY);
    if (!notCharted.isEmpty()) {
        QPainter& p = canvas.painter();
        const QRectF plot = canvas.plot();
        p.setFont(canvas.font(13));
        p.setPen(QColor(60, 60, 60));
        p.drawText(QRectF(plot.left(), plot.top() - 20, plot.width(), 18),
                   Qt::AlignRight | Qt::AlignVCenter, notCharted);
    }
}
