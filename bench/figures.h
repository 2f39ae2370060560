#pragma once

#include <string>
#include <vector>

// One benchmark figure: the clock's value, the floor program's value measured in the same run, and
// the target the clock is held to. Printed as a Markdown table row, the form scripts/bench
// collects.
struct Figure {
    enum class Target { None, RatioAtMost, ExcessAtMost };
    std::string name;
    double clock = 0;
    double floor = 0;
    std::string unit;  // "ms", "MiB", "µs"...
    Target target = Target::None;
    double limit = 0;  // the highest ratio, or the most the clock may exceed the floor by
    int decimals = 1;
};

bool Met(const Figure& figure);
std::string Row(const Figure& figure);

// The middle value (the mean of the two middle ones for an even count); 0 for none.
double Median(std::vector<double> values);
