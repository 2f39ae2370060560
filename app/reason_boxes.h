#pragma once

#include "clock/reason_captions.h"

#include <iterator>

// The eleven overtime reasons, as the window and the question about a day left open show them.
struct ReasonBox {
    int index;  // the element of Form1::Check2
    const char* caption;
    int top;  // twips, in the window
    int tabIndex;
};

// Read by their tops the boxes run A to K; G and H sit at indices 7 and 6.
inline constexpr ReasonBox kReasonBoxes[] = {
    {0, kReasonCaptions[0], 960, 5},    {1, kReasonCaptions[1], 1200, 6},
    {2, kReasonCaptions[2], 1440, 7},   {3, kReasonCaptions[3], 1680, 8},
    {4, kReasonCaptions[4], 1920, 9},   {5, kReasonCaptions[5], 2160, 10},
    {7, kReasonCaptions[6], 2400, 11},  {6, kReasonCaptions[7], 2640, 14},
    {8, kReasonCaptions[8], 2880, 15},  {9, kReasonCaptions[9], 3120, 16},
    {10, kReasonCaptions[10], 3360, 17},
};
static_assert(std::size(kReasonBoxes) == kReasonCount, "every reason has its box");

inline constexpr int kReasonBoxHeightTwips = 255;

constexpr int LowestReasonBoxTop() {
    int lowest = 0;
    for (const ReasonBox& box : kReasonBoxes) {
        lowest = box.top > lowest ? box.top : lowest;
    }
    return lowest;
}

// The window's height while it asks for the reasons: the lowest box and a margin below it.
inline constexpr int kReasonsHeightTwips = LowestReasonBoxTop() + 340;
// The height the window is laid out at, before any phase sets its own.
inline constexpr int kLaidOutHeightTwips = kReasonsHeightTwips + 5;
