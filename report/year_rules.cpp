#include "year_rules.h"

#include "overtime_figures.h"

bool SpanAverage::overLimit() const {
    return sumSeconds > kAverageLimitSeconds * months;
}

bool YearVerdict::overYearLimit() const {
    return totalSeconds > kYearLimitSeconds;
}

bool YearVerdict::overSpecialYearLimit() const {
    return totalSeconds > kYearSpecialLimitSeconds;
}

bool YearVerdict::tooManyMonthsOver45() const {
    return monthsOver45 > kMonthsOver45Allowed;
}

bool YearVerdict::breaksAny() const {
    return overYearLimit() || tooManyMonthsOver45() || monthsAt100 > 0 || spansOver80 > 0;
}

YearVerdict JudgeYear(const SchoolYearOvertime& months) {
    YearVerdict verdict;
    for (int m = 0; m < kSchoolYearMonths; ++m) {
        if (!months[m]) {
            continue;
        }
        const qint64 overtime = *months[m];
        ++verdict.monthsPresent;
        verdict.totalSeconds += overtime;
        verdict.monthsOver45 += overtime > kMonthLimitSeconds ? 1 : 0;
        verdict.monthsAt100 += overtime >= kMonthCeilingSeconds ? 1 : 0;

        for (int span = kShortestSpan; span <= kLongestSpan && span <= m + 1; ++span) {
            SpanAverage average{span, 0};
            bool complete = true;
            for (int k = m - span + 1; k <= m && complete; ++k) {
                complete = months[k].has_value();
                average.sumSeconds += complete ? *months[k] : 0;
            }
            if (!complete) {
                break;  // a longer span holds the same missing month
            }
            verdict.averages[m][span - kShortestSpan] = average;
            verdict.spansOver80 += average.overLimit() ? 1 : 0;
            if (!verdict.highestAverage ||
                average.averageSeconds() > verdict.highestAverage->averageSeconds()) {
                verdict.highestAverage = average;
                verdict.highestAverageEnd = m;
            }
        }
    }
    return verdict;
}

int CalendarYearOf(int schoolYear, int monthIndex) {
    return monthIndex < 9 ? schoolYear : schoolYear + 1;
}

int CalendarMonthOf(int monthIndex) {
    return (monthIndex + 3) % 12 + 1;
}
