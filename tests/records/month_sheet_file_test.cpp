#include "clock/work_clock.h"
#include "records/day_save.h"
#include "records/month_sheet.h"
#include "records/sheet_layout.h"
#include "tests/records/sheet_test_support.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#endif

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

const QString kName = QStringLiteral("Taro");
const QByteArray kJulyHeader = QByteArray::fromHex(
    "20378C8E815E93FA2C8E6E8BC68E9E2C95AA2C8F498BC68E9E2C95AA2C8E638BC693E097652C8386815B8355815B"
    "96BC2C5461726F");  // " 7月／日,始業時,分,終業時,分,残業内容,ユーザー名,Taro" as Windows stores
                        // it

class MonthSheetFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
#ifndef _WIN32
    void TearDown() override { chmod(qPrintable(dir_.path()), 0700); }
#endif

    SheetState July() const { return StateFor(dir_.path(), "17", "07"); }
    QString SheetPath() const { return dir_.path() + QStringLiteral("/Taro 17 7.csv"); }

    // A table whose every entry says where it came from, to see which ones a read replaced.
    static SheetTable Marked() {
        SheetTable table;
        for (int i = 0; i < kSheetLineCount; ++i) {
            table[i] = QStringLiteral("before %1").arg(i);
        }
        return table;
    }

    QTemporaryDir dir_;
};

TEST_F(MonthSheetFile, theWindowReadsTheSheetItsSavesWriteAndTheReportKnowsItsMonth) {
    const QString names[] = {QString(), QStringLiteral(" Taro "), QStringLiteral("Room 12"),
                             QStringLiteral("山田 太郎"), QStringLiteral("ﾐｷ")};
    const QDate dates[] = {QDate(2000, 1, 1), QDate(2009, 9, 30), QDate(2010, 10, 31),
                           QDate(2099, 12, 31)};
    for (const QString& name : names) {
        for (const QDate& date : dates) {
            const std::string what = name.toStdString() + " " + date.toString().toStdString();
            DayToSave day{dir_.path(), name, date, "08", "30", "17", "45", "A", {}, false};
            const DaySaveResult saved = SaveDay(day, BlankMonth());
            ASSERT_TRUE(saved.ok()) << what << " " << saved.outcome.why().toStdString();

            WindowState state;
            state.AppDir = dir_.path();
            CaptureDate(state, QDateTime(date, QTime(18, 0)));
            SheetTable lines = Marked();
            ASSERT_TRUE(LoadMonthSheet(state, lines, name).ok()) << what;
            EXPECT_EQ(lines[date.day()].text(), saved.row) << what;

            const auto parsed =
                ParseSheetFileName(QFileInfo(MonthSheetPath(state, name)).fileName());
            ASSERT_TRUE(parsed.has_value()) << what;
            EXPECT_EQ(parsed->person, name) << what;
            EXPECT_EQ(QDate(parsed->year, parsed->month, date.day()), date) << what;
        }
    }
}

TEST_F(MonthSheetFile, missingSheetMakesTheBlankMonthInMemoryAndItsSaveIsExact) {
    SheetState state = July();
    state.SheetLines = Marked();
    state.InHour = "08";
    state.InMinute = "30";
    LoadMonthSheet(state, state.SheetLines, kName);

    EXPECT_TRUE(state.InHour.isEmpty());
    EXPECT_TRUE(state.InMinute.isEmpty());
    EXPECT_EQ(state.SheetLines[0].text(), "before 0");
    EXPECT_EQ(state.SheetLines[1].text(), " 1,,,,,");
    EXPECT_EQ(state.SheetLines[31].text(), " 31,,,,,");
    EXPECT_EQ(state.SheetLines[32].text(), "before 32");
    EXPECT_TRUE(FolderEntries(dir_.path()).isEmpty()) << "loading wrote a file";

    state.SheetLines[0] = ComposeHeaderRow(state, kName);
    const QByteArray expected = kJulyHeader + "\r\n" + BlankRows(1, 31);
    for (int run = 0; run < 2; ++run) {
        const FileOutcome written = WriteMonthSheet(state, kName, state.SheetLines);
        ASSERT_TRUE(written.ok()) << written.why().toStdString();
        EXPECT_EQ(QDir::fromNativeSeparators(written.path), SheetPath());
        EXPECT_EQ(FileBytes(SheetPath()), expected) << "run " << run;
    }
    EXPECT_EQ(FolderEntries(dir_.path()), QStringList{"Taro 17 7.csv"});

    SheetState reread = July();
    const SheetReadResult read = ReadMonthSheet(reread, kName, reread.SheetLines);
    EXPECT_TRUE(read.outcome.ok());
    EXPECT_EQ(read.linesRead, 32);
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(reread.SheetLines[i].text(), state.SheetLines[i].text()) << "entry " << i;
    }

    // A blank month made after an earlier save carries that save's end-time and reasons.
    QFile::remove(SheetPath());
    state.OutHour = "17";
    state.OutMinute = "45";
    state.ReasonCodes = "A";
    LoadMonthSheet(state, state.SheetLines, kName);
    EXPECT_EQ(state.SheetLines[5].text(), " 5,,,17,45,A");
}

