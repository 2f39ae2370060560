#include "records/cp932.h"
#include "tests/report/report_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kJiro = QStringLiteral("Jiro");

// December 2018: Saturday the 1st, Sunday the 2nd, a Monday, the Emperor's Birthday on Sunday the
// 23rd, its substitute holiday on the 24th, Saturday the 29th and Monday the 31st at the year's
// end. 29:55 of overtime, 29:25 of it on the six days off.
class DaysOffProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        WriteSheet(dir_.path(), kJiro, 2018, 12,
                   {{1, QStringLiteral(" 1,08,00,11,00,F")},    // 3:00, no break owed
                    {2, QStringLiteral(" 2,07,38,15,33,F")},    // 7:55 less the break
                    {3, QStringLiteral(" 3,08,00,17,00,A")},    // 0:30 over 7:45
                    {23, QStringLiteral(" 23,09,00,12,00,F")},  // 3:00
                    {24, QStringLiteral(" 24,08,00,16,00,F")},  // 7:15
                    {29, QStringLiteral(" 29,09,00,14,00,")},   // 5:00
                    {31, QStringLiteral(" 31,09,00,13,00,")}});
    }

    ProgramRun Month(QStringList more = {}) const {
        return RunProgram(
            QStringList{QStringLiteral("--user"), kJiro, QStringLiteral("--month=2018-12")} + more +
            QStringList{dir_.path()});
    }

    QString Put(const QString& name, const QByteArray& bytes) const {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return file.fileName();
    }

    QTemporaryDir dir_;
};

TEST_F(DaysOffProgram, everyMinuteOfADayOffIsOvertimeAndTheDaysAreNamed) {
    const ProgramRun run = Month();
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    const QString out = run.outText();
    for (const char* text :
         {"12/1(土)", "12/23(日・祝 天皇誕生日)", "12/24(月・祝 天皇誕生日 振替休日)",
          "12/29(土・休 年末年始)", "12/31(月・休 年末年始)", "29:55", "29:25"}) {
        EXPECT_TRUE(out.contains(QString::fromUtf8(text))) << text;
    }
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("休日に出た日 +6 日"))));

    const ProgramRun csv = Month({QStringLiteral("--format=csv-utf8")});
    EXPECT_TRUE(
        csv.out.contains("2018/12/24,月,08:00,16:00,7:15,7:15,9,F,休日,"
                         "祝 天皇誕生日 振替休日\r\n"));
    EXPECT_TRUE(csv.out.contains("2018/12/3,月,08:00,17:00,8:15,0:30,2,A,勤務日,\r\n"));
}

// Saturday the 1st made a working day (学芸会), Monday the 3rd a day off: 3:00 and 0:30 go,
// 8:15 comes. The folder's calendar in UTF-8, or one named on the command line in CP932.
TEST_F(DaysOffProgram, theSchoolCalendarMakesWorkingDaysAndDaysOff) {
    Put(QStringLiteral("学校カレンダー.csv"),
        "\xEF\xBB\xBF日付,区分,備考\r\n2018/12/1,出,学芸会\r\n2018-12-03,休,振替休業日\r\n");
    ProgramRun run = Month();
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_TRUE(run.outText().contains(
        QRegularExpression(QStringLiteral("12/1\\(土・出 学芸会\\) +勤務日"))));
    EXPECT_TRUE(run.outText().contains(QStringLiteral("12/3(月・休 振替休業日)")));
    EXPECT_TRUE(run.outText().contains(QStringLiteral("34:40")));

    QDir(dir_.path()).remove(QStringLiteral("学校カレンダー.csv"));
    QTemporaryDir elsewhere;
    const QString named = elsewhere.filePath(QStringLiteral("cal.csv"));
    QFile file(named);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("2018/12/1,\x8f\x6f\n2018/12/3,\x8b\x78\n");  // 出, 休
    file.close();
    run = Month({QStringLiteral("--calendar"), named});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_TRUE(run.outText().contains(QStringLiteral("34:40")));
    // The calendar in use is never written over.
    run = Month({QStringLiteral("--calendar"), named, QStringLiteral("--output"), named});
    EXPECT_EQ(run.exitCode, 2);
}

