#include "overtime/sheet_days.h"

#include <gtest/gtest.h>

namespace {

constexpr qint64 H = 3600;
constexpr qint64 M = 60;

// A July 2017 sheet as the clock writes it, with the given day rows; the others untouched.
QList<SheetLine> Sheet(std::initializer_list<std::pair<int, QString>> rows) {
    QList<SheetLine> lines(32);
    lines[0] = QStringLiteral(" 7月／日,始業時,分,終業時,分,残業内容,ユーザー名,Taro");
    for (int day = 1; day <= 31; ++day) {
        lines[day] = QStringLiteral(" %1,,,,,").arg(day);
    }
    for (const auto& [day, row] : rows) {
        lines[day] = row;
    }
    return lines;
}

SheetContext July(QDate today = QDate(2017, 8, 15)) {
    return {QStringLiteral("Taro 17 7.csv"), 2017, 7, today, 45, true};
}

TEST(SheetDays, monthWithKnownTotals) {
    const QList<SheetLine> lines = Sheet({
        {3, QStringLiteral(" 3,08,00,16,30,")},      // 7:45 exactly: no overtime
        {4, QStringLiteral(" 4,08,00,16,31,A")},     // 7:46
        {5, QStringLiteral(" 5,07,30,19,15,AB")},    // 11:00, 3:15 over
        {6, QStringLiteral(" 6,08,00,,,")},          // no OUT
        {7, QStringLiteral(" 7,22,00,00,30,")},      // across midnight
        {8, QStringLiteral(" 8,25,00,17,00,")},      // no such hour
        {10, QStringLiteral("10,8,5,18,0,F")},       // one-digit times: 9:10
        {11, QStringLiteral(" 11,08,00,17,00,,,")},  // padded by a spreadsheet: 8:15
        {12, QStringLiteral(" 12,,,,,C")},           // a letter but no day
    });
    const SheetMonth month = ReadSheetDays(lines, July());

    const MonthTotals& t = month.totals;
    EXPECT_EQ(t.days, 5);
    EXPECT_EQ(t.atSchoolSeconds, (7 * H + 45 * M) + (7 * H + 46 * M) + 11 * H + (9 * H + 10 * M) +
                                     (8 * H + 15 * M));  // 43:56
    EXPECT_EQ(t.overtimeSeconds, 5 * H + 11 * M);        // 0:01 + 3:15 + 1:25 + 0:30
    EXPECT_EQ(t.daysOverRegular, 4);
    EXPECT_EQ(t.reasonDays[0], 2);  // A
    EXPECT_EQ(t.reasonDays[1], 1);  // B
    EXPECT_EQ(t.reasonDays[2], 0);  // C on a day not worked counts nothing
    EXPECT_EQ(t.reasonDays[5], 1);  // F
    const std::array<int, kBandCount> bands{1, 2, 1, 0, 1, 0, 0, 0, 0, 0};
    EXPECT_EQ(t.bandDays, bands);

    ASSERT_EQ(month.days.size(), 5);
    EXPECT_EQ(month.days[3].day, 10);
    EXPECT_EQ(month.days[3].inMinute, 8 * 60 + 5);
    EXPECT_EQ(month.days[3].outMinute, 18 * 60);

    ASSERT_EQ(month.looks.size(), 3);
    EXPECT_EQ(month.looks[0].reason, LookReason::MissingOut);
    EXPECT_EQ(month.looks[0].line, 7);
    EXPECT_EQ(month.looks[0].day, 6);
    EXPECT_EQ(month.looks[1].reason, LookReason::EndBeforeIn);
    EXPECT_EQ(month.looks[2].reason, LookReason::UnreadableRow);
    EXPECT_EQ(month.looks[2].line, 9);
    EXPECT_EQ(month.looks[2].file, QStringLiteral("Taro 17 7.csv"));
}

TEST(SheetDays, todayWithoutOutIsStillOpenNotForgotten) {
    const QList<SheetLine> lines = Sheet({{6, QStringLiteral(" 6,08,00,,,")}});
    const SheetMonth month = ReadSheetDays(lines, July(QDate(2017, 7, 6)));
    ASSERT_EQ(month.looks.size(), 1);
    EXPECT_EQ(month.looks[0].reason, LookReason::StillOpen);
    EXPECT_EQ(month.totals.days, 0);
}

TEST(SheetDays, rowsThatNeedALook) {
    struct Case {
        QString row;
        LookReason reason;
    };
    const Case cases[] = {
        {QStringLiteral(" 9,,,17,00,"), LookReason::OutWithoutIn},
        {QStringLiteral("x9,08,00,17,00,"), LookReason::UnreadableRow},  // no day's number
        {QStringLiteral(" 9,08,,17,00,"), LookReason::UnreadableRow},    // hour without minute
        {QStringLiteral(" 9,08,60,17,00,"), LookReason::UnreadableRow},
        {QStringLiteral(" 9,008,00,17,00,"), LookReason::UnreadableRow},
        {QStringLiteral(" 9,08,00,17,00,A,x"), LookReason::UnreadableRow},
        {QStringLiteral(" 9,08"), LookReason::UnreadableRow},
        {QStringLiteral(" 9,08,00,48,00,"), LookReason::UnreadableRow},  // past the next day
        {QStringLiteral(" 9,24,30,26,00,"), LookReason::UnreadableRow},  // an in-time past 24
    };
    for (const Case& c : cases) {
        const SheetMonth month = ReadSheetDays(Sheet({{9, c.row}}), July());
        ASSERT_EQ(month.looks.size(), 1) << c.row.toStdString();
        EXPECT_EQ(month.looks[0].reason, c.reason) << c.row.toStdString();
        EXPECT_EQ(month.looks[0].line, 10) << c.row.toStdString();
        EXPECT_EQ(month.totals.days, 0) << c.row.toStdString();
    }
}

TEST(SheetDays, aNightInTheNextMorningsHoursIsOneStay) {
    const SheetMonth month =
        ReadSheetDays(Sheet({{5, QStringLiteral(" 5,08,00,24,30,A")}}), July());
    ASSERT_TRUE(month.looks.isEmpty());
    ASSERT_EQ(month.days.size(), 1);
    EXPECT_EQ(month.days[0].outMinute, 24 * 60 + 30);
    EXPECT_EQ(month.days[0].figures.atSchoolSeconds, 15 * H + 45 * M);  // 16:30 less the break
    EXPECT_EQ(month.days[0].figures.overtimeSeconds, 8 * H);
    EXPECT_EQ(month.days[0].figures.band, 9);
}

TEST(SheetDays, undecodableRowsSayWhy) {
    const std::pair<QByteArray, QString> cases[] = {
        {QByteArray(" 4,08,00,17,00,\x81", 16), QStringLiteral("CP932")},
        {QByteArray(" 4,08,00,17,00,\tA"), QStringLiteral("制御文字")},
    };
    for (const auto& [bytes, why] : cases) {
        QList<SheetLine> lines = Sheet({});
        lines[4] = SheetLine::fromDisk(bytes, QString());
        const SheetMonth month = ReadSheetDays(lines, July());
        ASSERT_EQ(month.looks.size(), 1) << why.toStdString();
        EXPECT_EQ(month.looks[0].reason, LookReason::UnreadableRow);
        EXPECT_EQ(month.looks[0].line, 5);
        EXPECT_TRUE(month.looks[0].detail.contains(why)) << month.looks[0].detail.toStdString();
    }
}

// The row of a day is the line whose first field is its number, wherever it stands, as the
// clock finds it when it saves; a day held twice counts neither time.
TEST(SheetDays, rowsAreFoundByTheirDayNumberWhereverTheyStand) {
    QList<SheetLine> lines = Sheet({{3, QStringLiteral(" 3,08,00,17,00,")},
                                    {4, QStringLiteral(" 4,08,00,18,00,")},
                                    {5, QStringLiteral(" 5,08,00,19,00,")}});
    lines.prepend(SheetLine(QStringLiteral("2017年7月 出勤簿")));
    SheetMonth month = ReadSheetDays(lines, July());
    EXPECT_EQ(month.totals.days, 3);
    EXPECT_TRUE(month.looks.isEmpty());
    ASSERT_EQ(month.days.size(), 3);
    EXPECT_EQ(month.days[0].line, 5);  // the title, the header, days 1 and 2 above it

    lines.removeAt(1);  // the header
    lines.append(SheetLine(QStringLiteral(",,,,,合計,")));
    month = ReadSheetDays(lines, July());
    EXPECT_EQ(month.totals.days, 3);
    EXPECT_TRUE(month.looks.isEmpty());

    lines.append(SheetLine(QStringLiteral("4,09,00,17,00,")));  // day 4 pasted again below
    lines[5] = SheetLine(QStringLiteral("五,08,00,19,00,"));    // day 5's number typed over
    month = ReadSheetDays(lines, July());
    EXPECT_EQ(month.totals.days, 1);
    ASSERT_EQ(month.looks.size(), 3);
    EXPECT_EQ(month.looks[0].reason, LookReason::DuplicateRow);
    EXPECT_EQ(month.looks[0].day, 4);
    EXPECT_TRUE(month.looks[0].detail.contains(u"34行目")) << month.looks[0].detail.toStdString();
    EXPECT_EQ(month.looks[1].reason, LookReason::UnreadableRow);
    EXPECT_EQ(month.looks[1].day, 5);
    EXPECT_EQ(month.looks[1].line, 6);
    EXPECT_EQ(month.looks[2].line, 33);  // the totals, now among the days
    EXPECT_TRUE(month.looks[2].detail.contains(u"合計"));

    lines.removeAt(9);  // day 9's row, in a sheet no longer in the clock's layout
    month = ReadSheetDays(lines, July());
    EXPECT_EQ(month.looks.last().reason, LookReason::MissingRows);
    EXPECT_TRUE(month.looks.last().detail.contains(u"9日の行がありません"))
        << month.looks.last().detail.toStdString();
}

TEST(SheetDays, timesOnADayTheMonthLacks) {
    QList<SheetLine> lines = Sheet({{31, QStringLiteral(" 31,08,00,17,00,")}});
    SheetContext june = July();
    june.month = 6;
    const SheetMonth month = ReadSheetDays(lines, june);
    ASSERT_EQ(month.looks.size(), 1);
    EXPECT_EQ(month.looks[0].reason, LookReason::DayNotInMonth);
    EXPECT_EQ(month.totals.days, 0);
}

TEST(SheetDays, aShortSheetCountsTheRowsItHoldsAndNamesTheRest) {
    // Five lines: the header and days 1 to 4.
    const QList<SheetLine> lines =
        Sheet({{3, QStringLiteral(" 3,08,00,17,00,")}, {5, QStringLiteral(" 5,08,00,17,00,")}});
    const SheetMonth month = ReadSheetDays(lines.mid(0, 5), July());
    EXPECT_EQ(month.totals.days, 1);
    ASSERT_EQ(month.looks.size(), 1);
    EXPECT_EQ(month.looks[0].reason, LookReason::MissingRows);
    EXPECT_TRUE(month.looks[0].detail.contains(QStringLiteral("5日～31日")));
    EXPECT_TRUE(ReadSheetDays({}, July()).looks.first().detail.contains(u"空"));
    EXPECT_TRUE(ReadSheetDays(lines.mid(0, 31), July()).looks.last().detail.contains(u" 31日"));
}

TEST(SheetDays, theBreakIsWhatTheCallerSays) {
    const QList<SheetLine> lines = Sheet({{3, QStringLiteral(" 3,08,00,17,00,")}});
    SheetContext noBreak = July();
    noBreak.breakMinutes = 0;
    noBreak.keepDays = false;
    const SheetMonth month = ReadSheetDays(lines, noBreak);
    EXPECT_EQ(month.totals.overtimeSeconds, 75 * M);
    EXPECT_TRUE(month.days.isEmpty());
}

}  // namespace
