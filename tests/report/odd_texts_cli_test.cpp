// Names, rows and notes no output can hold as they are: one odd file never costs the others
// their output, and nothing in a file name reaches a terminal or a cell as a control.
#include "records/cp932.h"
#include "tests/report/report_fixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A July 2017 sheet of the clock's own, its 3rd replaced by `third` (CP932 bytes).
QByteArray SheetWithThird(const QByteArray& third) {
    QByteArray bytes = "header\r\n";
    for (int day = 1; day <= 31; ++day) {
        bytes += day == 3 ? third
                          : ' ' + QByteArray::number(day) + (day == 4 ? ",08,00,18,00," : ",,,,,");
        bytes += "\r\n";
    }
    return bytes;
}

// The fields of one CSV line, quotes undone.
QStringList Fields(const QString& line) {
    QStringList fields{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'"') {
            if (quoted && i + 1 < line.size() && line[i + 1] == u'"') {
                fields.last() += c;
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (c == u',' && !quoted) {
            fields << QString();
        } else {
            fields.last() += c;
        }
    }
    return fields;
}

qsizetype LongestField(const QString& csv) {
    qsizetype longest = 0;
    for (const QString& line : csv.split(QStringLiteral("\r\n"))) {
        for (const QString& field : Fields(line)) {
            longest = std::max(longest, field.size());
        }
    }
    return longest;
}

TEST(OddTexts, oneOddFileNeverCostsTheOthersTheirOutput) {
    QTemporaryDir dir;
    WriteOvertimeSheet(dir.path(), QStringLiteral("Ann"), 2017, 7, 600);
    // A row pasted across 16,000 cells, and a name that came back from a Mac decomposed.
    PutFileBytes(dir.filePath(QStringLiteral("Wide 17 7.csv")),
                 SheetWithThird(" 3,08,00,17,00,A" + QByteArray(",xyz").repeated(16000)));
    WriteOvertimeSheet(dir.path(), QStringLiteral("Kaku"), 2017, 7, 120);
    QDir(dir.path()).rename(QStringLiteral("Kaku 17 7.csv"), QStringLiteral("カ\u3099ク 17 7.csv"));
    WriteOvertimeSheet(dir.path(), QStringLiteral("Emo"), 2017, 7, 60);
    QDir(dir.path())
        .rename(QStringLiteral("Emo 17 7.csv"), QStringLiteral("Emo \U0001F600 17 7.csv"));

    for (const char* format : {"csv", "csv-utf8"}) {
        const ProgramRun run =
            RunProgram({QStringLiteral("--month=2017-07"),
                        QStringLiteral("--format=") + QLatin1String(format), dir.path()});
        ASSERT_EQ(run.exitCode, 0) << format << run.errText().toStdString();
        const bool utf8 = QByteArrayView(format) == "csv-utf8";
        QString text;
        if (utf8) {
            text = QString::fromUtf8(run.out.mid(3));
        } else {
            // Every line is CP932 through and through.
            for (const QByteArray& line : run.out.split('\n')) {
                const Cp932Result decoded = DecodeCp932(line.chopped(line.endsWith('\r') ? 1 : 0));
                ASSERT_TRUE(decoded.ok) << decoded.error.toStdString();
                text += decoded.text + QStringLiteral("\r\n");
            }
        }
        EXPECT_TRUE(text.contains(QStringLiteral(",Ann,10:00,"))) << format;
        EXPECT_TRUE(text.contains(QStringLiteral(",ガク,2:00,"))) << format;
        EXPECT_LE(LongestField(text), 32767) << format;
        EXPECT_TRUE(text.contains(QStringLiteral(",xyz,xyz,xyz"))) << format;
        EXPECT_TRUE(text.contains(QStringLiteral("…【以下 "))) << format;
        EXPECT_TRUE(text.contains(QStringLiteral("文字で切りました】"))) << format;
        if (!utf8) {
            EXPECT_TRUE(text.contains(QStringLiteral(",Emo 〓,1:00,")))
                << text.left(600).toStdString();
            EXPECT_TRUE(text.contains(QStringLiteral("U+1F600 を「〓」にしました")));
        } else {
            EXPECT_TRUE(text.contains(QStringLiteral(",Emo \U0001F600,1:00,")));
        }
    }

#ifndef _WIN32  // unzip, which reads the workbook's parts, is the host's
    const QString book = dir.filePath(QStringLiteral("staff.xlsx"));
    const ProgramRun run =
        RunProgram({QStringLiteral("--month=2017-07"), QStringLiteral("--format=xlsx"),
                    QStringLiteral("--output"), book, dir.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"),
                {QStringLiteral("-p"), book, QStringLiteral("xl/sharedStrings.xml")});
    ASSERT_TRUE(unzip.waitForFinished());
    const QString strings = QString::fromUtf8(unzip.readAllStandardOutput());
    EXPECT_TRUE(strings.contains(QStringLiteral("<t>ガク</t>")));
    EXPECT_TRUE(strings.contains(QStringLiteral("…【以下 ")));
    qsizetype longest = 0;
    for (const QString& item : strings.split(QStringLiteral("<si>"))) {
        longest = std::max(longest, item.size());
    }
    EXPECT_LE(longest, 32767 + 20);  // the markup around the text
#endif
}

#ifndef _WIN32  // Windows' file names hold no control characters
// A file name dropped on the share holds an escape sequence that would retitle and clear the
// terminal, and a right-to-left override; a folder's name holds a bell.
TEST(OddTexts, controlCharactersInNamesReachNoTerminalAndNoCell) {
    QTemporaryDir dir;
    const QString evil = QStringLiteral("Evil\x1b]0;pwn\x07\x1b[2J\u202Etxt");
    WriteOvertimeSheet(dir.path(), QStringLiteral("Ann"), 2017, 7, 60);
    WriteOvertimeSheet(dir.path(), QStringLiteral("Ann"), 2017, 6, 60);
    QDir(dir.path()).rename(QStringLiteral("Ann 17 6.csv"), evil + QStringLiteral(" 17 7.csv"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("t\x07")));
    PutFileBytes(dir.filePath(QStringLiteral("t\x07/Ann 17 7.csv")), "x\r\n");
    const QString shown = QStringLiteral("Evil\\x1b]0;pwn\\x07\\x1b[2J\\u202etxt");
    for (const char* format : {"text", "csv", "csv-utf8"}) {
        const ProgramRun run =
            RunProgram({QStringLiteral("--month=2017-07"), QStringLiteral("--recursive"),
                        QStringLiteral("--format=") + QLatin1String(format), dir.path()});
        ASSERT_EQ(run.exitCode, 0) << format << run.errText().toStdString();
        for (const char control : {'\x1b', '\x07'}) {
            EXPECT_FALSE(run.out.contains(control)) << format;
        }
        EXPECT_FALSE(run.out.contains("\xE2\x80\xAE")) << format;  // U+202E in UTF-8
        EXPECT_TRUE(run.out.contains(shown.toLatin1())) << format;
        EXPECT_TRUE(run.out.contains("t\\x07/Ann 17 7.csv")) << format;
    }
    // A message on standard error names what it quotes the same way.
    PutFileBytes(dir.filePath(QStringLiteral("学校設定.txt")), "\xEF\xBB\xBF色\x1b[2J=赤\r\n");
    const ProgramRun warned = RunProgram({QStringLiteral("--month=2017-07"), dir.path()});
    EXPECT_EQ(warned.exitCode, 0);
    EXPECT_FALSE(warned.err.contains('\x1b'));
    EXPECT_TRUE(warned.err.contains("\\x1b[2J")) << warned.err.toStdString();
}

#endif

}  // namespace
