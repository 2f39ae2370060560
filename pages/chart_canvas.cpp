#include "pages/chart_canvas.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

const QString kFontFamily = QStringLiteral("IPAPGothic");

double TickStep(double maximum) {
    static constexpr std::array<double, 10> steps{1, 2, 5, 10, 20, 25, 50, 100, 200, 500};
    for (double step : steps) {
        if (maximum / step <= 10) {
            return step;
        }
    }
    return 1000;
}

}  // namespace

double AxisMaximum(double value, double floor) {
    const double top = std::max(value * 1.08, floor);
    const double step = TickStep(top);
    return std::ceil(top / step) * step;
}

QImage PaintChart(QSize size, const std::function<void(QPainter&)>& draw) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    draw(painter);
    painter.end();
    return image;
}

ChartCanvas::ChartCanvas(QPainter& painter, QSize size, const QString& title,
                         const QString& subtitle, int bottomRoom)
    : painter_(painter) {
    painter_.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    // A panel under another needs no title of its own: its subtitle says what it shows.
    const double titleRoom = title.isEmpty() ? 0 : 30;
    const double top = 48 + titleRoom;
    plot_ = QRectF(80, top, size.width() - 80 - 90, size.height() - top - bottomRoom);
    painter_.setPen(Qt::black);
    painter_.setFont(font(20, true));
    painter_.drawText(QRectF(20, 10, size.width() - 40, 30), Qt::AlignLeft | Qt::AlignVCenter,
                      title);
    painter_.setPen(QColor(80, 80, 80));
    painter_.setFont(font(13));
    painter_.drawText(QRectF(20, 10 + titleRoom, size.width() - 40, 22),
                      Qt::AlignLeft | Qt::AlignVCenter, subtitle);
}

QFont ChartCanvas::font(int pixelSize, bool bold) const {
    QFont f(kFontFamily);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

void ChartCanvas::setLeftAxis(double maxHours, const QString& label) {
    leftMax_ = std::max(maxHours, 1.0);
    leftLabel_ = label;
    // Grid lines first, so that bars and lines lie over them.
    painter_.setPen(QPen(QColor(225, 225, 225), 1));
    const double step = TickStep(leftMax_);
    for (double v = step; v <= leftMax_ + 1e-9; v += step) {
        painter_.drawLine(QPointF(plot_.left(), yLeft(v)), QPointF(plot_.right(), yLeft(v)));
    }
}

double ChartCanvas::yLeft(double hours) const {
    return plot_.bottom() - plot_.height() * std::clamp(hours / leftMax_, 0.0, 1.0);
}

void ChartCanvas::markedLine(const QPolygonF& points, const QColor& colour, int width,
                             double dotRadius) {
    QPainter& p = painter_;
    p.setPen(QPen(colour, width));
    p.drawPolyline(points);
    p.setBrush(colour);
    for (const QPointF& point : points) {
        p.drawEllipse(point, dotRadius, dotRadius);
    }
    p.setBrush(Qt::NoBrush);
}

void ChartCanvas::referenceLine(double y, const QColor& colour, const QString& label,
                                Qt::PenStyle style) {
    painter_.setPen(QPen(colour, 2, style));
    painter_.drawLine(QPointF(plot_.left(), y), QPointF(plot_.right(), y));
    // In the margin at the right, where it covers no bar.
    painter_.setFont(font(12, true));
    painter_.setPen(colour);
    painter_.drawText(QRectF(plot_.right() + 4, y - 9, 86, 18), Qt::AlignLeft | Qt::AlignVCenter,
                      label);
}

void ChartCanvas::barName(double left, double width, const QString& name) {
    const QString shown = name.size() > 10 ? name.first(9) + QStringLiteral("…") : name;
    painter_.save();
    painter_.translate(left + width / 2 + 5, plot_.bottom() + 6);
    painter_.rotate(-90);
    painter_.setFont(font(12));
    painter_.setPen(QColor(40, 40, 40));
    painter_.drawText(QRectF(-110, -9, 108, 18), Qt::AlignRight | Qt::AlignVCenter, shown);
    painter_.restore();
}

void ChartCanvas::textWithBackdrop(const QRectF& box, int flags, const QString& text) {
    const QRectF used = painter_.boundingRect(box, flags, text);
    painter_.fillRect(used.adjusted(-3, 0, 3, 0), QColor(255, 255, 255, 215));
    painter_.drawText(box, flags, text);
}

void ChartCanvas::legend(const QList<std::pair<QColor, QString>>& entries, double y) {
    painter_.setFont(font(12));
    painter_.setBrush(Qt::NoBrush);
    double x = plot_.left();
    for (const auto& [colour, text] : entries) {
        painter_.fillRect(QRectF(x, y + 2, 12, 12), colour);
        painter_.setPen(QColor(90, 90, 90));
        painter_.drawRect(QRectF(x, y + 2, 12, 12));
        painter_.setPen(Qt::black);
        const double width = painter_.fontMetrics().horizontalAdvance(text);
        painter_.drawText(QPointF(x + 16, y + 13), text);
        x += 16 + width + 14;
    }
}

void ChartCanvas::drawLeftAxis() {
    painter_.setFont(font(12));
    painter_.setPen(QColor(40, 40, 40));
    const double step = TickStep(leftMax_);
    const double x = plot_.left();
    for (double v = 0; v <= leftMax_ + 1e-9; v += step) {
        const double y = plot_.bottom() - plot_.height() * (v / leftMax_);
        painter_.drawText(QRectF(x - 66, y - 8, 60, 16), Qt::AlignRight | Qt::AlignVCenter,
                          QString::number(v));
        painter_.drawLine(QPointF(x - 3, y), QPointF(x + 3, y));
    }
    painter_.drawLine(QPointF(x, plot_.top()), QPointF(x, plot_.bottom()));
    painter_.save();
    painter_.translate(x - 58, plot_.center().y());
    painter_.rotate(-90);
    painter_.setFont(font(13));
    painter_.drawText(QRectF(-plot_.height() / 2, -10, plot_.height(), 20), Qt::AlignCenter,
                      leftLabel_);
    painter_.restore();
}

void ChartCanvas::finish() {
    painter_.setPen(QPen(QColor(60, 60, 60), 1));
    painter_.drawLine(plot_.bottomLeft(), plot_.bottomRight());
    drawLeftAxis();
}
