#include "clock/reason_captions.h"

#include <gtest/gtest.h>

namespace {

// Each caption starts with its own letter, and a row's letters come back as the boxes hold them:
// a letter ticked twice once, unticking the latest one, words typed in a spreadsheet kept.
TEST(ReasonLetters, captionsLettersAndTicksAgree) {
    for (int i = 0; i < kReasonCount; ++i) {
        EXPECT_EQ(ReasonCaption(i).at(0), ReasonLetter(i));
        EXPECT_EQ(ReasonIndex(ReasonLetter(i)), i);
        EXPECT_EQ(ReasonLetters().at(i), ReasonLetter(i));
    }
    EXPECT_EQ(ReasonLetters().size(), kReasonCount);
    EXPECT_EQ(ReasonRange(), QStringLiteral("A～K"));
    EXPECT_FALSE(ReasonIndex(QLatin1Char('L')));
    EXPECT_FALSE(ReasonIndex(QLatin1Char('a')));
    EXPECT_EQ(ToggleReason("ABA", 'A', false), "AB");
    EXPECT_EQ(ToggleReason("AB", 'G', true), "ABG");
    EXPECT_EQ(ReasonsAsTicked("ABAC"), "ABC");
    EXPECT_EQ(ReasonsAsTicked(QStringLiteral("部活動部A A")), QStringLiteral("部活動部A "));
}

}  // namespace
