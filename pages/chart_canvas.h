#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QString>

#include <functional>
#include <utility>

// A white area with a title, a plot area and value axes in hours, on which the charts of the
// report draw their bars and lines: into a picture, or onto a page of the printable report.
class ChartCanvas {
public:
    // Draws on `painter` from (0, 0) to `size`; `bottomRoom` is the height below the plot for
    // labels and the legend.
    ChartCanvas(QPainter& painter, QSize size, const QString& title, const QString& subtitle,
                int bottomRoom = 96);

    QPainter& painter() { return painter_; }
    QRectF plot() const { return plot_; }

    // The axis of hours at the left, from 0 to `maxHours`, and its grid lines; the height in the
    // plot of a number of hours on it.
    void setLeftAxis(double maxHours, const QString& label);
    double yLeft(double hours) const;

    // A horizontal line across the plot at a value of one axis, labelled at its right end.
    void referenceLine(double y, const QColor& colour, const QString& label, Qt::PenStyle style);

    // A line through the points with a dot on each, as the running totals and averages are drawn.
    void markedLine(const QPolygonF& points, const QColor& colour, int width, double dotRadius);

    // Coloured squares with their texts, in one row from the left at height `y`.
    void legend(const QList<std::pair<QColor, QString>>& entries, double y);

    QFont font(int pixelSize, bool bold = false) const;

    // A bar's name, read upwards under the bar that starts at `left` and is `width` wide; a long
    // name is cut to fit.
    void barName(double left, double width, const QString& name);

    // Text in the painter's font and pen over a light patch, readable across bars and lines.
    void textWithBackdrop(const QRectF& box, int flags, const QString& text);

    // Draws the axis over everything.
    void finish();

private:
    void drawLeftAxis();

    QPainter& painter_;
    QRectF plot_;
    double leftMax_ = 1;
    QString leftLabel_;
};

// A picture of `size` that `draw` paints, from (0, 0).
QImage PaintChart(QSize size, const std::function<void(QPainter&)>& draw);

// A round axis maximum at or above the value, never below `floor`.
double AxisMaximum(double value, double floor);
