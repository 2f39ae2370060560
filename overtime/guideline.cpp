#include "overtime/guideline.h"

QString HoursText(qint64 seconds) {
    return QStringLiteral("%1時間").arg(seconds / kHourSeconds);
}

StaffGroup GroupFor(qint64 overtimeSeconds) {
    if (overtimeSeconds >= kMonthCeilingSeconds) {
        return StaffGroup::AtLeast100;
    }
    if (overtimeSeconds > kAverageLimitSeconds) {
        return StaffGroup::Over80;
    }
    if (overtimeSeconds > kMonthLimitSeconds) {
        return StaffGroup::Over45;
    }
    return StaffGroup::UpTo45;
}

QString GroupName(StaffGroup group) {
    switch (group) {
        case StaffGroup::UpTo45:
            return HoursText(kMonthLimitSeconds) + QStringLiteral("以下");
        case StaffGroup::Over45:
            return HoursText(kMonthLimitSeconds) + QStringLiteral("超");
        case StaffGroup::Over80:
            return HoursText(kAverageLimitSeconds) + QStringLiteral("超");
        case StaffGroup::AtLeast100:
            return HoursText(kMonthCeilingSeconds) + QStringLiteral("以上");
    }
    return {};
}
