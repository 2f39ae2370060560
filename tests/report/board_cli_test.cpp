// A board's folder of schools: the same names in two schools are two people, each school under
// its own name in every output, then one row a school and the board's totals.
#include "tests/report/report_fixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void Put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

[[maybe_unused]] QString Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Three schools in May 2025 (20 working days, Golden Week off). East and West have teachers of
// the same names; North has no settings file; East's share holds a copy of Takahashi's folder.
// West's Takahashi also worked 170 h in April and 100 h in June: 371 h, past the year's 360 h.
class Board : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        Put(path("board/east/学校設定.txt"), "学校名=東中学校\r\n");
        Put(path("board/west/学校設定.txt"), "学校名=西中学校\r\n");
        // A copy beside a teacher's clock belongs to the school: it makes no school of its own.
        Put(path("board/west/t1/学校設定.txt"), "学校名=西中学校\r\n");
        const QString takahashi = QStringLiteral("高橋 一郎");
        const QString sato = QStringLiteral("佐藤 花子");
        sheet("board/east/t1", takahashi, 5, 85 * 60 + 10);
        sheet("board/east/t1-copy", takahashi, 5, 85 * 60 + 10);
        sheet("board/east/t2", sato, 5, 46 * 60);
        sheet("board/west/t1", takahashi, 4, 170 * 60);
        sheet("board/west/t1", takahashi, 5, 101 * 60);
        sheet("board/west/t1", takahashi, 6, 100 * 60);
        sheet("board/west/t2", sato, 5, 30 * 60);
        sheet("board/north/t1", QStringLiteral("田中 次郎"), 5, 45 * 60);
    }
    void sheet(const char* folder, const QString& person, int month, int minutes) {
        const QString own = path(folder);
        QDir().mkpath(own);
        WriteOvertimeSheet(own, person, 2025, month, minutes);
    }
    QString path(const char* relative) const {
        return QDir(root_.path()).filePath(QString::fromUtf8(relative));
    }
    ProgramRun run(QStringList arguments) const {
        arguments << path("board");
        return RunProgram(arguments);
    }
    QTemporaryDir root_;
};

// The summary's rows, worked out by hand: school, staff, ≤45 h, >45 h, >80 h, ≥100 h, the
// highest month, past 360 h, past 720 h, items to look at.
const char* const kSummary[] = {
    "東中学校,east,2,0,1,1,0,85:10,0,0,1",
    "north,north,1,1,0,0,0,45:00,0,0,0",
    "西中学校,west,2,1,0,0,1,101:00,0,0,0",
    "合計,,5,2,1,1,1,101:00,0,0,1",
};

TEST_F(Board, everySchoolsStaffAndTheSummaryInEveryFormat) {
    const QStringList may{QStringLiteral("--month=2025-05")};
    const ProgramRun csv = run(may + QStringList{QStringLiteral("--format=csv-utf8")});
    ASSERT_EQ(csv.exitCode, 0) << csv.errText().toStdString();
    const QString table = QString::fromUtf8(csv.out);
    for (const char* row : {"\r\n東中学校,1,高橋 一郎,85:10,80時間超,", "\r\n東中学校,2,佐藤 花子,46:00,",
                            "\r\nnorth,1,田中 次郎,45:00,45時間以下,",
                            "\r\n西中学校,1,高橋 一郎,101:00,100時間以上,",
                            "\r\n西中学校,2,佐藤 花子,30:00,"}) {
        EXPECT_TRUE(table.contains(QString::fromUtf8(row))) << row << "\n" << table.toStdString();
    }
    EXPECT_TRUE(table.contains(QRegularExpression(QStringLiteral("^\uFEFF?学校,順位,氏名,"))))
        << table.toStdString();
    EXPECT_EQ(table.count(QStringLiteral("高橋 一郎,")), 2) << "two people, the copy once";
    EXPECT_EQ(table.count(QStringLiteral("同じ人の同じ月のシート")), 1);
    for (const char* row : kSummary) {
        EXPECT_TRUE(table.contains(QStringLiteral("\r\n") + QString::fromUtf8(row) + u'\r'))
            << row << "\n" << table.toStdString();
    }
    // Over the school year a person's group goes by the highest month; West's Takahashi is past
    // 360 h.
    const ProgramRun year = run({QStringLiteral("--year=2025"), QStringLiteral("--format=csv-utf8")});
    ASSERT_EQ(year.exitCode, 0) << year.errText().toStdString();
    EXPECT_TRUE(QString::fromUtf8(year.out).contains(
        QStringLiteral("\r\n西中学校,west,2,1,0,0,1,170:00,1,0,0\r\n")))
        << year.out.toStdString();
    // The CP932 CSV says the same in its own code page.
    const ProgramRun cp932 = run(may + QStringList{QStringLiteral("--format=csv")});
    ASSERT_EQ(cp932.exitCode, 0);
    EXPECT_TRUE(cp932.out.contains(QByteArray("\x93\x8c\x92\x86\x8a\x77\x8d\x5a,1,")));  // 東中学校

    const ProgramRun text = run(may);
    ASSERT_EQ(text.exitCode, 0);
    const QString shown = text.outText();
    const qsizetype east = shown.indexOf(QStringLiteral("■ 東中学校"));
    const qsizetype west = shown.indexOf(QStringLiteral("■ 西中学校"));
    const qsizetype summary = shown.indexOf(QStringLiteral("学校ごとのまとめ"));
    EXPECT_TRUE(east >= 0 && west > east && summary > west) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QRegularExpression(
        QStringLiteral("\n合計 +5 +2 +1 +1 +1 +101:00 +0 +0 +1\n"))))
        << shown.toStdString();

    const QDir out(root_.path());
    for (const char* format : {"xlsx", "pdf", "png"}) {
        const QString file = out.filePath(QStringLiteral("board.") + QString::fromLatin1(format));
        const ProgramRun written = run(may + QStringList{QStringLiteral("--format"),
                                                         QString::fromLatin1(format),
                                                         QStringLiteral("--output"), file});
        ASSERT_EQ(written.exitCode, 0) << format << written.errText().toStdString();
        EXPECT_GT(QFileInfo(file).size(), 1000) << format;
    }
