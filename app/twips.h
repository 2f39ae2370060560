#pragma once

#include <QRect>
#include <cmath>

// Positions and sizes are designed in twips; at 96 pixels per inch a logical pixel is 15 twips.
inline constexpr int kTwipsPerPixel = 15;

inline int TwipsToPixels(int twips) {
    return int(std::lround(double(twips) / kTwipsPerPixel));
}

// Edges are rounded rather than sizes, so controls that touch in twips touch on screen.
inline QRect TwipsRect(int left, int top, int width, int height) {
    const int x = TwipsToPixels(left);
    const int y = TwipsToPixels(top);
    return QRect(x, y, TwipsToPixels(left + width) - x, TwipsToPixels(top + height) - y);
}
