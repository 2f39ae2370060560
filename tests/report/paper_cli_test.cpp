#include "records/name_file.h"
#include "tests/report/report_fixture.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

[[maybe_unused]] void Put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QString Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

[[maybe_unused]] QString PrintedOn(QDate date) {
    return QStringLiteral("作成日 %1年%2月%3日").arg(date.year()).arg(date.month()).arg(date.day());
}

// July 2017 of Ken: a forgotten OUT on the 5th, words in the reasons cell on the 6th.
class Paper : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        WriteSheet(dir_.path(), QStringLiteral("Ken"), 2017, 7,
                   {{3, QStringLiteral(" 3,08,00,18,00,A")},
                    {5, QStringLiteral(" 5,07,36,,,")},
                    {6, QStringLiteral(" 6,08,00,19,00,部活動")}});
    }
    QString file(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

#ifndef _WIN32  // the pages are read back with poppler's tools, the host's: no Windows program
// The school's words from the settings file (UTF-8, as Notepad saves it) and the command line;
// the paper carries no words meant for whoever ran the command.
TEST_F(Paper, pagesCarryTheSchoolTheSealsAndTheDayButNoCommandWords) {
    Put(file(QStringLiteral("学校設定.txt")), "学校名=北町立北中学校\r\n押印欄=本人・教頭・校長\r\n");
    const QDate before = QDate::currentDate();
    const QString month = file(QStringLiteral("ken.pdf"));
    // Run outside a desktop session (cron, ssh): Qt has nothing to warn about either.
    qunsetenv("XDG_RUNTIME_DIR");
    ProgramRun run = RunProgram({QStringLiteral("--user=Ken"), QStringLiteral("--month=2017-07"),
                                 QStringLiteral("--format=pdf"), QStringLiteral("--output"), month,
                                 dir_.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.errText().toStdString();
    QString text = Output(QStringLiteral("pdftotext"), {month, QStringLiteral("-")});
    for (const char* words : {"北町立北中学校", "本人", "教頭", "校長", "氏名 Ken"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(words))) << words;
    }
    EXPECT_TRUE(text.contains(PrintedOn(before)) || text.contains(PrintedOn(QDate::currentDate())));
    EXPECT_FALSE(text.contains(QStringLiteral("--")));
    EXPECT_FALSE(text.contains(dir_.path()));
    EXPECT_FALSE(text.contains(QStringLiteral("…")));
    // The forgotten OUT shows the in-time the sheet holds and why the day is not counted.
    const QString layout =
        Output(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), month, QStringLiteral("-")});
    EXPECT_TRUE(layout.contains(QRegularExpression(QStringLiteral("7/5\\(水\\) +勤務日 +07:36"))));
    EXPECT_TRUE(text.contains(QStringLiteral("この日は合計に含めていません")));

    // The command line over the file; the year's page is signed too.
    const QString year = file(QStringLiteral("ken-year.pdf"));
    run = RunProgram({QStringLiteral("--user=Ken"), QStringLiteral("--year=2017"),
                      QStringLiteral("--seals=担任,副校長"), QStringLiteral("--format=pdf"),
                      QStringLiteral("--output"), year, dir_.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    text = Output(QStringLiteral("pdftotext"), {year, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("副校長")));
    EXPECT_TRUE(text.contains(QStringLiteral("北町立北中学校")));
    EXPECT_FALSE(text.contains(QStringLiteral("教頭")));
    EXPECT_FALSE(text.contains(QStringLiteral("--")));
}

// A long school name and a dozen seal titles: the heading grows to hold its lines, the boxes
// narrow and take a second row, and nothing of it runs into the notes below.
TEST_F(Paper, aLongHeadingAndManySealsPushTheTableDownInsteadOfOverlappingIt) {
    const QStringList seals = {"本人", "学年主任", "教務主任", "教頭", "副校長", "校長",
                               "主幹教諭", "指導教諭", "事務長", "教育委員会", "学校医", "PTA会長"};
    const QString pdf = file(QStringLiteral("long.pdf"));
    const ProgramRun run = RunProgram(
        {QStringLiteral("--user=Ken"), QStringLiteral("--month=2017-07"),
         QStringLiteral("--school=さいたま市立北区第二十三みどりが丘小中一貫義務教育学校附属特別支援学級"),
         QStringLiteral("--seals=") + seals.join(u','), QStringLiteral("--format=pdf"),
         QStringLiteral("--output"), pdf, dir_.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    // Each word with its box: <word xMin=".." yMin=".." xMax=".." yMax="..">text</word>.
    const QString boxes = Output(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                  QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    const QRegularExpression word(QStringLiteral(
        R"re(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re"));
    double headingBottom = 0;
    double notesTop = 1e9;
    QString words;
    for (const auto& match : word.globalMatch(boxes)) {
        const QString text = match.captured(3);
        words += text;
        if (text.startsWith(QStringLiteral("作成日")) || text.contains(QStringLiteral("支援学級"))) {
            headingBottom = std::max(headingBottom, match.captured(2).toDouble());
        }
        if (text.startsWith(QStringLiteral("休憩は"))) {
            notesTop = std::min(notesTop, match.captured(1).toDouble());
        }
    }
    EXPECT_GT(headingBottom, 0);
    EXPECT_LT(headingBottom, notesTop);
    for (const QString& seal : seals) {
        EXPECT_TRUE(words.contains(seal)) << seal.toStdString();
    }
}
#endif

// Words typed into the reasons cell cost no time: the day counts and the cell is shown, and the
// letters' meanings stand under a table that shows letters.
TEST_F(Paper, wordsInTheReasonsCellCountTheDayAndAreListed) {
    const ProgramRun run =
        RunProgram({QStringLiteral("--user=Ken"), QStringLiteral("--month=2017-07"), dir_.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    const QString out = run.outText();
    // 3rd: 9:15 at school, 1:30 over; 6th: 10:15, 2:30 over.
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("勤務日数 +2 日"))));
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("残業 +4:00\\n"))));
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("7行目 .*「部活動」"))));
    EXPECT_TRUE(out.contains(QStringLiteral("K:その他")));
}