#ifndef _WIN32  // unzip and poppler's pdftotext are the host's
    const QString book = out.filePath(QStringLiteral("board.xlsx"));
    const QString sheets = Output(QStringLiteral("unzip"), {QStringLiteral("-p"), book,
                                                            QStringLiteral("xl/workbook.xml")});
    QStringList names;
    for (const auto& match : QRegularExpression(QStringLiteral("<sheet name=\"([^\"]+)\""))
                                 .globalMatch(sheets)) {
        names << match.captured(1);
    }
    EXPECT_EQ(names.mid(0, 5),
              (QStringList{QStringLiteral("学校ごとの集計"), QStringLiteral("全員"),
                           QStringLiteral("東中学校"), QStringLiteral("north"),
                           QStringLiteral("西中学校")}))
        << names.join(u' ').toStdString();
    const QString strings = Output(QStringLiteral("unzip"), {QStringLiteral("-p"), book,
                                                             QStringLiteral("xl/sharedStrings.xml")});
    EXPECT_TRUE(strings.contains(QStringLiteral("<t>学校</t>")));

    const QString pages = Output(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), out.filePath(QStringLiteral("board.pdf")),
                                  QStringLiteral("-")});
    const QString first = pages.section(u'\f', 0, 0);
    EXPECT_TRUE(first.contains(QStringLiteral("学校ごとのまとめ"))) << first.toStdString();
    EXPECT_TRUE(first.contains(QRegularExpression(
        QStringLiteral("西中学校 +2 +1 +0 +0 +1 +101:00 +0 +0 +0"))))
        << first.toStdString();
    EXPECT_FALSE(first.contains(QStringLiteral("佐藤 花子"))) << "the schools come after";
    EXPECT_TRUE(pages.section(u'\f', 1).contains(QStringLiteral("佐藤 花子")));
#endif
}

TEST_F(Board, aSchoolIsChosenByNameOrFolderAndANameInTwoSchoolsAsksWhich) {
    const QStringList may{QStringLiteral("--month=2025-05"), QStringLiteral("--format=csv-utf8")};
    const ProgramRun west = run(may + QStringList{QStringLiteral("--school=西中学校")});
    ASSERT_EQ(west.exitCode, 0) << west.errText().toStdString();
    const QString table = QString::fromUtf8(west.out);
    // One school's report is the staff's as it always was: no school column, no summary.
    EXPECT_TRUE(table.contains(QStringLiteral("\r\n1,高橋 一郎,101:00,"))) << table.toStdString();
    EXPECT_FALSE(table.contains(QStringLiteral("85:10")));
    EXPECT_EQ(run(may + QStringList{QStringLiteral("--school=west")}).out, west.out);
    const ProgramRun none = run(may + QStringList{QStringLiteral("--school=南中学校")});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_TRUE(none.errText().contains(QStringLiteral("東中学校"))) << none.errText().toStdString();

    const QStringList takahashi = may + QStringList{QStringLiteral("--user=高橋 一郎")};
    const ProgramRun both = run(takahashi);
    EXPECT_EQ(both.exitCode, 2);
    EXPECT_TRUE(both.out.isEmpty());
    for (const char* school : {"東中学校", "西中学校", "--school"}) {
        EXPECT_TRUE(both.errText().contains(QString::fromUtf8(school)))
            << school << both.errText().toStdString();
    }
    const ProgramRun chosen = run(takahashi + QStringList{QStringLiteral("--school=east")});
    ASSERT_EQ(chosen.exitCode, 0) << chosen.errText().toStdString();
    EXPECT_TRUE(QString::fromUtf8(chosen.out).contains(QStringLiteral("85:10")));
    // A name in one school alone needs no choosing.
    const ProgramRun tanaka = run(may + QStringList{QStringLiteral("--user=田中 次郎")});
    ASSERT_EQ(tanaka.exitCode, 0) << tanaka.errText().toStdString();
    EXPECT_TRUE(QString::fromUtf8(tanaka.out).contains(QStringLiteral("45:00")));
}

}  // namespace
