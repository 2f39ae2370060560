#include "pages/text_table.h"

#include <gtest/gtest.h>

namespace {

TEST(TextTable, japaneseCharactersTakeTwoCells) {
    EXPECT_EQ(DisplayWidth(u"abc"), 3);
    EXPECT_EQ(DisplayWidth(u"残業"), 4);
    EXPECT_EQ(DisplayWidth(u"7/3(月)"), 7);
    EXPECT_EQ(DisplayWidth(u"ｶﾅ"), 2);  // halfwidth katakana stays narrow
    EXPECT_EQ(DisplayWidth(u"Ａ"), 2);  // fullwidth Latin
}

TEST(TextTable, columnsStartInTheSameCellOnEveryLine) {
    TextTable table({Align::Left, Align::Right, Align::Left});
    table.setHeader({QStringLiteral("氏名"), QStringLiteral("残業"), QStringLiteral("区分")});
    table.addRow(
        {QStringLiteral("山田 太郎"), QStringLiteral("102:00"), QStringLiteral("100時間以上")});
    table.addRow({QStringLiteral("Ann"), QStringLiteral("5:00"), QStringLiteral("45時間以下")});
    const QStringList lines = table.render(2).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);  // header, rule, two rows
    // The right-aligned hours end in the same cell, and the third column starts in the same cell.
    const auto endOfHours = [](const QString& line, const QString& hours) {
        return DisplayWidth(QStringView(line).first(line.indexOf(hours) + hours.size()));
    };
    EXPECT_EQ(endOfHours(lines[2], QStringLiteral("102:00")),
              endOfHours(lines[3], QStringLiteral("5:00")));
    EXPECT_EQ(endOfHours(lines[0], QStringLiteral("残業")),
              endOfHours(lines[2], QStringLiteral("102:00")));
    EXPECT_EQ(DisplayWidth(QStringView(lines[2]).first(lines[2].indexOf(QStringLiteral("100")))),
              DisplayWidth(QStringView(lines[3]).first(lines[3].indexOf(QStringLiteral("45")))));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("  山田")));
    EXPECT_FALSE(lines[3].endsWith(u' '));
}

}  // namespace