// A name is a name: no way out of the folder. And no file the clock or the report reads beside
// the sheets is ever written over, whatever case or trailing dot the name has.
TEST_F(Paper, aUserIsNeverAPathAndTheFolderFilesAreNeverOutputs) {
    for (const char* user : {"../x", "a/b", "a\\b", ".."}) {
        const ProgramRun run = RunProgram(
            {QStringLiteral("--user=") + QString::fromUtf8(user), dir_.path()});
        EXPECT_EQ(run.exitCode, 2) << user;
        EXPECT_TRUE(run.out.isEmpty()) << user;
    }
    for (const char* name : {"omb.ini", "temp1.txt", "学校カレンダー.csv", "学校設定.txt",
                             "OMB.INI", "temp1.txt."}) {
        const QString output = file(QString::fromUtf8(name));
        const ProgramRun run = RunProgram({QStringLiteral("--month=2017-07"),
                                           QStringLiteral("--output"), output, dir_.path()});
        EXPECT_EQ(run.exitCode, 2) << name;
        EXPECT_FALSE(QFileInfo::exists(output)) << name;
    }
}

// The README's layout: one folder per teacher on a share, the report given the share. A copy of
// a sheet in someone else's folder is named, never counted twice.
TEST(StaffTree, sheetsInEachTeachersFolderAreReadOnceEach) {
    QTemporaryDir share;
    for (const char* folder : {"aki", "ben/2017", "Cho"}) {
        ASSERT_TRUE(QDir(share.path()).mkpath(QString::fromUtf8(folder)));
    }
    WriteOvertimeSheet(share.filePath(QStringLiteral("aki")), QStringLiteral("Aki"), 2017, 7, 600);
    WriteOvertimeSheet(share.filePath(QStringLiteral("ben/2017")), QStringLiteral("Ben"), 2017, 7,
                       3000);
    WriteOvertimeSheet(share.filePath(QStringLiteral("Cho")), QStringLiteral("Cho"), 2017, 7, 120);
    WriteOvertimeSheet(share.filePath(QStringLiteral("aki")), QStringLiteral("Cho"), 2017, 7, 120);
    const ProgramRun run = RunProgram({QStringLiteral("--month=2017-07"),
                                       QStringLiteral("--format=csv-utf8"), share.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    const QString out = QString::fromUtf8(run.out);
    EXPECT_TRUE(out.contains(QStringLiteral("\r\n1,Ben,50:00,45時間超,")));
    EXPECT_TRUE(out.contains(QStringLiteral("\r\n2,Aki,10:00,")));
    EXPECT_TRUE(out.contains(QStringLiteral("\r\n3,Cho,2:00,")));
    EXPECT_TRUE(out.contains(QStringLiteral(",aki/Cho 17 7.csv,,同じ人の同じ月のシート")));
    EXPECT_TRUE(out.contains(QStringLiteral("「Cho/Cho 17 7.csv」を数え")));

    // Folders named otherwise ($USER, say): the person's own is the one whose name file names
    // them, not a copy an earlier name sorts before.
    for (const char* user : {"x1", "u2"}) {
        ASSERT_TRUE(QDir(share.path()).mkpath(QString::fromUtf8(user)));
    }
    const QString first = QStringLiteral("教員 0001");
    ASSERT_TRUE(WriteNameFile(share.filePath(QStringLiteral("x1/omb.ini")), first).ok());
    ASSERT_TRUE(
        WriteNameFile(share.filePath(QStringLiteral("u2/omb.ini")), QStringLiteral("教員 0002"))
            .ok());
    WriteOvertimeSheet(share.filePath(QStringLiteral("x1")), first, 2017, 7, 60);
    WriteOvertimeSheet(share.filePath(QStringLiteral("u2")), first, 2017, 7, 1200);
    for (const QString& period :
         {QStringLiteral("--month=2017-07"), QStringLiteral("--year=2017")}) {
        const ProgramRun own = RunProgram({QStringLiteral("--user"), first, period,
                                           QStringLiteral("--format=csv-utf8"), share.path()});
        ASSERT_EQ(own.exitCode, 0) << own.errText().toStdString();
        const QString text = QString::fromUtf8(own.out);
        EXPECT_TRUE(text.contains(QStringLiteral("u2/教員 0001 17 7.csv,,同じ人の同じ月のシート")))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("「x1/教員 0001 17 7.csv」を数え")));
    }
}

