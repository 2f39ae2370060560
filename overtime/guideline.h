#pragma once

#include <QString>
#include <QtGlobal>

// The guideline on time at school beyond the regular day: the lines a month and a school year
// are held against, the groups a school reports its staff in, and the words every output names
// them by.

inline constexpr qint64 kHourSeconds = 3600;
inline constexpr qint64 kMonthTargetSeconds = 30 * kHourSeconds;    // the school's own target
inline constexpr qint64 kMonthLimitSeconds = 45 * kHourSeconds;     // a month, ordinarily
inline constexpr qint64 kAverageLimitSeconds = 80 * kHourSeconds;   // any 2 to 6 months' average
inline constexpr qint64 kMonthCeilingSeconds = 100 * kHourSeconds;  // a month must stay below
inline constexpr qint64 kYearLimitSeconds = 360 * kHourSeconds;
inline constexpr qint64 kYearSpecialLimitSeconds = 720 * kHourSeconds;
inline constexpr int kMonthsOverLimitAllowed = 6;

// "45時間": a line in whole hours.
QString HoursText(qint64 seconds);

// The groups a school reports its staff in, by a month's overtime.
enum class StaffGroup { WithinLimit, OverLimit, OverAverageLimit, AtCeiling };
inline constexpr int kStaffGroupCount = 4;
StaffGroup GroupFor(qint64 overtimeSeconds);
// "45時間以下", "45時間超", "80時間超", "100時間以上".
QString GroupName(StaffGroup group);
