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
