#include "tests/report/report_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QString kTaro = QStringLiteral("Taro Yamada");

// July 2017 for Taro: five days that count, one without OUT, one across midnight.
void WriteTaroJuly(const QString& folder) {
    WriteSheet(folder, kTaro, 2017, 7,
               {{3, QStringLiteral(" 3,08,00,16,30,")},
                {4, QStringLiteral(" 4,08,00,16,31,A")},
                {5, QStringLiteral(" 5,07,30,19,15,AB")},
                {6, QStringLiteral(" 6,08,00,,,")},
                {7, QStringLiteral(" 7,22,00,00,30,")},
                {10, QStringLiteral(" 10,08,05,18,00,F")},
                {11, QStringLiteral(" 11,08,00,17,00,")}});
}

TEST(ReportProgram, monthOfOnePersonWithTotalsAndDaysToLookAt) {
    QTemporaryDir dir;
    WriteTaroJuly(dir.path());
    const ProgramRun run = RunProgram({QStringLiteral("--user"), kTaro, QStringLiteral("--month"),
                                       QStringLiteral("2017-07"), dir.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    const QString out = run.outText();
    EXPECT_TRUE(out.contains(QStringLiteral("45 分"))) << "says the break it deducts";
    EXPECT_TRUE(out.contains(QStringLiteral("5 日")));
    EXPECT_TRUE(out.contains(QStringLiteral("43:56")));       // time at school, less the breaks
    EXPECT_TRUE(out.contains(QStringLiteral(" 5:11")));       // overtime
    EXPECT_TRUE(out.contains(QStringLiteral("残り 39:49")));  // to the 45 h line
    EXPECT_TRUE(out.contains(QStringLiteral("OUT を押し忘れ?")));
    EXPECT_TRUE(out.contains(QStringLiteral("7行目")));
    EXPECT_TRUE(out.contains(QStringLiteral("Taro Yamada 17 7.csv")));
    EXPECT_TRUE(out.contains(QStringLiteral("日付をまたいだ?")));
    EXPECT_TRUE(run.err.isEmpty());
}

TEST(ReportProgram, aNightPastMidnightCountsAsOneStayIntoTheMorning) {
    QTemporaryDir dir;
    WriteSheet(dir.path(), kTaro, 2017, 7, {{5, QStringLiteral(" 5,08,00,24,30,A")}});
    const ProgramRun run = RunProgram({QStringLiteral("--user"), kTaro, QStringLiteral("--month"),
                                       QStringLiteral("2017-07"), dir.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    const QString out = run.outText();
    EXPECT_TRUE(out.contains(QStringLiteral("24:30"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("15:45")));  // 16:30 at school, less the break
    EXPECT_TRUE(out.contains(QStringLiteral(" 8:00")));  // overtime
    EXPECT_FALSE(out.contains(QStringLiteral("要確認")));
}

TEST(ReportProgram, breakMinutesChangeTheFigures) {
    QTemporaryDir dir;
    WriteTaroJuly(dir.path());
    const ProgramRun run =
        RunProgram({QStringLiteral("--user"), kTaro, QStringLiteral("--month=2017-07"),
                    QStringLiteral("--break-minutes=0"), dir.path()});
    ASSERT_EQ(run.exitCode, 0);
    // Each of the five days gains 45 minutes, at school and, as none was below 7:45, over.
    EXPECT_TRUE(run.outText().contains(QStringLiteral("47:41")));
    EXPECT_TRUE(run.outText().contains(QStringLiteral(" 8:56")));
}

TEST(ReportProgram, schoolYearShowsMissingMonthsAndTheLimits) {
    QTemporaryDir dir;
    WriteOvertimeSheet(dir.path(), kTaro, 2017, 4, 100 * 60);
    WriteOvertimeSheet(dir.path(), kTaro, 2017, 5, 70 * 60);
    WriteOvertimeSheet(dir.path(), kTaro, 2018, 3, 10 * 60);
    WriteOvertimeSheet(dir.path(), kTaro, 2018, 4, 99 * 60);  // next school year
    const ProgramRun run = RunProgram({QStringLiteral("--user"), kTaro, QStringLiteral("--year"),
                                       QStringLiteral("2017"), dir.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    const QString out = run.outText();
    EXPECT_EQ(out.count(QStringLiteral("シートなし")), 9);
    EXPECT_TRUE(out.contains(QStringLiteral("180:00")));    // the year's total
    EXPECT_TRUE(out.contains(QStringLiteral("85:00 超")));  // April and May average
    EXPECT_TRUE(out.contains(QStringLiteral("100時間以上")));
}

TEST(ReportProgram, staffOfFiveInGroupsMostOvertimeFirst) {
    QTemporaryDir dir;
    WriteOvertimeSheet(dir.path(), QStringLiteral("A"), 2017, 7, 10 * 60);
    WriteOvertimeSheet(dir.path(), QStringLiteral("B"), 2017, 7, 45 * 60);
    WriteOvertimeSheet(dir.path(), QStringLiteral("C"), 2017, 7, 45 * 60 + 1);
    WriteOvertimeSheet(dir.path(), QStringLiteral("D"), 2017, 7, 80 * 60 + 1);
    WriteOvertimeSheet(dir.path(), QStringLiteral("E E"), 2017, 7, 100 * 60);
    WriteOvertimeSheet(dir.path(), QStringLiteral("F"), 2017, 6, 150 * 60);
    const ProgramRun run = RunProgram(
        {QStringLiteral("--month=2017-07"), QStringLiteral("--format=csv-utf8"), dir.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    const QStringList lines = QString::fromUtf8(run.out.mid(3)).split(QStringLiteral("\r\n"));
    // Header, five people, a blank line, the group header, four groups.
    ASSERT_GE(lines.size(), 12);
    const QStringList names{lines[1].section(u',', 1, 1), lines[2].section(u',', 1, 1),
                            lines[3].section(u',', 1, 1), lines[4].section(u',', 1, 1),
                            lines[5].section(u',', 1, 1)};
    EXPECT_EQ(names, (QStringList{QStringLiteral("E E"), QStringLiteral("D"), QStringLiteral("C"),
                                  QStringLiteral("B"), QStringLiteral("A")}));
    EXPECT_EQ(lines[1].section(u',', 2, 3), QStringLiteral("100:00,100時間以上"));
    EXPECT_EQ(lines[4].section(u',', 2, 3), QStringLiteral("45:00,45時間以下"));
    EXPECT_TRUE(lines[6].isEmpty());
    EXPECT_EQ(lines.mid(8, 4),
              (QStringList{QStringLiteral("45時間以下,2"), QStringLiteral("45時間超,1"),
                           QStringLiteral("80時間超,1"), QStringLiteral("100時間以上,1")}));
}

TEST(ReportProgram, helpExplainsEveryOption) {
    const ProgramRun run = RunProgram({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* option : {"--user", "--month", "--year", "--format", "--output",
                               "--break-minutes", "csv-utf8", "png", "例:"}) {
        EXPECT_TRUE(run.outText().contains(QString::fromUtf8(option))) << option;
    }
}

TEST(ReportProgram, badInputEndsWithStatusTwoAndAMessage) {
    QTemporaryDir dir;
    WriteTaroJuly(dir.path());
    QFile plain(dir.filePath(QStringLiteral("plain.txt")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString user = QStringLiteral("--user=") + kTaro;
    struct Case {
        QStringList arguments;
        QString said;
    };
    const Case cases[] = {
        {{QStringLiteral("--bogus"), dir.path()}, QStringLiteral("--bogus")},
        {{user, QStringLiteral("--month=2017-13"), dir.path()}, QStringLiteral("2017-13")},
        {{user, QStringLiteral("--month=2017-02-30"), dir.path()}, QStringLiteral("2017-02-30")},
        {{user, dir.filePath(QStringLiteral("gone"))}, QStringLiteral("gone")},
        {{user, dir.filePath(QStringLiteral("plain.txt"))}, QStringLiteral("plain.txt")},
        {{QStringLiteral("--user=Nobody"), QStringLiteral("--month=2017-07"), dir.path()},
         QStringLiteral("Nobody")},
        {{user, QStringLiteral("--month=2017-08"), dir.path()}, QStringLiteral("2017年8月")},
        {{user, QStringLiteral("--year=2016"), dir.path()}, QStringLiteral("2016")},
        {{QStringLiteral("--month=2018-01"), dir.path()}, QStringLiteral("2018年1月")},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunProgram(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << c.arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.errText().contains(c.said))
            << run.errText().toStdString() << " / " << c.said.toStdString();
    }
}

// A report that finds nothing is no dead end: a name typed in another letter case or width is
// answered with the names the sheets hold, and a folder without a sheet of anyone's with where the
// clocks keep them.
TEST(ReportProgram, findingNothingNamesTheAlikeNamesAndWhereSheetsUsuallyAre) {
    QTemporaryDir dir;
    for (const QString& person :
         {QStringLiteral("Taro"), QStringLiteral("ﾀﾛｳ"), QStringLiteral("Hanako")}) {
        WriteOvertimeSheet(dir.path(), person, 2017, 7, 60);
    }
    // Width apart for a month (where names ignore case, Windows opens taro's sheet as Taro's),
    // case apart for a school year.
    const std::pair<QStringList, QString> asked[] = {
        {{"--user=Ｔａｒｏ", "--month=2017-07"}, QStringLiteral("「Taro」")},
        {{"--user=taro", "--year=2017"}, QStringLiteral("「Taro」")},
        {{"--user=タロウ", "--month=2017-07"}, QStringLiteral("「ﾀﾛｳ」")},
    };
    for (const auto& [arguments, named] : asked) {
        const ProgramRun run = RunProgram(arguments + QStringList{dir.path()});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.errText().contains(named)) << run.errText().toStdString();
        EXPECT_FALSE(run.errText().contains(QStringLiteral("Hanako")));
    }

    // A home whose usual folder holds sheets, and an empty folder read instead.
    QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("Ombrel/Taro")));
    WriteOvertimeSheet(home.filePath(QStringLiteral("Ombrel/Taro")), QStringLiteral("Taro"), 2017,
                       7, 60);
    QTemporaryDir empty;
    const QByteArray ownHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    const ProgramRun staff = RunProgram({QStringLiteral("--month=2017-07"), empty.path()});
    const ProgramRun person = RunProgram({"--user=Taro", "--month=2017-07", empty.path()});
    qputenv("HOME", ownHome);
    for (const ProgramRun& run : {staff, person}) {
        EXPECT_EQ(run.exitCode, 2);
        const QString said = run.errText();
        EXPECT_TRUE(said.contains(QStringLiteral("時計を起動したフォルダー")))
            << said.toStdString();
#ifndef _WIN32  // Windows' usual folder is in the person's documents, not below HOME
        EXPECT_TRUE(said.contains(QStringLiteral("~/Ombrel"))) << said.toStdString();
        EXPECT_TRUE(said.contains(
            QStringLiteral("「%1」にはシートがあります").arg(home.filePath("Ombrel"))))
            << said.toStdString();
#endif
    }
    // Sheets of other months, or of other people: no hint about the folder.
    const ProgramRun other = RunProgram({"--user=Hanako", "--month=2017-08", dir.path()});
    EXPECT_FALSE(other.errText().contains(QStringLiteral("時計を起動したフォルダー")));
}

// Permission bits for another user, FIFOs and /dev/zero are POSIX's.
#ifndef _WIN32
TEST(ReportProgram, aFolderThatCannotBeReadIsBadInput) {
    QTemporaryDir dir;
    // The way in stays open to everyone; only the folder itself is closed.
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ExeOther);
    const QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(locked));
    QFile::setPermissions(locked, QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const ProgramRun run = RunProgramAsNobody({QStringLiteral("--month=2017-07"), locked});
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(run.exitCode, 2) << run.errText().toStdString();
    EXPECT_TRUE(run.errText().contains(QStringLiteral("locked")));
    EXPECT_TRUE(run.errText().contains(QStringLiteral("読めません")))
        << run.errText().toStdString();
}

// A checkout under /root is closed to every other user; a program run as nobody from there still
// starts.
TEST(ReportProgram, runsAsAnotherUserFromAFolderOnlyItsOwnerCanEnter) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "only root can run a program as another user";
    }
    QTemporaryDir closed;
    ASSERT_EQ(QFileInfo(closed.path()).permissions().toInt() & 0x0077, 0);
    const QString copy = closed.filePath(QStringLiteral("ombrel-report"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(OMBREL_REPORT_BIN), copy));
    const ProgramRun run = RunProgramAsNobody({QStringLiteral("--help")}, copy);
    EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_TRUE(run.outText().contains(QStringLiteral("--user"))) << run.outText().toStdString();
}

// A FIFO never ends without a writer and /dev/zero never ends at all: both are named, not read.
TEST(ReportProgram, filesThatAreNotSheetsAreNamedNotWaitedFor) {
    QTemporaryDir dir;
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("T 17 4.csv"))), 0600), 0);
    ASSERT_TRUE(
        QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("T 17 5.csv"))));
    WriteOvertimeSheet(dir.path(), QStringLiteral("U"), 2017, 4, 60);
    constexpr int kSoon = 30000;

    ProgramRun run = RunProgram({QStringLiteral("--year=2017"), dir.path()}, kSoon);
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_TRUE(run.outText().contains(QStringLiteral("T 17 4.csv")));
    EXPECT_TRUE(run.outText().contains(QStringLiteral("T 17 5.csv")));

    run = RunProgram({QStringLiteral("--user=T"), QStringLiteral("--month=2017-04"), dir.path()},
                     kSoon);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errText().contains(QStringLiteral("T 17 4.csv")))
        << run.errText().toStdString();

    run =
        RunProgram({QStringLiteral("--user=T"), QStringLiteral("--year=2017"), dir.path()}, kSoon);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errText().contains(QStringLiteral("T 17 5.csv")))
        << run.errText().toStdString();
}

#endif

}  // namespace
