#pragma once

#include <QtGlobal>

#include <optional>
#include <span>

// The colours of the time label by worked time: one band up to 7 h 45 min, one per further hour,
// and an open-ended last band. Colours are values of clock/colour_value.h.
inline constexpr int kBandCount = 10;

struct OvertimeBand {
    int number;
    float from;  // inclusive; ignored for the last band
    float to;    // inclusive; ignored for the last band
    quint32 backColour;
    quint32 foreColour;
};

// Every band in order of worked time; the last one has no upper limit.
std::span<const OvertimeBand> OvertimeBands();

// The band that paints a worked time, or nothing: below -27900 s, and inside the one-second gaps
// between bands that no whole-second worked time falls into.
std::optional<OvertimeBand> BandFor(float workedSeconds);
