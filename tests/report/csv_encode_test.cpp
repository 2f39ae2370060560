#include "report/csv_report.h"

#include <gtest/gtest.h>

namespace {

// Names come from file names and rows from sheets: whatever a spreadsheet would evaluate or turn
// into a number stays text, in both encodings.
TEST(CsvEncode, cellsASpreadsheetWouldEvaluateStayText) {
    const std::pair<QString, QByteArray> cases[] = {
        {QStringLiteral("=1+2"), "'=1+2"},         {QStringLiteral("-5"), "'-5"},
        {QStringLiteral("+81 3"), "'+81 3"},       {QStringLiteral("@SUM(A1)"), "'@SUM(A1)"},
        {QStringLiteral("=A1,B1"), "\"'=A1,B1\""}, {QStringLiteral("a=b-c"), "a=b-c"},
        {QStringLiteral("5:30"), "5:30"},          {QString(), ""},
    };
    for (const auto& [cell, field] : cases) {
        for (const bool utf8 : {false, true}) {
            const EncodedCsv csv = EncodeCsv({{cell, QStringLiteral("x")}}, utf8);
            ASSERT_TRUE(csv.ok) << cell.toStdString();
            EXPECT_EQ(csv.bytes,
                      (utf8 ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + field + ",x\r\n")
                << cell.toStdString();
        }
    }
    // CP932 holds no control characters at all; UTF-8 does.
    EXPECT_EQ(EncodeCsv({{QStringLiteral("\t=1")}}, true).bytes, "\xEF\xBB\xBF'\t=1\r\n");
    EXPECT_EQ(EncodeCsv({{QStringLiteral("\r=1")}}, true).bytes, "\xEF\xBB\xBF\"'\r=1\"\r\n");
}

// The code page layer says which character and where; the message around it is the report's own.
TEST(CsvEncode, aCharacterCp932CannotHoldIsNamedWithItsLineInJapanese) {
    const EncodedCsv csv = EncodeCsv(
        {{QStringLiteral("氏名")}, {QStringLiteral("Jose"), QStringLiteral("5€")}}, false);
    EXPECT_FALSE(csv.ok);
    EXPECT_TRUE(csv.bytes.isEmpty());
    EXPECT_EQ(csv.error,
              QStringLiteral("CSV を CP932 で書けません: 2 行目の \"€\" (U+20AC) は CP932 の"
                             " CSV に書けない文字です (--format csv-utf8 なら書けます)"));
}

}  // namespace
