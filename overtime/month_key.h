#pragma once

// A month as one number, for ranges and sorting: year * 12 + month - 1.
using MonthKey = int;
inline MonthKey KeyOf(int year, int month) {
    return year * 12 + month - 1;
}
inline int YearOfKey(MonthKey key) {
    return key / 12;
}
inline int MonthOfKey(MonthKey key) {
    return key % 12 + 1;
}

// The school year runs from April to March and is named by the year of its April.
inline constexpr int kSchoolYearFirstMonth = 4;
inline MonthKey FirstMonthOfSchoolYear(int schoolYear) {
    return KeyOf(schoolYear, kSchoolYearFirstMonth);
}
inline int SchoolYearOf(MonthKey key) {
    return YearOfKey(key - (kSchoolYearFirstMonth - 1));
}
// The month `month` (1 to 12) of the school year `schoolYear`.
inline MonthKey MonthInSchoolYear(int schoolYear, int month) {
    return month >= kSchoolYearFirstMonth ? KeyOf(schoolYear, month) : KeyOf(schoolYear + 1, month);
}
