#pragma once

#include <QtGlobal>

// Colours as the window keeps them on its controls, and as the overtime bands give them: red +
// 256 * green + 65536 * blue below 0x80000000, and 0x80000000 + n for the platform's system
// colour n.

constexpr quint32 Rgb(int red, int green, int blue) {
    return quint32(red) + 256u * quint32(green) + 65536u * quint32(blue);
}

constexpr bool IsSystemColour(quint32 value) {
    return (value & 0x80000000u) != 0;
}

// n of a system colour 0x80000000 + n.
constexpr quint32 SystemColourIndex(quint32 value) {
    return value & 0xFFu;
}

constexpr int RedOf(quint32 value) {
    return int(value & 0xFF);
}
constexpr int GreenOf(quint32 value) {
    return int((value >> 8) & 0xFF);
}
constexpr int BlueOf(quint32 value) {
    return int((value >> 16) & 0xFF);
}
