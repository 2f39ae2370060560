// The decisions behind a save and behind the question about a day left open, without a window.
#include "records/open_days.h"
#include "records/day_save.h"
#include "tests/records/sheet_test_support.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kName = QStringLiteral("Taro");

class DayRecords : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    DayToSave Day(int day, const char* in, const char* out) const {
        const QString inTime = QString::fromLatin1(in);
        const QString outTime = QString::fromLatin1(out);
        return {dir.path(),
                kName,
                QDate(2017, 7, day),
                inTime.left(2),
                inTime.mid(3),
                outTime.left(2),
                outTime.mid(3),
                QStringLiteral("A"),
                {}};
    }

    QTemporaryDir dir;
};

TEST_F(DayRecords, aSaveReplacesOnlyTheHeaderAndItsDayAndTheInTimeOnDiskWins) {
    // Row 3 holds bytes that are not CP932, row 4 a character CP932 holds twice (FB FC / EE FC).
    const QByteArray before = SheetBytes(
        "old header", {{3, " 3,\xff\xfe,,,,"}, {4, " 4,08,00,17,00,\xfb\xfc"}, {5, " 5,07,45,,,"}},
        20);
    PutFileBytes(Path("Taro 17 7.csv"), before);
    const DaySaveResult saved = SaveDay(Day(5, "08:30", "17:10"), BlankMonth());
    ASSERT_TRUE(saved.ok()) << saved.outcome.why().toStdString();
    EXPECT_TRUE(saved.inTimeFromDisk);
    EXPECT_EQ(saved.inHour, "07");
    const QByteArray after = FileBytes(Path("Taro 17 7.csv"));
    QByteArray expected = before;
    expected.replace("old header", QByteArray::fromHex("20378C8E815E93FA2C8E6E8BC68E9E2C95AA2C8F49"
                                                       "8BC68E9E2C95AA2C8E638BC693E097652C838681"
                                                       "5B8355815B96BC2C5461726F"));
    expected.replace(" 5,07,45,,,", " 5,07,45,17,10,A");
    expected += BlankRows(21, 31);  // the days a short sheet lacked come back blank
    EXPECT_EQ(after, expected);
    EXPECT_EQ(saved.lines[5].text(), " 5,07,45,17,10,A");
}

TEST_F(DayRecords, aSheetThatIsGoneIsWrittenFromTheWindowAndOneThatCannotBeReadIsNot) {
    SheetTable held = BlankMonth();
    held[2] = QStringLiteral(" 2,08,00,17,00,");
    ASSERT_TRUE(SaveDay(Day(5, "08:30", "17:10"), held).ok());
    EXPECT_EQ(SheetRow(FileBytes(Path("Taro 17 7.csv")), 2), " 2,08,00,17,00,");
    EXPECT_EQ(SheetRow(FileBytes(Path("Taro 17 7.csv")), 5), " 5,08,30,17,10,A");

    ASSERT_TRUE(QDir(dir.path()).mkdir("Taro 17 8.csv"));
    DayToSave august = Day(5, "08:30", "17:10");
    august.date = QDate(2017, 8, 5);
    const DaySaveResult refused = SaveDay(august, held);
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.outcome.failure, FileFailure::NotAFile);
    EXPECT_TRUE(QFileInfo(Path("Taro 17 8.csv")).isDir());
}

