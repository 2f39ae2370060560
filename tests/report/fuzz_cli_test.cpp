// A staff folder as damage, other programs and careless hands leave it, through every output of
// the report: each run ends with its output, never a crash, a hang or an error for the whole
// school. Among the sheets a note of 60,000 characters without a blank, which the printed pages
// cut with a mark.
#include "records/month_sheet.h"
#include "records/sheet_layout.h"
#include "tests/report/report_fixture.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

namespace {

// mt19937's sequence is fixed by the C++ standard; the distributions are not, so none are used.
class Random {
public:
    explicit Random(uint32_t seed) : engine_(seed) {}
    uint32_t Below(uint32_t n) { return engine_() % n; }
    char Byte() { return char(Below(256)); }

private:
    std::mt19937 engine_;
};

QByteArray DamagedLine(Random& random, int day) {
    static const QByteArray kPieces[] = {",",  ":",  "A",  "\x8c\x8e",     "\x81",    "\xff",
                                         "\t", "08", "17", "\xe3\x82\x99", "\x1b[2J", " "};
    QByteArray line = ' ' + QByteArray::number(day);
    switch (random.Below(4)) {
        case 0:  // a row as the clock writes it
            return line + ",08," + QByteArray::number(10 + random.Below(50)) + ",1" +
                   QByteArray::number(random.Below(10)) + ",00,AB";
        case 1:  // pieces of rows and characters, valid and broken
            for (int n = int(random.Below(12)); n > 0; --n) {
                line += kPieces[random.Below(std::size(kPieces))];
            }
            return line;
        case 2:  // noise
            for (int n = int(random.Below(40)); n > 0; --n) {
                line += random.Byte();
            }
            return line;
        default:
            return line + ",,,,,";
    }
}

QByteArray DamagedSheet(Random& random) {
    static const char* const kEnds[] = {"\r\n", "\r\n", "\n", "\r"};
    QByteArray sheet = random.Below(3) == 0 ? "2017\x94\x4e\r\n" : "";
    sheet += "header";
    for (int day = 1; day <= 31; ++day) {
        sheet += kEnds[random.Below(std::size(kEnds))] + DamagedLine(random, day);
    }
    for (int n = int(random.Below(3)); n > 0 && !sheet.isEmpty(); --n) {
        sheet.truncate(qsizetype(random.Below(uint32_t(sheet.size()))) + sheet.size() / 2);
    }
    return sheet;
}

TEST(ReportFuzz, damagedFoldersGoThroughEveryFormat) {
    QTemporaryDir dir;
    const QString staff = dir.filePath(QStringLiteral("staff"));
    Random random(20250501);
    QStringList people{QStringLiteral("Aki"), QStringLiteral("カ\u3099ク"),
                       QStringLiteral("Emo \U0001F600"), QStringLiteral("Note"),
                       QStringLiteral("教員 0001")};
#ifndef _WIN32  // Windows' file names hold no control characters
    people << QStringLiteral("Evil\x1b]0;x\x07");
#endif
    for (qsizetype p = 0; p < people.size(); ++p) {
        const QString folder = QDir(staff).filePath(QStringLiteral("t%1").arg(p));
        ASSERT_TRUE(QDir().mkpath(folder));
        for (int month = 4; month <= 8; ++month) {
            const QString file =
                QDir(folder).filePath(people[p] + QStringLiteral(" 17 %1.csv").arg(month));
            if (random.Below(2) == 0) {
                WriteOvertimeSheet(folder, QStringLiteral("X"), 2017, month,
                                   int(random.Below(100 * 60)));
                ASSERT_TRUE(QDir(folder).rename(QStringLiteral("X 17 %1.csv").arg(month), file));
            } else {
                PutFileBytes(file, DamagedSheet(random));
            }
        }
    }
    // The note: a reasons cell of 60,000 characters without a blank, on a day that counts.
    QByteArray note = "header\r\n";
    for (int day = 1; day <= 31; ++day) {
        note += ' ' + QByteArray::number(day) +
                (day == 3 ? ",08,00,18,00," + QByteArray(60000, 'n') : QByteArray(",,,,,")) +
                "\r\n";
    }
    PutFileBytes(
        QDir(staff).filePath(
            QStringLiteral("t%1/Note 17 7.csv").arg(people.indexOf(QStringLiteral("Note")))),
        note);

    const QString out = dir.filePath(QStringLiteral("out"));
    const QStringList runs[] = {
        {QStringLiteral("--month=2017-07")},
        {QStringLiteral("--year=2017")},
        {QStringLiteral("--user=Note"), QStringLiteral("--month=2017-07")},
        {QStringLiteral("--user=Note"), QStringLiteral("--year=2017")},
    };
    for (const QStringList& period : runs) {
        for (const char* format : {"text", "csv", "csv-utf8", "xlsx", "pdf", "png"}) {
            QFile::remove(out);
            const QStringList arguments =
                period + QStringList{QStringLiteral("--format=") + QLatin1String(format),
                                     QStringLiteral("--output"), out, staff};
            const ProgramRun run = RunProgram(arguments, 300000);
            const std::string said = arguments.join(u' ').toStdString();
            ASSERT_EQ(run.exitCode, 0) << said << ": " << run.errText().left(500).toStdString();
            QFile written(out);
            ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << said;
            const QByteArray bytes = written.readAll();
            EXPECT_GT(bytes.size(), 100) << said;
            if (QByteArrayView(format) == "png") {
                EXPECT_FALSE(QImage::fromData(bytes, "PNG").isNull()) << said;
            }
            if (QByteArrayView(format) == "pdf") {
                EXPECT_TRUE(bytes.startsWith("%PDF-")) << said;
#ifndef _WIN32  // poppler's pdftotext is the host's
                if (period.first() == u"--user=Note") {
                    QProcess text;
                    text.start(QStringLiteral("pdftotext"), {out, QStringLiteral("-")});
                    ASSERT_TRUE(text.waitForFinished(60000));
                    EXPECT_TRUE(QString::fromUtf8(text.readAllStandardOutput())
                                    .contains(QStringLiteral("文字省略】")))
                        << said;
                }
#endif
            }
        }
    }
}

}  // namespace