// The same 98:41 month in the same words in the person's year and in the staff's month; a
// 100-hour person's flags stand whole on the staff's printed year.
TEST(OneVocabulary, aMonthHasOneGroupInEveryViewAndNoFlagIsCut) {
    QTemporaryDir dir;
    WriteOvertimeSheet(dir.path(), QStringLiteral("Dai"), 2017, 7, 98 * 60 + 41);
    for (int month = 4; month <= 12; ++month) {
        if (month != 7) {
            WriteOvertimeSheet(dir.path(), QStringLiteral("Dai"), 2017, month, 100 * 60);
        }
    }
    const ProgramRun year = RunProgram(
        {QStringLiteral("--user=Dai"), QStringLiteral("--year=2017"), dir.path()});
    ASSERT_EQ(year.exitCode, 0) << year.errText().toStdString();
    EXPECT_TRUE(year.outText().contains(
        QRegularExpression(QStringLiteral("2017年7月 +98:41 .* 80時間超\\n"))));
    const ProgramRun staff = RunProgram({QStringLiteral("--month=2017-07"), dir.path()});
    EXPECT_TRUE(staff.outText().contains(QRegularExpression(QStringLiteral("Dai +98:41 +80時間超"))));

    const QString pdf = dir.filePath(QStringLiteral("staff.pdf"));
    const ProgramRun printed =
        RunProgram({QStringLiteral("--year=2017"), QStringLiteral("--format=pdf"),
                    QStringLiteral("--output"), pdf, dir.path()});
    ASSERT_EQ(printed.exitCode, 0) << printed.errText().toStdString();
#ifndef _WIN32  // poppler's tools are the host's
    const QString text = Output(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    for (const char* flag : {"年720h", "45h超9か月", "平均80h", "月100h"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(flag))) << flag;
    }
#endif
}

// The part of a workbook the test reads: unzip prints it.
[[maybe_unused]] QString BookPart(const QString& book, const char* part) {
    return Output(QStringLiteral("unzip"), {QStringLiteral("-p"), book, QString::fromUtf8(part)});
}

// Durations are numbers of days shown "[h]:mm", dates are date serials: Excel sums them.
TEST_F(Paper, theWorkbookHoldsNumbersInTheirFormats) {
    const QString book = file(QStringLiteral("ken.xlsx"));
    const ProgramRun run = RunProgram({QStringLiteral("--user=Ken"), QStringLiteral("--month=2017-07"),
                                       QStringLiteral("--format=xlsx"), QStringLiteral("--output"),
                                       book, dir_.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
#ifdef _WIN32
    // unzip, which reads the parts, is the host's: a Windows program cannot run it.
    QFile written(book);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(4) == QByteArray("PK\x03\x04", 4));
    return;
#endif
    EXPECT_TRUE(BookPart(book, "xl/workbook.xml").contains(QStringLiteral("name=\"2017年7月\"")));
    const QString days = BookPart(book, "xl/worksheets/sheet1.xml");
    const QString styles = BookPart(book, "xl/styles.xml");
    // The 3rd: 9:15 at school is 555 / 1440 of a day, in a style whose format is [h]:mm.
    const auto cell = QRegularExpression(QStringLiteral("<c r=\"F2\" s=\"(\\d+)\"[^>]*><v>([^<]+)</v>"))
                          .match(days);
    ASSERT_TRUE(cell.hasMatch()) << days.left(2000).toStdString();
    EXPECT_NEAR(cell.captured(2).toDouble(), 555.0 / 1440, 1e-9);
    const QString xfs = styles.section(QStringLiteral("<cellXfs"), 1).section(QStringLiteral("</cellXfs>"), 0, 0);
    const QString xf = xfs.split(QStringLiteral("<xf ")).value(cell.captured(1).toInt() + 1);
    const auto id = QRegularExpression(QStringLiteral("numFmtId=\"(\\d+)\"")).match(xf);
    ASSERT_TRUE(id.hasMatch()) << xf.toStdString();
    EXPECT_TRUE(styles.contains(QStringLiteral("numFmtId=\"%1\" formatCode=\"[h]:mm\"").arg(id.captured(1))))
        << styles.toStdString();
    EXPECT_TRUE(days.contains(QStringLiteral("<c r=\"A2\" s=")));
    EXPECT_TRUE(days.contains(QStringLiteral("<v>42919</v>")));  // 2017-07-03
}

}  // namespace
