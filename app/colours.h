#pragma once

#include "clock/colour_value.h"

#include <QColor>
#include <QtGlobal>

class QWidget;

// Colours stay as the window's 32-bit values (clock/colour_value.h). A control keeps the value it
// was given, so a handler reads back exactly what was set.
inline constexpr quint32 ButtonFaceColour = 0x8000000F;
inline constexpr quint32 ActiveButtonColour = 8438015;  // RGB(255, 192, 128), light orange
inline constexpr quint32 WindowBackgroundColour = 0x80000005;
inline constexpr quint32 WindowTextColour = 0x80000008;
inline constexpr quint32 ButtonTextColour = 0x80000012;

// What a colour value paints on this platform.
QColor PaintColour(quint32 value);

void SetBackColour(QWidget* control, quint32 value);
void SetForeColour(QWidget* control, quint32 value);
quint32 BackColour(const QWidget* control);
quint32 ForeColour(const QWidget* control);
