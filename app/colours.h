#pragma once

#include <QColor>
#include <QtGlobal>

class QWidget;

// Colours stay as the window's 32-bit values: red + 256 * green + 65536 * blue below 0x80000000,
// and 0x80000000 + n for the platform's system colour n. A control keeps the value it was given,
// so a handler reads back exactly what was set (IN's back colour doubles as a state marker).
inline constexpr quint32 ButtonFaceColour = 0x8000000F;
inline constexpr quint32 ActiveButtonColour = 8438015;  // RGB(255, 192, 128), light orange
inline constexpr quint32 WindowBackgroundColour = 0x80000005;
inline constexpr quint32 WindowTextColour = 0x80000008;
inline constexpr quint32 ButtonTextColour = 0x80000012;

constexpr quint32 Rgb(int red, int green, int blue) {
    return quint32(red) + 256u * quint32(green) + 65536u * quint32(blue);
}

// What a colour value paints on this platform.
QColor PaintColour(quint32 value);

void SetBackColour(QWidget* control, quint32 value);
void SetForeColour(QWidget* control, quint32 value);
quint32 BackColour(const QWidget* control);
quint32 ForeColour(const QWidget* control);