TEST_F(MonthSheetFile, writtenTableReadsBackAsTheSameEntriesAndRewritesToTheSameBytes) {
    SheetTable table;
    table[0] = QStringLiteral(" 7月／日,始業時,分,終業時,分,残業内容,ユーザー名,髙橋 ①Ⅲ");
    for (int day = 1; day <= 31; ++day) {
        table[day] =
            QStringLiteral(" %1,08,%2,ｶﾅ,,～∥－").arg(day).arg(day % 60, 2, 10, QChar('0'));
    }
    table[9] = QString();  // an empty row is still a line
    ASSERT_TRUE(WriteSheetFile(SheetPath(), table).ok());
    const QByteArray first = FileBytes(SheetPath());
    EXPECT_EQ(first.count("\r\n"), 32);
    EXPECT_FALSE(first.startsWith("\xEF\xBB\xBF"));

    SheetTable reread;
    EXPECT_EQ(ReadSheetFile(SheetPath(), reread).linesRead, 32);
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(reread[i].text(), table[i].text()) << "entry " << i;
    }
    ASSERT_TRUE(WriteSheetFile(SheetPath(), reread).ok());
    EXPECT_EQ(FileBytes(SheetPath()), first);
}

TEST_F(MonthSheetFile, onlyTheFirst32LinesAreReadAndTheNextSaveWrites32) {
    QByteArray forty;
    for (int line = 1; line <= 40; ++line) {
        forty += "line " + QByteArray::number(line) + "\r\n";
    }
    PutFileBytes(SheetPath(), forty);
    SheetState state = July();
    state.SheetLines = Marked();
    const SheetReadResult read = ReadMonthSheet(state, kName, state.SheetLines);
    EXPECT_EQ(read.linesRead, 32);
    EXPECT_EQ(state.SheetLines[31].text(), "line 32");
    EXPECT_EQ(state.SheetLines[32].text(), "before 32");
    ASSERT_TRUE(WriteMonthSheet(state, kName, state.SheetLines).ok());
    EXPECT_EQ(FileBytes(SheetPath()), forty.left(forty.indexOf("line 33")));
}

TEST_F(MonthSheetFile, shortSheetFillsOnlyItsLinesAndKeepsTheRest) {
    PutFileBytes(SheetPath(), "header\r\n" + BlankRows(1, 9));
    SheetState state = July();
    state.SheetLines = Marked();
    LoadMonthSheet(state, state.SheetLines, kName);
    EXPECT_EQ(state.SheetLines[0].text(), "header");
    EXPECT_EQ(state.SheetLines[9].text(), " 9,,,,,");
    for (int i = 10; i < kSheetLineCount; ++i) {
        EXPECT_EQ(state.SheetLines[i].text(), QStringLiteral("before %1").arg(i));
    }
}

