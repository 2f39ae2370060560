#include "tests/report/report_fixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

const QString kHanako = QStringLiteral("花子");

int PaintedPixels(const QImage& image) {
    int painted = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            painted += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
        }
    }
    return painted;
}

class ReportOutput : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(sheets_.isValid());
        ASSERT_TRUE(out_.isValid());
        WriteSheet(sheets_.path(), kHanako, 2017, 7,
                   {{3, QStringLiteral(" 3,08,00,18,00,AB")}, {4, QStringLiteral(" 4,08,00,,,")}});
        WriteOvertimeSheet(sheets_.path(), kHanako, 2017, 8, 50 * 60);
    }

    QByteArray Read(const QString& name) const {
        QFile file(out_.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList Month(const QString& format, const QString& output) const {
        return {QStringLiteral("--user"),   kHanako,       QStringLiteral("--month=2017-07"),
                QStringLiteral("--format"), format,        QStringLiteral("--output"),
                out_.filePath(output),      sheets_.path()};
    }

    QTemporaryDir sheets_;
    QTemporaryDir out_;
};

TEST_F(ReportOutput, csvIsCp932WithCrLfAndNoBom) {
    const ProgramRun run = RunProgram(Month(QStringLiteral("csv"), QStringLiteral("m.csv")));
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    const QByteArray bytes = Read(QStringLiteral("m.csv"));
    // "日付,曜日," in CP932.
    EXPECT_TRUE(bytes.startsWith("\x93\xfa\x95\x74,\x97\x6a\x93\xfa,"))
        << bytes.left(16).toHex().toStdString();
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));
    // The day row: 2017/7/3, Monday, 08:00 to 18:00, 9:15 at school, 1:30 over, band 3.
    EXPECT_TRUE(bytes.contains(
        "\r\n2017/7/3,\x8c\x8e,08:00,18:00,9:15,1:30,3,AB,\x8b\xce\x96\xb1\x93\xfa,\r\n"));
    // The day without OUT is listed with its line.
    EXPECT_TRUE(bytes.contains(",5,"));
}

TEST_F(ReportOutput, csvUtf8StartsWithTheBom) {
    const ProgramRun run = RunProgram(Month(QStringLiteral("csv-utf8"), QStringLiteral("m.csv")));
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    const QByteArray bytes = Read(QStringLiteral("m.csv"));
    EXPECT_TRUE(
        bytes.startsWith("\xEF\xBB\xBF"
                         "日付,曜日,"));
    EXPECT_TRUE(bytes.contains("2017/7/3,月,08:00,18:00,9:15,1:30,3,AB,勤務日,\r\n"));
    EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));
}

