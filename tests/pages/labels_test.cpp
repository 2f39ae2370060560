#include "pages/report_labels.h"
#include "records/cp932.h"

#include <gtest/gtest.h>

namespace {

// Every fixed text of the outputs must survive the CP932 CSV; a wave dash or a minus sign from
// the wrong table would stop the whole file.
TEST(ReportLabels, everyFixedTextEncodesInCp932) {
    QStringList texts;
    for (int i = 0; i < kReasonCount; ++i) {
        texts << ReasonCaption(i);
    }
    for (int g = 0; g < kStaffGroupCount; ++g) {
        texts << GroupName(StaffGroup(g));
    }
    for (LookReason r :
         {LookReason::MissingOut, LookReason::StillOpen, LookReason::EndBeforeIn,
          LookReason::OutWithoutIn, LookReason::UnreadableRow, LookReason::DayNotInMonth,
          LookReason::MissingRows, LookReason::UnreadableSheet}) {
        texts << LookReasonText(r);
    }
    for (int day = 1; day <= 7; ++day) {
        texts << FormatDate(2017, 7, day);
    }
    texts << AgainstLine(10, 20) << AgainstLine(20, 10) << AgainstLine(10, 10, true)
          << FormatMonth(2017, 7);
    for (const QString& text : texts) {
        const Cp932Result encoded = EncodeCp932(text);
        EXPECT_TRUE(encoded.ok) << text.toStdString() << ": U+" << std::hex
                                << uint(encoded.character);
    }
}

TEST(ReportLabels, durationsInHoursAndMinutes) {
    EXPECT_EQ(FormatDuration(0), QStringLiteral("0:00"));
    EXPECT_EQ(FormatDuration(46 * 3600 + 5 * 60 + 59), QStringLiteral("46:05"));
    EXPECT_EQ(FormatDuration(-90 * 60), QStringLiteral("-1:30"));
    EXPECT_EQ(FormatClock(8 * 60 + 5), QStringLiteral("08:05"));
    EXPECT_EQ(AgainstLine(100 * 3600, 100 * 3600, true), QStringLiteral("到達"));
    EXPECT_EQ(AgainstLine(30 * 3600, 45 * 3600), QStringLiteral("残り 15:00"));
}

}  // namespace