TEST_F(MonthSheetFile, lineEndsOfOtherProgramsAreReadLineByLineAndSavedAsCrLf) {
    // LF alone and CR alone (a spreadsheet's "CSV (Macintosh)") end a line as CR LF does.
    PutFileBytes(SheetPath(), "head\n 1,08,30,,,\r\n\n 3,\r\r\n 4,09,00,,,\r 5,,,,,");
    SheetTable table = Marked();
    const SheetReadResult read = ReadSheetFile(SheetPath(), table);
    EXPECT_EQ(read.linesRead, 7);
    EXPECT_EQ(table[1].text(), " 1,08,30,,,");
    EXPECT_EQ(table[2].text(), "");
    EXPECT_EQ(table[3].originalBytes(), " 3,");
    EXPECT_EQ(table[4].text(), "");
    EXPECT_EQ(SplitDayRow(table[5].text()).inHour.value_or("(fails)"), "09");

    ASSERT_TRUE(WriteSheetFile(SheetPath(), table).ok());
    QByteArray expected = "head\r\n 1,08,30,,,\r\n\r\n 3,\r\n\r\n 4,09,00,,,\r\n 5,,,,,\r\n";
    for (int i = 7; i < 32; ++i) {
        expected += "before " + QByteArray::number(i) + "\r\n";
    }
    EXPECT_EQ(FileBytes(SheetPath()), expected);
}

TEST_F(MonthSheetFile, untouchedRowsKeepTheirBytesWhenTodaysRowIsReplaced) {
    const QByteArray header = "\x8C\x8E,\xFB\xFC\x8B\xB4\r\n";  // 月,髙橋 as Windows codes 髙
    const QByteArray rows[] = {
        " 1,08,30,17,00,\xEE\xE0\r\n",  // 髙 in the NEC selection
        " 2,08,\x81,17,00,\r\n",        // a lead byte without trail
        " 3,09,15,18,\xFF,A\r\n",       // a byte CP932 never uses
    };
    QByteArray sheet = header + rows[0] + rows[1] + rows[2] + BlankRows(4, 31);
    PutFileBytes(SheetPath(), sheet);

    SheetState state = July();
    LoadMonthSheet(state, state.SheetLines, kName);
    EXPECT_FALSE(SplitDayRow(state.SheetLines[2].text()).inHour) << "undecodable row gave a cut";
    state.InHour = "08";
    state.InMinute = "05";
    state.SheetLines[7] = ComposeDayRow(state, state.DayText);
    ASSERT_TRUE(WriteMonthSheet(state, kName, state.SheetLines).ok());

    sheet.replace(" 7,,,,,\r\n", " 7,08,05,,,\r\n");
    EXPECT_EQ(FileBytes(SheetPath()), sheet);
}

TEST_F(MonthSheetFile, unstorableTextFailsTheWholeSaveAndKeepsTheOldSheet) {
    struct Case {
        QString name;
        int row;
        QString rowText;
        QString named;  // what the reason must name
    };
    const Case cases[] = {
        {"Taro😀", 0, {}, "U+1F600"},                  // a name with an emoji, in the header
        {"Taro", 12, " 12,08,30,,,\n 13", "U+000A"},  // a line break would shift every later day
        {"Taro", 3, " 3,,,,,€", "U+20AC"},
        {"../Taro", 0, {}, "\"/\""},  // would land outside the working folder
        {"a\\b", 0, {}, "\"\\\""},
    };
    for (const Case& c : cases) {
        for (const QString& entry : FolderEntries(dir_.path())) {
            QFile::remove(dir_.filePath(entry));
        }
        SheetState state = July();
        LoadMonthSheet(state, state.SheetLines, c.name);
        state.SheetLines[0] = ComposeHeaderRow(state, c.name);
        if (!c.rowText.isNull()) {
            state.SheetLines[c.row] = c.rowText;
        }
        const QString path = MonthSheetPath(state, c.name);
        const bool hadSheet = c.name == kName;
        if (hadSheet) {
            PutFileBytes(path, "old sheet\r\n");
        }
        const FileOutcome written = WriteMonthSheet(state, c.name, state.SheetLines);
        EXPECT_FALSE(written.ok()) << c.named.toStdString();
        EXPECT_TRUE(written.why().contains(c.named)) << written.why().toStdString();
        EXPECT_EQ(written.path, path);
        EXPECT_EQ(FolderEntries(dir_.path()),
                  hadSheet ? QStringList{"Taro 17 7.csv"} : QStringList{})
            << c.named.toStdString();
        if (hadSheet) {
            EXPECT_EQ(FileBytes(path), "old sheet\r\n");
        }
    }
}

// Permission bits, file size limits and forked children are POSIX's; on Windows a sheet held open
// by another program is what refuses a save (held_sheet_test.cpp).
#ifndef _WIN32

