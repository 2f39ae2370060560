#pragma once

#include <QtGlobal>

#include <array>
#include <optional>

// The school year's limits on overtime, April to March: 360 h a year, or under special
// circumstances 720 h, under 100 h in any month, at most 80 h on average over any 2 to 6
// consecutive months, and at most 6 months over 45 h.

inline constexpr int kSchoolYearMonths = 12;
inline constexpr int kShortestSpan = 2;
inline constexpr int kLongestSpan = 6;
inline constexpr int kSpanCount = kLongestSpan - kShortestSpan + 1;
// The averages run over any consecutive months, across the turn of the school year too: a span
// ending in April reaches back as far as November before it.
inline constexpr int kLeadMonths = kLongestSpan - 1;

// A month's overtime in seconds, April first; nothing for a month without a sheet.
using SchoolYearOvertime = std::array<std::optional<qint64>, kSchoolYearMonths>;
// November to March before the school year, for the averages alone.
using LeadOvertime = std::array<std::optional<qint64>, kLeadMonths>;

// The average over the `months` consecutive months that end with a given month.
struct SpanAverage {
    int months = 0;
    qint64 sumSeconds = 0;
    // Rounded to the nearest whole minute, as shown; the limit is judged on this same figure.
    qint64 averageSeconds() const;
    bool overLimit() const;  // above 80 h on average
};

struct YearVerdict {
    qint64 totalSeconds = 0;
    int monthsPresent = 0;
    int monthsOverLimit = 0;
    int monthsAtCeiling = 0;  // months at 100 h or more
    // [month][span - 2]: the average of the span ending with that month, when there is a sheet
    // for every month of it (months before April from the lead months).
    std::array<std::array<std::optional<SpanAverage>, kSpanCount>, kSchoolYearMonths> averages{};
    std::optional<SpanAverage> highestAverage;
    int highestAverageEnd = -1;  // the month the highest average ends with
    int spansOverAverageLimit = 0;

    bool overYearLimit() const;           // more than 360 h
    bool overSpecialYearLimit() const;    // more than 720 h
    bool tooManyMonthsOverLimit() const;  // a seventh month over 45 h
};

// The year's limits over its own months; the averages also over the lead months before it.
YearVerdict JudgeYear(const SchoolYearOvertime& months, const LeadOvertime& before = {});

// April of `schoolYear` is month 0, March of the next year month 11; the lead months before
// April are -5 (November) to -1 (March).
int CalendarYearOf(int schoolYear, int monthIndex);
int CalendarMonthOf(int monthIndex);
