#include "records/cp932.h"
#include "records/day_rows.h"
#include "records/month_sheet.h"
#include "records/sheet_layout.h"
#include "tests/records/sheet_test_support.h"

#include <QDir>

#include <gtest/gtest.h>

#include <climits>
#include <optional>

namespace {

std::string Show(const std::optional<QString>& cut) {
    return cut ? '"' + cut->toStdString() + '"' : std::string("(fails)");
}

TEST(MonthSheetName, joinsFolderNameYearAndMonthEachWithItsBlank) {
    struct Case {
        QString dir, name, year, month, fileName;
    };
    const Case cases[] = {
        {"/work/a", "Taro", "17", "07", "/work/a/Taro 17 7.csv"},
        {"/work/a", "Taro", "09", "01", "/work/a/Taro 9 1.csv"},
        {"/work/a", "Taro", "17", "12", "/work/a/Taro 17 12.csv"},
        {"/work/a", "", "17", "07", "/work/a/ 17 7.csv"},
        {"/work/a", " Taro ", "17", "07", "/work/a/ Taro  17 7.csv"},
        {"/work/a", "山田", "00", "10", "/work/a/山田 0 10.csv"},
        {"/", "Taro", "17", "07", "/Taro 17 7.csv"},  // no doubled separator at the root
    };
    for (const Case& c : cases) {
        const SheetState state = StateFor(c.dir, c.year, c.month);
        EXPECT_EQ(MonthSheetPath(state, c.name), QDir::toNativeSeparators(c.fileName))
            << c.name.toStdString() << " " << c.year.toStdString() << "/" << c.month.toStdString();
    }
}

TEST(NumberText, readsTheLeadingNumberAndWritesItAfterOneBlank) {
    const std::pair<QString, QString> texts[] = {
        {"07", " 7"},
        {"17", " 17"},
        {"00", " 0"},
        {"31", " 31"},
        {"8:30", " 8"},
        {" 8", " 8"},
        {"", " 0"},
        {"x7", " 0"},
        {"-05", "-5"},
        {"-0", " 0"},
        {"０７", " 0"},  // fullwidth digits are not a number here
        {"123456789012345678901234567890", " 123456789012345678901234567890"},
    };
    for (const auto& [value, expected] : texts) {
        EXPECT_EQ(NumberText(value), expected) << '"' << value.toStdString() << '"';
    }
    EXPECT_EQ(NumberText(31), " 31");
    EXPECT_EQ(NumberText(0), " 0");
    EXPECT_EQ(NumberText(-3), "-3");
    EXPECT_EQ(NumberText(INT_MIN), "-2147483648");
}

TEST(MonthSheetRows, dayRowAndHeaderRowCarryTheirFieldsInOrder) {
    SheetState state = StateFor("/w", "17", "07");
    state.InHour = "08";
    state.InMinute = "30";
    state.OutHour = "17";
    state.OutMinute = "45";
    state.ReasonCodes = "AB";
    EXPECT_EQ(ComposeDayRow(state, 7), " 7,08,30,17,45,AB");
    EXPECT_EQ(ComposeDayRow(state, QStringLiteral("07")), " 7,08,30,17,45,AB");
    EXPECT_EQ(ComposeDayRow(SheetState{}, 31), " 31,,,,,");

    const QString header = ComposeHeaderRow(state, "Taro");
    EXPECT_EQ(header, QStringLiteral(" 7月／日,始業時,分,終業時,分,残業内容,ユーザー名,Taro"));
    const Cp932Result bytes = EncodeCp932(header);
    ASSERT_TRUE(bytes.ok);
    EXPECT_TRUE(bytes.bytes.startsWith(QByteArray::fromHex("20378C8E815E93FA2C")))
        << bytes.bytes.toHex(' ').toStdString();
    // A comma in the name only lengthens the header.
    EXPECT_EQ(ComposeHeaderRow(state, "Taro,Ken").split(',').size(), 9);
}

TEST(MonthSheetRows, cutsFollowThePositionRulesForEveryCommaAndColonCount) {
    const std::optional<QString> fails;
    struct Case {
        QString text;
        std::optional<QString> first, second;
    };
    const Case rows[] = {
        {" 7,,,,,", "", ""},
        {" 7,08,30,17,45,AB", "08", "30"},
        {" 7,08,30,", "08", "30"},            // three commas are enough
        {" 7,8,5", "8", fails},               // two: the in-minute cut fails
        {" 7,08", fails, " 7"},               // one: the text before the comma as in-minute
        {",x", fails, ""},                    // one, at the start
        {"", fails, fails},                   // none
        {" 7 08 30", fails, fails},           //
        {",,,", "", ""},                      //
        {" 7,０８,３０,,,", "０８", "３０"},  // characters, not bytes
    };
    for (const Case& c : rows) {
        const DayRowCut cut = SplitDayRow(c.text);
        EXPECT_EQ(Show(cut.inHour), Show(c.first)) << "row \"" << c.text.toStdString() << '"';
        EXPECT_EQ(Show(cut.inMinute), Show(c.second)) << "row \"" << c.text.toStdString() << '"';
    }
    const Case times[] = {
        {"17:45:03", "17", "45"}, {"08:05:00", "08", "05"}, {"9:5:1", "9", "5"},
        {"17:45", "17", fails},   {":", "", fails},         {"::", "", ""},
        {"1745", fails, fails},   {"", fails, fails},
    };
    for (const Case& c : times) {
        const TimeTextCut cut = SplitTimeText(c.text);
        EXPECT_EQ(Show(cut.hour), Show(c.first)) << "time \"" << c.text.toStdString() << '"';
        EXPECT_EQ(Show(cut.minute), Show(c.second)) << "time \"" << c.text.toStdString() << '"';
    }
}

}  // namespace

