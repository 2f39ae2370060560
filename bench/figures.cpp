#include "bench/figures.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string TargetText(const Figure& figure) {
    switch (figure.target) {
        case Figure::Target::RatioAtMost:
            return "≤ " + Fixed(figure.limit, 1) + "x";
        case Figure::Target::ExcessAtMost:
            return "≤ floor + " + Fixed(figure.limit, figure.limit == int(figure.limit) ? 0 : 1) +
                   " " + figure.unit;
        case Figure::Target::None:
            break;
    }
    return "-";
}

}  // namespace

bool Met(const Figure& figure) {
    switch (figure.target) {
        case Figure::Target::RatioAtMost:
            return figure.clock <= figure.floor * figure.limit;
        case Figure::Target::ExcessAtMost:
            return figure.clock - figure.floor <= figure.limit;
        case Figure::Target::None:
            break;
    }
    return true;
}

std::string Row(const Figure& figure) {
    const std::string unit = figure.unit.empty() ? "" : " " + figure.unit;
    const std::string ratio = figure.floor > 0 ? Fixed(figure.clock / figure.floor, 2) + "x" : "-";
    std::string verdict = "-";
    if (figure.target != Figure::Target::None) {
        verdict = Met(figure) ? "met" : "**missed**";
    }
    return "| " + figure.name + " | " + Fixed(figure.clock, figure.decimals) + unit + " | " +
           Fixed(figure.floor, figure.decimals) + unit + " | " + ratio + " | " +
           TargetText(figure) + " | " + verdict + " |";
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}
