// Odd and hostile files in the working folder: nothing below the month is lost, nothing blocks the
// window, and no save reaches outside the folder.
#include "tests/support/form_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <sys/stat.h>

namespace {

const char kSheet[] = "Taro 17 7.csv";

class OddFiles : public FormFixture {
protected:
    // Start-up's own messages wait for the window to show.
    Form1& StartAndSettle() {
        Start();
        QCoreApplication::processEvents();
        return *form;
    }
    Form1& StartNamed() {
        WriteFile("omb.ini", "Taro\r\n");
        return StartAndSettle();
    }
    void InAndOut() {
        At(8, 0);
        Click(form->Command1);
        At(12, 0);
        Click(form->Command2);
    }
    // A file outside the working folder that a link in it leads to.
    QString Outside(const char* name, const QByteArray& bytes) {
        const QString path = elsewhere.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QByteArray OutsideBytes(const char* name) const {
        QFile file(elsewhere.filePath(QString::fromLatin1(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void Fifo(const char* name) { ASSERT_EQ(mkfifo(qPrintable(Path(name)), 0600), 0); }
    void Huge(const char* name) {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(100 * 1024 * 1024));  // sparse: made at once
    }

    QTemporaryDir elsewhere;
};

TEST_F(OddFiles, linesBelowTheMonthGoBackByteForByteAndShortOrCrOnlySheetsLoseNoRow) {
    const QByteArray below = "\x8d\x87\x8c\x76,,,160,00\r\n\r\nnote: checked\n" +
                             QByteArray(20000, ';') + "\r\n";  // 合計 and a long tail
    WriteFile(kSheet, Sheet({{3, " 3,08,00,17,00,"}}) + below);
    StartNamed();
    InAndOut();
    EXPECT_EQ(ReadFile(kSheet), Sheet({{3, " 3,08,00,17,00,"}, {5, " 5,08,00,12,00,"}}) + below);

    // Excel's "CSV (Macintosh)": lone CRs.
    QByteArray crOnly = Sheet({{3, " 3,08,00,17,00,"}});
    crOnly.replace("\r\n", "\r");
    WriteFile(kSheet, crOnly);
    form.reset();
    StartNamed();
    InAndOut();
    EXPECT_EQ(ReadFile(kSheet), Sheet({{3, " 3,08,00,17,00,"}, {5, " 5,08,00,12,00,"}}));

    // Five lines: the days it lacks come back as blank rows.
    const QByteArray month = Sheet({{2, " 2,08,00,17,00,"}});
    WriteFile(kSheet, month.left(month.indexOf(" 5,")));
    form.reset();
    StartNamed();
    InAndOut();
    EXPECT_EQ(ReadFile(kSheet), Sheet({{2, " 2,08,00,17,00,"}, {5, " 5,08,00,12,00,"}}));
}

TEST_F(OddFiles, aLinkAFifoAFolderOrAHugeFileInPlaceOfTheSheetIsNeverSavedOver) {
    const QString target = Outside("victim.csv", "not yours\r\n");
    ASSERT_TRUE(QFile::link(target, Path(kSheet)));
    StartNamed();
    InAndOut();
    EXPECT_EQ(OutsideBytes("victim.csv"), "not yours\r\n");
    EXPECT_TRUE(QFileInfo(Path(kSheet)).isSymLink());
    EXPECT_TRUE(form->State().ClockedIn);  // the day stays open
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(messages.last().contains(kSheet) && messages.last().contains("リンク"))
        << messages.last().toStdString();

    const std::function<void()> replacements[] = {
        [this] { Fifo(kSheet); },
        [this] { ASSERT_TRUE(QDir(folder.path()).mkdir(kSheet)); },
        [this] { Huge(kSheet); },
    };
    const char* words[] = {"パイプ", "フォルダ", "大きすぎ"};
    for (int i = 0; i < 3; ++i) {
        form.reset();
        messages.clear();
        QFile::remove(Path(kSheet));
        QDir(folder.path()).rmdir(kSheet);
        replacements[i]();
        StartNamed();  // never waits on the FIFO
        InAndOut();
        EXPECT_TRUE(form->State().ClockedIn) << words[i];
        ASSERT_FALSE(messages.isEmpty()) << words[i];
        EXPECT_TRUE(messages.last().contains(words[i])) << messages.last().toStdString();
    }
    EXPECT_EQ(QFileInfo(Path(kSheet)).size(), 100 * 1024 * 1024);
}

TEST_F(OddFiles, aSheetRefusedAtInAndRemovedAfterIsWrittenAsABlankMonthWithTheDay) {
    WriteFile(kSheet, Sheet({{3, " 3,08,00,17,00,A"}}));
    WriteFile("omb.ini", "Taro\r\n");
    clock.set(QDateTime(QDate(2017, 7, 31), QTime(8, 0)));
    Start();
    Click(form->Command1);
    clock.set(QDateTime(QDate(2017, 7, 31), QTime(12, 0)));
    Click(form->Command2);
    Fifo("Taro 17 8.csv");
    clock.set(QDateTime(QDate(2017, 8, 1), QTime(8, 0)));
    Click(form->Command1);
    ASSERT_FALSE(messages.isEmpty());
    ASSERT_TRUE(QFile::remove(Path("Taro 17 8.csv")));
    clock.set(QDateTime(QDate(2017, 8, 1), QTime(12, 0)));
    Click(form->Command2);
    const QByteArray august = ReadFile("Taro 17 8.csv");
    EXPECT_EQ(SheetRow(august, 1), " 1,08,00,12,00,");
    EXPECT_EQ(SheetRow(august, 3), " 3,,,,,");
    EXPECT_EQ(august.count("\r\n"), 32);
}

TEST_F(OddFiles, aNameFileThatIsNotAFileOrHoldsARefusedNameLeavesTheWindowUnnamed) {
    const QString target = Outside("name", "Taro\r\n");
    const std::function<void()> nameFiles[] = {
        [&] { ASSERT_TRUE(QFile::link(target, Path("omb.ini"))); },
        [this] { Fifo("omb.ini"); },
        [this] { ASSERT_TRUE(QDir(folder.path()).mkdir("omb.ini")); },
        [this] { Huge("omb.ini"); },
        [this] { WriteFile("omb.ini", "../evil\r\n"); },
        [this] { WriteFile("omb.ini", "..\\Taro\r\n"); },
        [this] { WriteFile("omb.ini", "~$x\r\n"); },
    };
    for (const auto& putNameFile : nameFiles) {
        form.reset();
        messages.clear();
        QFile::remove(Path("omb.ini"));
        QDir(folder.path()).rmdir("omb.ini");
        putNameFile();
        StartAndSettle();
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(form->Text1->isVisibleTo(form.get()));
        EXPECT_EQ(form->Text1->text(), Form1::kPromptText);
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].contains("omb.ini")) << messages[0].toStdString();
    }
    // Typed at IN, the same names are refused before anything is written.
    for (const char* name : {"../evil", "..\\Taro", "~$x"}) {
        messages.clear();
        form->Text1->setText(QString::fromLatin1(name));
        Click(form->Command1);
        EXPECT_FALSE(form->State().ClockedIn) << name;
        ASSERT_EQ(messages.size(), 1) << name;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1);  // the name file alone
    EXPECT_EQ(OutsideBytes("name"), "Taro\r\n");
}

TEST_F(OddFiles, aStartTimeFileThatIsALinkIsNotWrittenThroughAndTheDayStillOpens) {
    const QString target = Outside("start", "keep\r\n");
    ASSERT_TRUE(QFile::link(target, Path("temp1.txt")));
    StartNamed();
    At(8, 0);
    Click(form->Command1);
    EXPECT_TRUE(form->State().ClockedIn);
    EXPECT_EQ(SheetRow(ReadFile(kSheet), 5), " 5,08,00,,,");
    EXPECT_EQ(OutsideBytes("start"), "keep\r\n");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("temp1.txt"));
}

TEST_F(OddFiles, onlyTheClocksOwnLeftoverTemporaryFilesAreRemovedAtStartUp) {
    const QStringList leftovers{".Taro 17 7.csv.ombrel-AbcxQe", ".omb.ini.ombrel-kzJqzz",
                                ".temp1.txt.ombrel-Q2pLm9"};
    // A person's copies, whatever letters they end in, and names a save never gives.
    const QStringList kept{
        "Taro 17 7.csv.backUp",         "Taro 17 7.csv.AbcxQe",         "Taro 17 7.csv.261201",
        ".Taro 17 7.csv.ombrel-AbcxQ",  "Taro 17 7.csv.ombrel-AbcxQe",  ".ombrel-AbcxQe",
        ".Taro 17 7.csv.ombrel-Abc-Qe", ".Taro 17 7.csv.ombrel-ÄbcxQe", "notes.txt"};
    for (const QString& name : leftovers + kept) {
        WriteFile(name, "x");
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(clock.now().addSecs(-120), QFileDevice::FileModificationTime);
    }
    WriteFile(".Taro 17 6.csv.ombrel-ZzqZzx", "a save still being written");
    StartNamed();
    const QStringList left = FilesInFolder();
    for (const QString& name : leftovers) {
        EXPECT_FALSE(left.contains(name)) << name.toStdString();
    }
    for (const QString& name : kept + QStringList{".Taro 17 6.csv.ombrel-ZzqZzx", "omb.ini"}) {
        EXPECT_TRUE(left.contains(name)) << name.toStdString();
    }
}

TEST_F(OddFiles, rowsAreFoundByTheirDayWhenASpreadsheetMovedThem) {
    const QByteArray month = Sheet({{4, " 4,08,00,19,00,C"}, {5, " 5,07,30,,,"}});
    const QByteArray header = month.left(month.indexOf("\r\n") + 2);
    const QByteArray rows = month.mid(header.size());

    // A title typed above the header: today's row resumes and is saved where it stands.
    const QByteArray titled = "Attendance July 2017,,,\r\n" + header + rows;
    WriteFile(kSheet, titled);
    StartNamed();
    EXPECT_TRUE(form->State().ClockedIn);
    EXPECT_EQ(form->State().StartSeconds, 7 * 3600 + 30 * 60);
    At(12, 0);
    Click(form->Command2);
    QByteArray expected = titled;
    EXPECT_EQ(ReadFile(kSheet), expected.replace(" 5,07,30,,,", " 5,07,30,12,00,"));

    // The header deleted: IN and OUT on the 5th change the 5th's row alone.
    QByteArray headless = rows;
    headless.replace(" 5,07,30,,,", " 5,,,,,");
    WriteFile(kSheet, headless);
    form.reset();
    StartNamed();
    EXPECT_FALSE(form->State().ClockedIn);
    InAndOut();
    expected = headless;
    EXPECT_EQ(ReadFile(kSheet), expected.replace(" 5,,,,,", " 5,08,00,12,00,"));
    EXPECT_TRUE(messages.isEmpty());

    // No row of the 5th, or two: nothing is written, the person is told, the day stays open.
    QByteArray doubled = month;
    doubled.replace(" 6,,,,,", " 5,07,45,,,");
    QByteArray missing = month;
    missing.remove(missing.indexOf(" 5,"), 13);
    for (const QByteArray& sheet : {doubled, missing}) {
        WriteFile(kSheet, sheet);
        form.reset();
        messages.clear();
        StartNamed();
        EXPECT_FALSE(form->State().ClockedIn);
        InAndOut();
        EXPECT_TRUE(form->State().ClockedIn);
        EXPECT_EQ(ReadFile(kSheet), sheet);
        ASSERT_EQ(messages.size(), 2);
        for (const QString& message : messages) {
            EXPECT_TRUE(message.contains("5日の行") && message.contains(kSheet))
                << message.toStdString();
        }
    }
}

TEST_F(OddFiles, nameFilesAndSheetsReadBackInTheEncodingTheyWereSavedIn) {
    const QByteArray mark = "\xEF\xBB\xBF";
    const QByteArray yamada = "\xE5\xB1\xB1\xE7\x94\xB0";  // 山田 in UTF-8
    const QString sheetName = QStringLiteral("山田 17 7.csv");
    for (const QByteArray& nameFile : {yamada + "\r\n", mark + yamada + "\r\n"}) {
        WriteFile("omb.ini", nameFile);
        QFile::remove(Path(sheetName));
        form.reset();
        StartAndSettle();
        EXPECT_EQ(form->Label2->text(), QStringLiteral("山田"));
        InAndOut();
        // A new sheet is CP932 as always: 山田 in its header is 8E 52 93 63.
        const QByteArray sheet = ReadFile(sheetName);
        EXPECT_TRUE(sheet.contains("\x8E\x52\x93\x63\r\n")) << sheet.left(60).toHex().data();
        EXPECT_EQ(SheetRow(sheet, 5), " 5,08,00,12,00,");
    }

    // A sheet a spreadsheet saved as "CSV UTF-8": it goes back as UTF-8, with its mark.
    const QString header = QStringLiteral(" 7月／日,始業時,分,終業時,分,残業内容,ユーザー名,山田");
    QByteArray utf8 = mark + header.toUtf8() + "\r\n";
    for (int day = 1; day <= 31; ++day) {
        // Day 3's reasons cell holds 部, typed in the spreadsheet.
        const QByteArray row = day == 3 ? QByteArray(" 3,08,00,17,00,\xE9\x83\xA8")
                                        : " " + QByteArray::number(day) + ",,,,,";
        utf8 += row + "\r\n";
    }
    WriteFile(sheetName, utf8);
    form.reset();
    StartAndSettle();
    InAndOut();
    QByteArray expected = utf8;
    EXPECT_EQ(ReadFile(sheetName), expected.replace(" 5,,,,,", " 5,08,00,12,00,"));
    EXPECT_TRUE(messages.isEmpty());

    // A half-width name the clock wrote is valid UTF-8 too (ﾐｷ is D0 B7, "з"): the next start
    // still reads it as written, and the days go on into its own sheet.
    QFile::remove(Path("omb.ini"));
    form.reset();
    StartAndSettle();
    form->Text1->setText(QStringLiteral("ﾐｷ"));
    InAndOut();
    ASSERT_EQ(ReadFile("omb.ini"), "\xD0\xB7\r\n");
    today = today.addDays(1);
    At(7, 0);
    form.reset();
    StartAndSettle();
    EXPECT_EQ(form->Label2->text(), QStringLiteral("ﾐｷ"));
    InAndOut();
    EXPECT_EQ(SheetRow(ReadFile(QStringLiteral("ﾐｷ 17 7.csv")), 6), " 6,08,00,12,00,");
}

}  // namespace