TEST_F(ReportOutput, csvToStandardOutputWithoutOutput) {
    const ProgramRun run =
        RunProgram({QStringLiteral("--user"), kHanako, QStringLiteral("--year=2017"),
                    QStringLiteral("--format=csv"), sheets_.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_FALSE(run.out.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(run.out.contains("\r\n2017\x94\x4e\x38\x8c\x8e,50:00,"));  // 2017年8月,50:00
}

// The text report redirected to a file, or written with --output, has the line ends the
// platform's editors expect: CR LF on Windows (old Notepad runs LF-only lines together), LF
// elsewhere. Redirected it is in the console's encoding (CP932 under the Japanese Wine), written
// it is UTF-8.
TEST_F(ReportOutput, textInAFileEndsItsLinesAsThePlatformsEditorsExpect) {
    QStringList month = Month(QStringLiteral("text"), QStringLiteral("m.txt"));
    const ProgramRun written = RunProgram(month);
    ASSERT_EQ(written.exitCode, 0) << written.errText().toStdString();
    month.remove(month.indexOf(QStringLiteral("--output")), 2);
    const ProgramRun redirected = RunProgram(month);
    ASSERT_EQ(redirected.exitCode, 0) << redirected.errText().toStdString();
#ifdef _WIN32
    const bool crlf = true;
#else
    const bool crlf = false;
#endif
    const QByteArray file = Read(QStringLiteral("m.txt"));
    for (const QByteArray& bytes : {file, redirected.out}) {
        EXPECT_GT(bytes.count('\n'), 5);
        EXPECT_EQ(bytes.count("\r\n"), crlf ? bytes.count('\n') : 0);
        EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n"));
    }
    EXPECT_TRUE(QString::fromUtf8(file).contains(kHanako));
    EXPECT_TRUE(redirected.outText().contains(kHanako));
}

TEST_F(ReportOutput, staffYearCsvIsCp932Too) {
    const ProgramRun run =
        RunProgram({QStringLiteral("--year=2017"), QStringLiteral("--format=csv"), sheets_.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_TRUE(
        run.out.contains("2\x81\x60"
                         "6"));  // "2～6", the wave dash of CP932
    EXPECT_TRUE(run.out.contains("\r\n1,\x89\xd4\x8e\x71,51:30,"));  // 1,花子,51:30 (1:30 + 50:00)
}

TEST_F(ReportOutput, pngChartsDecodeWithTheirSize) {
    struct Case {
        QStringList arguments;
        QSize size;
    };
    const QString file = out_.filePath(QStringLiteral("chart.png"));
    const Case cases[] = {
        {Month(QStringLiteral("png"), QStringLiteral("chart.png")), QSize(1100, 820)},
        {{QStringLiteral("--user"), kHanako, QStringLiteral("--year=2017"),
          QStringLiteral("--format=png"), QStringLiteral("--output"), file, sheets_.path()},
         QSize(1000, 600)},
        {{QStringLiteral("--month=2017-08"), QStringLiteral("--format=png"),
          QStringLiteral("--output"), file, sheets_.path()},
         QSize(1000, 630)},
    };
    for (const Case& c : cases) {
        QFile::remove(file);
        const ProgramRun run = RunProgram(c.arguments);
        ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
        QImage image;
        ASSERT_TRUE(image.load(file, "PNG"));
        EXPECT_EQ(image.size(), c.size);
        EXPECT_GT(PaintedPixels(image), 10000) << "a chart, not a blank picture";
    }
}

TEST_F(ReportOutput, aFailedRunLeavesNoFileBehindAndKeepsAnOldOne) {
    const QString missingFolder = out_.filePath(QStringLiteral("no/such/place.csv"));
    ProgramRun run = RunProgram({QStringLiteral("--user"), kHanako, QStringLiteral("--output"),
                                 missingFolder, QStringLiteral("--month=2017-07"), sheets_.path()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errText().contains(QStringLiteral("place.csv")));

    QFile old(out_.filePath(QStringLiteral("old.csv")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("kept");
    old.close();
    // Nobody has sheets in 2019: the old file stays as it was, and nothing else appears.
    run = RunProgram({QStringLiteral("--month=2019-01"), QStringLiteral("--format=csv"),
                      QStringLiteral("--output"), old.fileName(), sheets_.path()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(Read(QStringLiteral("old.csv")), QByteArray("kept"));
    EXPECT_EQ(FolderEntries(out_.path()), QStringList{QStringLiteral("old.csv")});
}

#ifndef _WIN32
// A tmpfs mounted for the test: Linux's.
TEST_F(ReportOutput, aFullDiskIsAFailedRunAndTheOldOutputStays) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "a small file system of its own needs root to mount";
    }
    const QString disk = out_.filePath(QStringLiteral("disk"));
    ASSERT_TRUE(QDir().mkdir(disk));
    if (QProcess::execute(QStringLiteral("mount"),
                          {"-t", "tmpfs", "-o", "size=16k", "tmpfs", disk}) != 0) {
        GTEST_SKIP() << "tmpfs cannot be mounted here";
    }
    const auto unmount =
        qScopeGuard([&disk] { QProcess::execute(QStringLiteral("umount"), {disk}); });
    QFile old(disk + QStringLiteral("/report.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the report of last month\n");
    old.close();
    QFile filler(disk + QStringLiteral("/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(1024, 'x')) == 1024 && filler.flush()) {
    }
    filler.close();
    for (const char* format : {"text", "csv", "pdf"}) {
        const QString output = disk + QStringLiteral("/report.txt");
        ProgramRun run =
            RunProgram({QStringLiteral("--user"), kHanako, QStringLiteral("--month=2017-07"),
                        QStringLiteral("--format"), QString::fromLatin1(format),
                        QStringLiteral("--output"), output, sheets_.path()});
        EXPECT_EQ(run.exitCode, 2) << format;
        EXPECT_TRUE(run.errText().contains(QStringLiteral("report.txt"))) << format;
        EXPECT_TRUE(run.errText().contains(QStringLiteral("ディスクの空きが足りません (")))
            << format;
        QFile kept(output);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), QByteArray("the report of last month\n")) << format;
        EXPECT_EQ(QDir(disk).entryList(QDir::Files).size(), 2) << format;
    }
}
#endif

// "-" is standard output for every format; a binary one goes there only when it is no terminal.
TEST_F(ReportOutput, aDashIsStandardOutputForEveryFormat) {
    const ProgramRun csv =
        RunProgram({QStringLiteral("--user"), kHanako, QStringLiteral("--month=2017-07"),
                    QStringLiteral("--format=csv"), sheets_.path()});
    ASSERT_EQ(csv.exitCode, 0) << csv.errText().toStdString();
    QStringList names{QStringLiteral("-")};
#ifndef _WIN32
    names << QStringLiteral("/dev/stdout");
#endif
    for (const QString& name : names) {
        const ProgramRun dash = RunProgram(
            {QStringLiteral("--user"), kHanako, QStringLiteral("--month=2017-07"),
             QStringLiteral("--format=csv"), QStringLiteral("--output"), name, sheets_.path()});
        EXPECT_EQ(dash.exitCode, 0) << dash.errText().toStdString();
        EXPECT_EQ(dash.out, csv.out) << name.toStdString();
    }
    const std::pair<const char*, QByteArray> binary[] = {
        {"pdf", "%PDF-"}, {"png", "\x89PNG"}, {"xlsx", "PK\x03\x04"}};
    for (const auto& [format, start] : binary) {
        const ProgramRun run =
            RunProgram({QStringLiteral("--user"), kHanako, QStringLiteral("--month=2017-07"),
                        QStringLiteral("--format=") + QLatin1String(format),
                        QStringLiteral("--output=-"), sheets_.path()});
        EXPECT_EQ(run.exitCode, 0) << format << run.errText().toStdString();
        EXPECT_TRUE(run.out.startsWith(start)) << format;
    }
    EXPECT_EQ(FolderEntries(out_.path()), QStringList());
}

#ifndef _WIN32
// A device replaced by a file breaks the system; a FIFO's reader would wait for ever; a socket or
// a folder holds no report. None is written, a link to one neither, and each is named.
TEST_F(ReportOutput, onlyRegularFilesAreWritten) {
    const QString fifo = out_.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo), 0600), 0);
    const QString socketPath = out_.filePath(QStringLiteral("socket"));
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketName = QFile::encodeName(socketPath);
    ASSERT_LT(size_t(socketName.size()), sizeof address.sun_path);
    std::copy(socketName.begin(), socketName.end(), address.sun_path);
    ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const auto closeSocket = qScopeGuard([listener] { close(listener); });
    const QString folder = out_.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString toNull = out_.filePath(QStringLiteral("null.csv"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), toNull));
    struct Case {
        QString path;
        QString said;
    };
    QList<Case> cases{{fifo, QStringLiteral("パイプ")},
                      {socketPath, QStringLiteral("ソケット")},
                      {folder, QStringLiteral("フォルダ")},
                      {toNull, QStringLiteral("デバイス")},
                      {QStringLiteral("/dev/null"), QStringLiteral("デバイス")}};
    // A device of one's own, where this test may make one (as root, CI's way).
    const QString device = out_.filePath(QStringLiteral("full"));
    if (mknod(QFile::encodeName(device), S_IFCHR | 0666, makedev(1, 7)) == 0) {
        cases.append({device, QStringLiteral("デバイス")});
    }
    for (const Case& c : cases) {
        for (const char* format : {"text", "pdf"}) {
            const ProgramRun run =
                RunProgram({QStringLiteral("--user"), kHanako, QStringLiteral("--month=2017-07"),
                            QStringLiteral("--format=") + QLatin1String(format),
                            QStringLiteral("--output"), c.path, sheets_.path()},
                           30000);
            EXPECT_EQ(run.exitCode, 2) << c.path.toStdString();
            EXPECT_TRUE(run.out.isEmpty());
            EXPECT_TRUE(run.errText().contains(c.said) && run.errText().contains(c.path))
                << run.errText().toStdString();
        }
    }
    struct stat info {};
    EXPECT_TRUE(stat("/dev/null", &info) == 0 && S_ISCHR(info.st_mode));
    EXPECT_TRUE(stat(QFile::encodeName(fifo), &info) == 0 && S_ISFIFO(info.st_mode));
    EXPECT_TRUE(lstat(QFile::encodeName(toNull), &info) == 0 && S_ISLNK(info.st_mode));
    EXPECT_TRUE(!QFile::exists(device) ||
                (stat(QFile::encodeName(device), &info) == 0 && S_ISCHR(info.st_mode)));

    // A full standard output is a failed run too, with the system's reason.
    QProcess full;
    full.setStandardOutputFile(QStringLiteral("/dev/full"));
    full.start(QStringLiteral(OMBREL_REPORT_BIN),
               {QStringLiteral("--month=2017-07"), QStringLiteral("--format=csv"), sheets_.path()});
    ASSERT_TRUE(full.waitForFinished(30000));
    EXPECT_EQ(full.exitCode(), 2);
    EXPECT_TRUE(QString::fromLocal8Bit(full.readAllStandardError())
                    .contains(QStringLiteral("標準出力に書けません (")));
}
#endif

TEST_F(ReportOutput, sheetsAreNeverWrittenOrReplaced) {
    const QStringList before = FolderEntries(sheets_.path());
    const QString sheet = QDir(sheets_.path()).filePath(kHanako + QStringLiteral(" 17 7.csv"));
    QFile file(sheet);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    file.close();

    // Over the sheet, through a link to it, or as a new file the clock would read as a sheet.
    // (QFile::link makes a symbolic link on POSIX only; on Windows it makes a .lnk shortcut,
    // an ordinary file.)
    const QString newSheet = QDir(sheets_.path()).filePath(kHanako + QStringLiteral(" 17 9.csv"));
    QStringList outputs{sheet, newSheet};
#ifndef _WIN32
    outputs << out_.filePath(QStringLiteral("link.csv"));
    ASSERT_TRUE(QFile::link(sheet, outputs.last()));
#endif
    EXPECT_EQ(RunProgram({QStringLiteral("--month=2017-07"), sheets_.path()}).exitCode, 0);
    for (const QString& output : outputs) {
        const ProgramRun over =
            RunProgram({QStringLiteral("--month=2017-07"), QStringLiteral("--format=csv"),
                        QStringLiteral("--output"), output, sheets_.path()});
        EXPECT_EQ(over.exitCode, 2) << output.toStdString();
        EXPECT_TRUE(over.errText().contains(output)) << over.errText().toStdString();
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), content);
    EXPECT_EQ(FolderEntries(sheets_.path()), before);
}

}  // namespace
