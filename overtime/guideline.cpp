#include "overtime/guideline.h"

QString HoursText(qint64 seconds) {
    return QStringLiteral("%1時間").arg(seconds / kHourSeconds);
}

StaffGroup GroupFor(qint64 overtimeSeconds) {
    if (overtimeSeconds >= kMonthCeilingSeconds) {
        return StaffGroup::AtCeiling;
    }
    if (overtimeSeconds > kAverageLimitSeconds) {
        return StaffGroup::OverAverageLimit;
    }
    if (overtimeSeconds > kMonthLimitSeconds) {
        return StaffGroup::OverLimit;
    }
    return StaffGroup::WithinLimit;
}

QString GroupName(StaffGroup group) {
    switch (group) {
        case StaffGroup::WithinLimit:
            return HoursText(kMonthLimitSeconds) + QStringLiteral("以下");
        case StaffGroup::OverLimit:
            return HoursText(kMonthLimitSeconds) + QStringLiteral("超");
        case StaffGroup::OverAverageLimit:
            return HoursText(kAverageLimitSeconds) + QStringLiteral("超");
        case StaffGroup::AtCeiling:
            return HoursText(kMonthCeilingSeconds) + QStringLiteral("以上");
    }
    return {};
}