// Saves that the system refuses or cuts short, each in a child process; the old sheet must stay
// byte for byte and no temporary file may be left beside it.
TEST_F(MonthSheetFile, failedSaveLeavesTheOldSheetAndNoTemporaryFile) {
    enum class Cause { ReadOnlyFolder, FileSizeLimit, KilledByFileSizeLimit };
    for (const Cause cause :
         {Cause::ReadOnlyFolder, Cause::FileSizeLimit, Cause::KilledByFileSizeLimit}) {
        const QByteArray old = kJulyHeader + "\r\n" + BlankRows(1, 6) + " 7,08,00,17,30,B\r\n";
        PutFileBytes(SheetPath(), old);
        chmod(qPrintable(SheetPath()), 0666);
        chmod(qPrintable(dir_.path()), cause == Cause::ReadOnlyFolder ? 0555 : 0700);

        SheetState state = July();
        LoadMonthSheet(state, state.SheetLines, kName);
        state.SheetLines[8] = QStringLiteral(" 8,08,45,19,00,ACDEFGH");
        const int status = RunInChild(
            [&]() {
                if (cause != Cause::ReadOnlyFolder) {
                    std::signal(SIGXFSZ, cause == Cause::FileSizeLimit ? SIG_IGN : SIG_DFL);
                    const rlimit noCore{0, 0};
                    const rlimit limit{100, 100};
                    setrlimit(RLIMIT_CORE, &noCore);
                    setrlimit(RLIMIT_FSIZE, &limit);
                }
                const FileOutcome written = WriteMonthSheet(state, kName, state.SheetLines);
                // The system's own reason: no folder access, or the file grew too large.
                const QString reason = QString::fromLocal8Bit(
                    std::strerror(cause == Cause::ReadOnlyFolder ? EACCES : EFBIG));
                if (written.ok() || written.path != SheetPath() ||
                    !written.why().contains(reason)) {
                    std::fprintf(stderr, "%s\n", qPrintable(written.why()));
                    return 1;
                }
                return 0;
            },
            /*asNobody=*/cause == Cause::ReadOnlyFolder);
        chmod(qPrintable(dir_.path()), 0700);

        const int cause_ = static_cast<int>(cause);
        if (cause == Cause::KilledByFileSizeLimit) {
            EXPECT_EQ(status, 128 + SIGXFSZ) << cause_;
        } else {
            EXPECT_EQ(status, 0) << "the save did not report its failure, cause " << cause_;
            EXPECT_EQ(FolderEntries(dir_.path()), QStringList{"Taro 17 7.csv"}) << cause_;
        }
        EXPECT_EQ(FileBytes(SheetPath()), old) << cause_;
        for (const QString& entry : FolderEntries(dir_.path())) {
            QFile::remove(dir_.filePath(entry));
        }
    }
}

TEST_F(MonthSheetFile, sheetThatCannotBeReadLeavesTheTableAsItWas) {
    struct Case {
        const char* what;
        int folderMode, fileMode;
        bool blankMonth;  // a folder that cannot be searched hides the sheet: it counts as absent
    };
    const Case cases[] = {{"folder", 0000, 0644, true}, {"file", 0755, 0000, false}};
    for (const Case& c : cases) {
        PutFileBytes(SheetPath(), "header\r\n" + BlankRows(1, 31));
        chmod(qPrintable(SheetPath()), c.fileMode);
        chmod(qPrintable(dir_.path()), c.folderMode);
        const int status = RunInChild(
            [&]() {
                SheetState state = July();
                state.SheetLines = Marked();
                const SheetReadResult read = ReadMonthSheet(state, kName, state.SheetLines);
                if (read.outcome.ok() || read.outcome.path != SheetPath() ||
                    state.SheetLines != Marked()) {
                    return 1;
                }
                if (FileExists(SheetPath()) == c.blankMonth) {
                    return 2;
                }
                LoadMonthSheet(state, state.SheetLines, kName);
                const bool blank = state.SheetLines[1].text() == " 1,,,,,";
                return blank == c.blankMonth && state.SheetLines[0].text() == "before 0" ? 0 : 3;
            },
            /*asNobody=*/true);
        chmod(qPrintable(dir_.path()), 0700);
        EXPECT_EQ(status, 0) << c.what;
    }
}

#endif

}  // namespace