TEST_F(DayRecords, theLatestEarlierDayIsAskedAboutOnlyWhenItHasNoEndTime) {
    const QDate fifth(2017, 7, 5);
    EXPECT_FALSE(LatestDayLeftOpen(dir.path(), kName, fifth));  // no sheets at all

    // June's last open day counts only while July holds nothing before today.
    PutFileBytes(Path("Taro 17 6.csv"), SheetBytes("h", {{29, " 29,08,00,,,"}, {30, " 30,,,,,"}}));
    auto open = LatestDayLeftOpen(dir.path(), kName, fifth);
    ASSERT_TRUE(open);
    EXPECT_EQ(open->date, QDate(2017, 6, 29));
    EXPECT_EQ(open->recorded.inHour, "08");

    PutFileBytes(Path("Taro 17 7.csv"),
                 SheetBytes("h", {{2, " 2,08,00,,,"}, {3, " 3,08,00,17,00,"}, {5, " 5,08,00,,,"}}));
    EXPECT_FALSE(LatestDayLeftOpen(dir.path(), kName, fifth));  // the 3rd was closed
    open = LatestDayLeftOpen(dir.path(), kName, QDate(2017, 7, 3));
    ASSERT_TRUE(open);
    EXPECT_EQ(open->date, QDate(2017, 7, 2));
    EXPECT_TRUE(LatestDayLeftOpen(dir.path(), kName, QDate(2017, 7, 6)));  // the 5th, for the 6th

    QFile::remove(Path("Taro 17 7.csv"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("Taro 17 7.csv"));
    EXPECT_FALSE(LatestDayLeftOpen(dir.path(), kName, fifth));  // unreadable: nothing guessed
}

TEST(OpenDayRules, endTimesDatesAndTheDayLongLimit) {
    struct Case {
        const char* typed;
        TimeProblem problem;
        const char* hour = "";
        const char* minute = "";
        const char* nextMorning = "";
    };
    // A day begun at 08:00: its end after it, at most a day after it, the night in hours past 24.
    for (const Case& c :
         std::initializer_list<Case>{{"17:30", TimeProblem::None, "17", "30"},
                                     {"1730", TimeProblem::None, "17", "30"},
                                     {"9:05", TimeProblem::None, "09", "05"},
                                     {"2430", TimeProblem::None, "24", "30"},
                                     {"3200", TimeProblem::None, "32", "00"},
                                     {"3201", TimeProblem::MoreThanADay},
                                     {"4759", TimeProblem::MoreThanADay},
                                     {"08:00", TimeProblem::NotAfterInTime, "08", "00", "32:00"},
                                     {"0030", TimeProblem::NotAfterInTime, "00", "30", "24:30"},
                                     {"4800", TimeProblem::NotATime},
                                     {"12:60", TimeProblem::NotATime},
                                     {"17:", TimeProblem::NotATime},
                                     {"", TimeProblem::NotATime}}) {
        const TypedTime answer = ReadEndTime(QString::fromLatin1(c.typed), "8", "0");
        EXPECT_EQ(answer.problem, c.problem) << c.typed;
        if (*c.hour) {
            EXPECT_EQ(answer.hour, c.hour) << c.typed;
            EXPECT_EQ(answer.minute, c.minute) << c.typed;
            EXPECT_EQ(answer.nextMorning, c.nextMorning) << c.typed;
        }
    }
    // Today's start, asked at OUT: the same day, before the end.
    EXPECT_EQ(ReadStartTime("0830", "17", "30").problem, TimeProblem::None);
    EXPECT_EQ(ReadStartTime("1730", "17", "30").problem, TimeProblem::NotBeforeEnd);
    EXPECT_EQ(ReadStartTime("2430", "17", "30").problem, TimeProblem::NotATime);
    // The night's end offered on the next date, while within a day of the in-time.
    const QDate fifth(2017, 7, 5);
    EXPECT_EQ(NightEndAt(fifth, "08", "00", QDateTime(fifth.addDays(1), QTime(0, 30, 59))),
              "24:30");
    EXPECT_EQ(NightEndAt(fifth, "08", "00", QDateTime(fifth.addDays(1), QTime(8, 0))), "32:00");
    EXPECT_EQ(NightEndAt(fifth, "08", "00", QDateTime(fifth.addDays(1), QTime(8, 1))), "");
    EXPECT_EQ(NightEndAt(fifth, "08", "00", QDateTime(fifth.addDays(2), QTime(0, 30))), "");
    EXPECT_EQ(NightEndAt(fifth, "08", "00", QDateTime(fifth, QTime(23, 0))), "");

    const QDate fourth(2017, 7, 4);
    EXPECT_TRUE(IsLaterDate(fourth, QDateTime(fourth.addDays(1), QTime(0, 0))));
    EXPECT_FALSE(IsLaterDate(fourth, QDateTime(fourth.addDays(-1), QTime(12, 0))));
    // A clock set back shows an end before the in-time; a night's work past midnight does not.
    EXPECT_TRUE(EndsBeforeInTime(fourth, "08", "00", QDateTime(fourth, QTime(7, 59, 59))));
    EXPECT_FALSE(EndsBeforeInTime(fourth, "08", "00", QDateTime(fourth, QTime(8, 0))));
    EXPECT_FALSE(EndsBeforeInTime(fourth, "22", "00", QDateTime(fourth.addDays(1), QTime(2, 0))));
}

}  // namespace
