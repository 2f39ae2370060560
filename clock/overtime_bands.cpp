#include "clock/overtime_bands.h"

#include <array>

namespace {

constexpr quint32 kBlack = 0;
constexpr quint32 kYellow = 65535;

constexpr std::array<OvertimeBand, kBandCount> kBands{{
    {1, -27900, 27900, 16776960, kBlack},  // cyan
    {2, 27901, 31500, 16763904, kBlack},   // sky blue
    {3, 31501, 35100, 65280, kBlack},      // green
    {4, 35101, 38700, 65535, kBlack},      // yellow
    {5, 38701, 42300, 52479, kBlack},      // amber
    {6, 42301, 45900, 6697881, kBlack},    // plum
    {7, 45901, 49500, 8421631, kBlack},    // salmon
    {8, 49501, 53100, 16711935, kYellow},  // magenta
    {9, 53101, 56700, 255, kYellow},       // red
    {10, 56700, 0, 0, kYellow},            // black, above 15 h 45 min
}};

}  // namespace

std::span<const OvertimeBand> OvertimeBands() {
    return kBands;
}

std::optional<OvertimeBand> BandFor(float workedSeconds) {
    const OvertimeBand& last = kBands.back();
    if (workedSeconds > last.from) {
        return last;
    }
    for (const OvertimeBand& band : std::span(kBands).first(kBands.size() - 1)) {
        if (band.from <= workedSeconds && workedSeconds <= band.to) {
            return band;
        }
    }
    return std::nullopt;
}
