#include "overtime/days_off.h"
#include "overtime/holidays.h"
#include "overtime/school_calendar.h"
#include "overtime/school_settings.h"
#include "records/text_encoding.h"

#include <QFile>
#include <QMap>

#include <gtest/gtest.h>

namespace {

// The published list of national holidays, 1970 to 2050: date, name.
QMap<int, QStringList> HolidayList() {
    QFile file(QStringLiteral(OMBREL_TESTDATA_DIR "/jp-holidays.tsv"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QMap<int, QStringList> byYear;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (const QString& line : lines.mid(1)) {
        byYear[line.left(4).toInt()] << line;
    }
    return byYear;
}

TEST(Holidays, agreeWithEveryRowOfThePublishedListAndKnowNoOtherYear) {
    const QMap<int, QStringList> list = HolidayList();
    ASSERT_EQ(list.firstKey(), kFirstHolidayYear);
    ASSERT_EQ(list.lastKey(), kLastHolidayYear);
    for (int year = kFirstHolidayYear; year <= kLastHolidayYear; ++year) {
        QStringList computed;
        for (const Holiday& holiday : HolidaysOf(year)) {
            computed << holiday.date.toString(Qt::ISODate) + u'\t' + holiday.name;
        }
        EXPECT_EQ(computed.join(u'\n').toStdString(), list.value(year).join(u'\n').toStdString());
    }
    EXPECT_FALSE(HolidaysKnown(kFirstHolidayYear - 1));
    EXPECT_FALSE(HolidaysKnown(kLastHolidayYear + 1));
    EXPECT_TRUE(HolidaysOf(kLastHolidayYear + 1).isEmpty());
}

TEST(SchoolCalendar, readsWhatExcelWritesInEitherEncoding) {
    // UTF-8 with its mark, CR LF, a header, both date forms, a quoted note and trailing commas.
    const QByteArray utf8 =
        "\xEF\xBB\xBF日付,区分,備考\r\n2018-12-01,出,\"学芸会, 午前\"\r\n2018/12/3,休,,\r\n,,\r\n";
    SchoolCalendar calendar;
    ParseSchoolCalendar(utf8, QStringLiteral("k.csv"), 2018, calendar);
    ASSERT_EQ(calendar.days.size(), 2);
    EXPECT_TRUE(calendar.days.value(QDate(2018, 12, 1)).working);
    EXPECT_EQ(calendar.days.value(QDate(2018, 12, 1)).note, QStringLiteral("学芸会, 午前"));
    EXPECT_FALSE(calendar.days.value(QDate(2018, 12, 3)).working);

    // CP932 with LF and no header: "2018/12/3,休,代休".
    const QByteArray cp932 = "2018/12/3,\x8b\x78,\x91\xe3\x8b\x78\n";
    ParseSchoolCalendar(cp932, QStringLiteral("k.csv"), 2018, calendar);
    EXPECT_EQ(calendar.days.value(QDate(2018, 12, 3)).note, QStringLiteral("代休"));
}

// Every text file is read by the sheets' guess: "ﾐｷ" in CP932 is also valid UTF-8 ("з"), and it
// must read as the same name in a sheet, the calendar and the settings; kanji in UTF-8 stay UTF-8.
TEST(SchoolCalendar, theSameBytesReadAsTheSameTextInEveryFileTheProgramsRead) {
    const std::pair<QByteArray, QString> names[] = {
        {"\xD0\xB7", QStringLiteral("ﾐｷ")},
        {"\xE5\xB1\xB1\xE7\x94\xB0", QStringLiteral("山田")},
    };
    for (const auto& [bytes, text] : names) {
        EXPECT_EQ(DecodeLine(bytes, DetectTextEncoding(bytes)).text, text);
        SchoolCalendar calendar;
        ParseSchoolCalendar("2018/12/3,x," + bytes + "\r\n", QStringLiteral("k.csv"), 2018,
                            calendar);
        ASSERT_EQ(calendar.skipped.size(), 1);
        EXPECT_TRUE(calendar.skipped[0].why.contains(text))
            << calendar.skipped[0].why.toStdString();
        const SchoolSettings settings =
            ParseSchoolSettings(bytes + "=1\r\n", QStringLiteral("s.txt"));
        ASSERT_EQ(settings.warnings.size(), 1);
        EXPECT_TRUE(settings.warnings[0].contains(QStringLiteral("「%1」").arg(text)))
            << settings.warnings[0].toStdString();
    }
}

// As a spreadsheet saves it again: dates without their year fall in the school year read (April
// to March); a line that is no date and kind is left out by number, the rest still taken.
TEST(SchoolCalendar, yearlessDatesFallInTheSchoolYearAndBadLinesAreSkipped) {
    const QByteArray utf8 =
        "日付,区分\n3月8日,休,開校記念日\n3/9,休\nMar 12,休\n12/1,出\n"
        "2017年10月7日,出\nxx,休\n3/9,出\n2018/2/30,休\n";
    SchoolCalendar calendar;
    ParseSchoolCalendar(utf8, QStringLiteral("k.csv"), 2017, calendar);
    EXPECT_EQ(calendar.days.keys().size(), 5);
    for (const QDate date : {QDate(2018, 3, 8), QDate(2018, 3, 9), QDate(2018, 3, 12),
                             QDate(2017, 12, 1), QDate(2017, 10, 7)}) {
        EXPECT_TRUE(calendar.days.contains(date)) << date.toString().toStdString();
    }
    EXPECT_EQ(calendar.days.value(QDate(2018, 3, 8)).note, QStringLiteral("開校記念日"));
    ASSERT_EQ(calendar.skipped.size(), 3);
    EXPECT_EQ(calendar.skipped[0].line, 7);
    EXPECT_TRUE(calendar.skipped[0].why.contains(QStringLiteral("xx,休")));
    EXPECT_EQ(calendar.skipped[1].line, 8);  // the 9th of March twice
    EXPECT_EQ(calendar.skipped[2].line, 9);
}

// The school's word wins over the weekend and the law's holidays; the rest follow the calendar.
TEST(DaysOff, weekendsHolidaysYearEndAndTheSchoolCalendar) {
    SchoolCalendar school;
    school.days.insert(QDate(2018, 12, 1), {true, QStringLiteral("学芸会")});
    school.days.insert(QDate(2018, 12, 3), {false, QString()});
    school.days.insert(QDate(2018, 12, 23), {true, QString()});
    DaysOff daysOff;
    ASSERT_EQ(daysOff.prepare(KeyOf(2018, 12), KeyOf(2019, 1), school), QString());
    const MonthCalendar& december = daysOff.month(KeyOf(2018, 12));
    const MonthCalendar& january = daysOff.month(KeyOf(2019, 1));
    const std::pair<const CalendarDay&, QString> marks[] = {
        {december.days[1], QStringLiteral("出 学芸会")},  // a Saturday made a working day
        {december.days[2], QString()},                    // a plain Sunday
        {december.days[3], QStringLiteral("休 学校の休日")},
        {december.days[4], QString()},
        {december.days[23], QStringLiteral("祝 天皇誕生日・出")},
        {december.days[24], QStringLiteral("祝 天皇誕生日 振替休日")},
        {december.days[28], QString()},
        {december.days[31], QStringLiteral("休 年末年始")},
        {january.days[1], QStringLiteral("祝 元日")},
        {january.days[3], QStringLiteral("休 年末年始")},
        {january.days[4], QString()},
    };
    for (const auto& [day, mark] : marks) {
        EXPECT_EQ(DayMark(day), mark);
    }
    const std::pair<int, bool> december2018[] = {{1, false},  {2, true},   {3, true},
                                                 {4, false},  {23, false}, {24, true},
                                                 {28, false}, {29, true},  {31, true}};
    for (const auto& [day, off] : december2018) {
        EXPECT_EQ(december.days[day].off, off) << day;
    }
    EXPECT_TRUE(january.days[2].off);
    EXPECT_FALSE(january.days[4].off);
    EXPECT_NE(daysOff.prepare(KeyOf(2050, 4), KeyOf(2051, 3), {}).indexOf(u"2051年"), -1);
}

}  // namespace