namespace {

TEST(DayRows, aDaysRowIsTheOneLineWhoseFirstFieldIsItsNumber) {
    // Lines written as the clock holds them; '|' separates them.
    const auto sheet = [](const char* text) {
        QList<SheetLine> lines;
        for (const QString& line : QString::fromLatin1(text).split(QLatin1Char('|'))) {
            lines.append(line);
        }
        return lines;
    };
    constexpr auto Found = DayRowFinding::Found;
    constexpr auto Missing = DayRowFinding::Missing;
    struct Case {
        const char* what;
        QList<SheetLine> lines;
        int day;
        DayRowFinding finding;
        qsizetype line;  // Found: the line; Duplicated: the first of them
    };
    const Case cases[] = {
        {"clock's layout", sheet("h| 1,,,,,| 2,08,00,,,"), 2, Found, 2},
        {"short sheet gains the row", sheet("h| 1,,,,,| 2,08,00,,,"), 5, Found, 5},
        {"title above the header", sheet("title|h| 1,,,,,| 2,08,00,,,"), 2, Found, 3},
        {"... a day it lacks", sheet("title|h| 1,,,,,| 2,08,00,,,"), 3, Missing, -1},
        {"header deleted", sheet(" 1,,,,,| 2,08,00,,,"), 2, Found, 1},
        {"spreadsheet's blanks and zeros", sheet("h|1,,,,,,,|02,8,0,,,,,| 3 ,,,,,"), 2, Found, 2},
        {"row emptied in place", sheet("h| 1,,,,,|,,,,,,,| 3,,,,,"), 2, Found, 2},
        {"row emptied, rows moved", sheet("t|h|,,,,,| 2,,,,,"), 1, Missing, -1},
        {"a note in the row's place", sheet("h| 1,,,,,|2日,08,00,,,"), 2, Missing, -1},
        {"no day 0 or 32", sheet(" 0,,,,,| 32,,,,,"), 2, Found, 2},
        {"two rows of a day", sheet("h| 1,,,,,| 1,08,00,,,| 3,,,,,"), 1, DayRowFinding::Duplicated,
         1},
    };
    for (const Case& c : cases) {
        const DayRowPlace place = DayRows(c.lines).find(c.day);
        EXPECT_EQ(place.finding, c.finding) << c.what;
        EXPECT_EQ(place.finding == DayRowFinding::Duplicated ? place.lines.value(0) : place.line,
                  c.line)
            << c.what;
    }
    // A row that does not decode is still found by the bytes of its day field.
    EXPECT_EQ(RowDay(SheetLine::fromDisk(" 3,\xff\xfe,,,,", QString())), 3);
}

TEST(SheetFileNames, theNameIsWhateverStandsBeforeTheLastTwoNumbers) {
    struct Case {
        QString file;
        QString person;
        int year, month;
    };
    const Case cases[] = {
        {QStringLiteral("Taro 17 7.csv"), QStringLiteral("Taro"), 2017, 7},
        {QStringLiteral("Taro 9 1.csv"), QStringLiteral("Taro"), 2009, 1},
        {QStringLiteral("Taro 17 12.csv"), QStringLiteral("Taro"), 2017, 12},
        {QStringLiteral("山田 太郎 17 4.csv"), QStringLiteral("山田 太郎"), 2017, 4},
        {QStringLiteral("Room 12 17 4.csv"), QStringLiteral("Room 12"), 2017, 4},
        {QStringLiteral(" 17 7.csv"), QString(), 2017, 7},
        {QStringLiteral(" Taro  0 4.csv"), QStringLiteral(" Taro "), 2000, 4},
    };
    for (const Case& c : cases) {
        const auto name = ParseSheetFileName(c.file);
        ASSERT_TRUE(name.has_value()) << c.file.toStdString();
        EXPECT_EQ(name->person, c.person) << c.file.toStdString();
        EXPECT_EQ(name->year, c.year) << c.file.toStdString();
        EXPECT_EQ(name->month, c.month) << c.file.toStdString();
        EXPECT_EQ(SheetFileName(name->person, name->year, name->month), c.file);
    }
}

TEST(SheetFileNames, otherFilesAreNotSheets) {
    const QString others[] = {
        QStringLiteral("Taro 17 13.csv"), QStringLiteral("Taro 17 0.csv"),
        QStringLiteral("Taro 17 07.csv"), QStringLiteral("Taro 017 7.csv"),
        QStringLiteral("Taro 100 7.csv"), QStringLiteral("Taro17 7.csv"),
        QStringLiteral("Taro 17 7.txt"),  QStringLiteral("Taro 17 7.csv.bak"),
        QStringLiteral("omb.ini"),        QStringLiteral("Taro 17 x.csv"),
        QStringLiteral("17 7.csv"),
    };
    for (const QString& file : others) {
        EXPECT_FALSE(ParseSheetFileName(file).has_value()) << file.toStdString();
    }
}

}  // namespace