// One bad line stops no one: it is left out, named by its number, and the rest is used.
TEST_F(DaysOffProgram, aCalendarLineThatIsNotADateAndAKindIsSkippedByNumber) {
    const QStringList bad = {
        QStringLiteral("2018/13/1,休"),     QStringLiteral("2018/12/1,休み"),
        QStringLiteral("2018/12/1"),        QStringLiteral("13/1,出"),
        QStringLiteral("2018/12/1,出,a,b"), QStringLiteral("2018/12/10,出"),
        QStringLiteral("2018/12/1,出,\"a"), QStringLiteral("運動会,出"),
    };
    QList<QByteArray> lines;
    for (const QString& line : bad) {
        lines << EncodeCp932(line).bytes;
    }
    lines << QByteArray("2018/12/1,\x81\x20");  // not CP932
    const QByteArray head = EncodeCp932(QStringLiteral("日付,区分")).bytes + '\n' +
                            EncodeCp932(QStringLiteral("2018/12/10,休")).bytes + '\n';
    const QString path = dir_.filePath(QStringLiteral("学校カレンダー.csv"));
    for (const QByteArray& line : lines) {
        Put(QStringLiteral("学校カレンダー.csv"), head + line + "\n");
        const ProgramRun run = Month();
        EXPECT_EQ(run.exitCode, 0) << line.toStdString();
        EXPECT_TRUE(run.outText().contains(QStringLiteral("29:55"))) << line.toStdString();
        EXPECT_TRUE(run.outText().contains(
            QRegularExpression(QStringLiteral("学校カレンダー.csv +3行目  学校カレンダーの読めない行"))))
            << run.outText().toStdString();
    }
    const ProgramRun missing = Month({QStringLiteral("--calendar=none.csv")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.errText().contains(QStringLiteral("none.csv")));
    // A year whose holidays are not known cannot be judged.
    QFile::remove(path);
    const ProgramRun later = RunProgram({QStringLiteral("--month=2051-01"), dir_.path()});
    EXPECT_EQ(later.exitCode, 2);
    EXPECT_TRUE(later.errText().contains(QStringLiteral("2051年の祝日")))
        << later.errText().toStdString();
}

// The pages' sizes in points, as poppler renders them at 72 dots an inch.
QList<QSize> RenderedPages(const QString& pdf, const QString& prefix) {
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("72"), pdf, prefix});
    EXPECT_TRUE(render.waitForFinished(60000));
    QList<QSize> sizes;
    const QFileInfo base(prefix);
    for (const QString& name :
         QDir(base.path())
             .entryList({base.fileName() + QStringLiteral("*.png")}, QDir::Files, QDir::Name)) {
        sizes << QImage(QDir(base.path()).filePath(name)).size();
    }
    return sizes;
}

QString PdfText(const QString& pdf) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.waitForFinished(60000));
    return QString::fromUtf8(text.readAllStandardOutput());
}

TEST_F(DaysOffProgram, printedRecordsAreA4PagesWhoseTextCanBeFound) {
    QTemporaryDir out;
    const QString month = out.filePath(QStringLiteral("jiro.pdf"));
    ProgramRun run = Month({QStringLiteral("--format=pdf"), QStringLiteral("--output"), month});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
#ifdef _WIN32
    // Poppler's tools, which read the pages back, are the host's: a Windows program cannot run them.
    QFile pdf(month);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    return;
#endif
    const QString text = PdfText(month);
    for (const char* words : {"Jiro", "2018年12月", "29:55", "校長", "天皇誕生日 振替休日"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(words))) << words;
    }
    EXPECT_EQ(RenderedPages(month, out.filePath(QStringLiteral("m"))),
              QList<QSize>{QSize(595, 842)});

    // Eighty people fill more than one page, each with its number.
    for (int p = 0; p < 80; ++p) {
        WriteOvertimeSheet(dir_.path(), QStringLiteral("P%1").arg(p), 2018, 12, p * 60);
    }
    const QString staff = out.filePath(QStringLiteral("staff.pdf"));
    run = RunProgram({QStringLiteral("--month=2018-12"), QStringLiteral("--format=pdf"),
                      QStringLiteral("--output"), staff, dir_.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    const QList<QSize> pages = RenderedPages(staff, out.filePath(QStringLiteral("s")));
    ASSERT_GE(pages.size(), 2);
    EXPECT_EQ(pages, QList<QSize>(pages.size(), QSize(595, 842)));
    const QString staffText = PdfText(staff);
    EXPECT_TRUE(staffText.contains(QStringLiteral("2 / %1 ページ").arg(pages.size())));
    EXPECT_TRUE(staffText.contains(QStringLiteral("P79")));
}

}  // namespace
