#include "overtime/year_rules.h"

#include "overtime/guideline.h"
#include "overtime/month_key.h"

#include <algorithm>

qint64 SpanAverage::averageSeconds() const {
    const qint64 minuteSpan = qint64(months) * 60;
    return (sumSeconds + minuteSpan / 2) / minuteSpan * 60;
}

bool SpanAverage::overLimit() const {
    return averageSeconds() > kAverageLimitSeconds;
}

bool YearVerdict::overYearLimit() const {
    return totalSeconds > kYearLimitSeconds;
}

bool YearVerdict::overSpecialYearLimit() const {
    return totalSeconds > kYearSpecialLimitSeconds;
}

bool YearVerdict::tooManyMonthsOverLimit() const {
    return monthsOverLimit > kMonthsOverLimitAllowed;
}

YearVerdict JudgeYear(const SchoolYearOvertime& months, const LeadOvertime& before) {
    // Month k of the year is k + kLeadMonths here; the lead months come first.
    std::array<std::optional<qint64>, kLeadMonths + kSchoolYearMonths> all;
    std::copy(before.begin(), before.end(), all.begin());
    std::copy(months.begin(), months.end(), all.begin() + kLeadMonths);
    YearVerdict verdict;
    for (int m = 0; m < kSchoolYearMonths; ++m) {
        if (!months[m]) {
            continue;
        }
        const qint64 overtime = *months[m];
        ++verdict.monthsPresent;
        verdict.totalSeconds += overtime;
        verdict.monthsOverLimit += overtime > kMonthLimitSeconds ? 1 : 0;
        verdict.monthsAtCeiling += overtime >= kMonthCeilingSeconds ? 1 : 0;

        const int end = m + kLeadMonths;
        for (int span = kShortestSpan; span <= kLongestSpan; ++span) {
            SpanAverage average{span, 0};
            bool complete = true;
            for (int k = end - span + 1; k <= end && complete; ++k) {
                complete = all[k].has_value();
                average.sumSeconds += complete ? *all[k] : 0;
            }
            if (!complete) {
                break;  // a longer span holds the same missing month
            }
            verdict.averages[m][span - kShortestSpan] = average;
            verdict.spansOverAverageLimit += average.overLimit() ? 1 : 0;
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
    return YearOfKey(FirstMonthOfSchoolYear(schoolYear) + monthIndex);
}

int CalendarMonthOf(int monthIndex) {
    return ((kSchoolYearFirstMonth - 1 + monthIndex) % 12 + 12) % 12 + 1;
}
