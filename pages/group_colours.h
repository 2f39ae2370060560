#pragma once

#include "overtime/guideline.h"

#include <QColor>
#include <QList>
#include <QString>

#include <utility>

class ChartCanvas;

// The staff groups as the charts colour them, cool to hot.
QColor GroupColour(StaffGroup group);

// Every group's colour with its name, in order, as a chart's legend lists them.
QList<std::pair<QColor, QString>> GroupLegend();

// The groups' legend at `legendY`, and over the plot `notCharted` (the bars left out and where
// they are) when it is not empty.
void DrawGroupLegend(ChartCanvas& canvas, double legendY, const QString& notCharted);
