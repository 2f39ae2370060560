// A working day through the window: IN, ticks, OUT with reasons, break and close.
#include "app/colours.h"
#include "records/name_file.h"
#include "tests/support/form_fixture.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const char kSheet[] = "Taro 17 7.csv";

class WorkingDay : public FormFixture {
protected:
    // A named window started at 07:00 whose IN is pressed at the given time.
    Form1& ClockIn(int hour, int minute, int second = 0) {
        WriteFile("omb.ini", "Taro\r\n");
        Start();
        At(hour, minute, second);
        Click(form->Command1);
        return *form;
    }
    QByteArray TodayOnDisk() const { return SheetRow(ReadFile(kSheet), 5); }
};

TEST_F(WorkingDay, freshInCountsFromThePressAndPutsTheInTimeOnDiskAtOnce) {
    Form1& form = ClockIn(8, 5, 30);
    EXPECT_TRUE(form.State().ClockedIn);
    EXPECT_TRUE(form.Timer1->isActive());
    EXPECT_EQ(BackColour(form.Command1), ActiveButtonColour);
    EXPECT_EQ(form.Label1->text(), "07/05");
    EXPECT_EQ(form.Label2->text(), "08:05:30");
    // Started at 07:00, pressed at 08:05:30: the day counts from the press.
    EXPECT_EQ(form.State().StartSeconds, 29130.0f);
    EXPECT_EQ(ReadFile("temp1.txt"), QByteArray(" 29130 \r\n"));
    // A power cut now still leaves today's in-time in the sheet.
    const QByteArray sheet = ReadFile(kSheet);
    EXPECT_EQ(sheet, Sheet({{5, " 5,08,05,,,"}}));
    EXPECT_EQ(sheet.count("\r\n"), 32);
}

TEST_F(WorkingDay, inAsksForANameOverThePromptAndRefusesANameThatCannotBeStored) {
    Start();
    Click(form->Command1);
    EXPECT_FALSE(form->Timer1->isActive());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "名前を入力してから IN を押してください。");
    EXPECT_EQ(form->focusWidget(), form->Text1);
    EXPECT_EQ(form->Text1->selectedText(), Form1::kPromptText);
    // A spreadsheet runs a cell starting with =, +, - or @ (or a tab) as a formula: the name stands
    // alone in a cell of every sheet's header.
    for (const QString& name :
         {QStringLiteral("=1+2"), QStringLiteral("+81 Taro"), QStringLiteral("-Taro"),
          QStringLiteral("@Taro"), QStringLiteral("\tTaro"), QStringLiteral("../Taro"),
          QStringLiteral("Ta:ro"), QStringLiteral("Taro?"), QStringLiteral("たろう😀")}) {
        messages.clear();
        form->Text1->setText(name);
        Click(form->Command1);
        EXPECT_FALSE(form->State().ClockedIn) << name.toStdString();
        EXPECT_FALSE(form->Timer1->isActive());
        EXPECT_TRUE(form->Text1->isVisibleTo(form.get()));
        ASSERT_EQ(messages.size(), 1) << name.toStdString();
        EXPECT_TRUE(messages[0].contains(QStringLiteral("名前"))) << messages[0].toStdString();
    }
    EXPECT_TRUE(messages.last().contains(QStringLiteral("U+1F600")));
    EXPECT_TRUE(FilesInFolder().isEmpty());
    EXPECT_TRUE(QDir(folder.path() + "/..").entryList({"Taro*"}).isEmpty());
}

// The prompt is the box's text, not a placeholder: a click into it, or Tab, selects it whole, so
// the name typed replaces it; once it is changed, a click places the cursor as usual.
TEST_F(WorkingDay, aClickOrTabIntoThePromptSelectsItAndTheTypedNameReplacesIt) {
    Start();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const QPoint inWord(form->Text1->width() / 2, form->Text1->height() / 2);
    QTest::mouseClick(form->Text1, Qt::LeftButton, {}, inWord);
    EXPECT_EQ(form->focusWidget(), form->Text1);
    EXPECT_EQ(form->Text1->selectedText(), Form1::kPromptText);
    QTest::mouseDClick(form->Text1, Qt::LeftButton, {}, inWord);
    EXPECT_EQ(form->Text1->selectedText(), Form1::kPromptText) << "one word of it selected";

    form->Command3->setFocus();
    QTest::keyClick(form->Command3, Qt::Key_Tab);
    ASSERT_EQ(form->focusWidget(), form->Text1);
    EXPECT_EQ(form->Text1->selectedText(), Form1::kPromptText);

    form->Command1->setFocus();
    QTest::mouseClick(form->Text1, Qt::LeftButton, {}, inWord);
    QTest::keyClicks(form->Text1, QStringLiteral("Taro"));
    EXPECT_EQ(form->Text1->text(), "Taro");
    QTest::mouseClick(form->Text1, Qt::LeftButton, {}, QPoint(2, inWord.y()));
    EXPECT_FALSE(form->Text1->hasSelectedText());
    EXPECT_EQ(form->Text1->cursorPosition(), 0);

    At(8, 0);
    Click(form->Command1);
    EXPECT_EQ(ReadFile("omb.ini"), QByteArray("Taro\r\n"));
    QStringList files = FilesInFolder();
    files.sort();
    EXPECT_EQ(files, QStringList({"Taro 17 7.csv", "omb.ini", "temp1.txt"}));
}

TEST_F(WorkingDay, firstInWritesTheNameFileOnceAndAnEmptyNameIsAName) {
    Start();
    form->Text1->setText(QString());
    At(8, 0);
    Click(form->Command1);
    EXPECT_EQ(ReadFile("omb.ini"), QByteArray("\r\n"));
    EXPECT_TRUE(Exists(" 17 7.csv"));
    EXPECT_TRUE(form->State().ClockedIn);
}

TEST_F(WorkingDay, tickPaintsTheBandOfTheWorkedTime) {
    Form1& form = ClockIn(8, 0);  // break ticked: 2700 s come off
    struct Step {
        int hour, minute, second;
        quint32 back, fore;
    };
    const Step steps[] = {
        {16, 30, 0, 16776960, 0},  // 7:45:00 worked
        {16, 30, 1, 16763904, 0},  // 7:45:01
        {22, 30, 1, 16711935, 65535},
        {23, 59, 59, 255, 65535},
    };
    for (const Step& s : steps) {
        At(s.hour, s.minute, s.second);
        Tick();
        EXPECT_EQ(BackColour(form.Label2), s.back) << s.hour << ":" << s.minute;
        EXPECT_EQ(ForeColour(form.Label2), s.fore) << s.hour << ":" << s.minute;
    }
    EXPECT_EQ(form.Label2->text(), "23:59:59");
    Click(form.Check1);  // no break: past 15:45 worked
    Tick();
    EXPECT_EQ(BackColour(form.Label2), 0u);
    EXPECT_EQ(ForeColour(form.Label2), 65535u);
    // Past midnight the worked time turns negative; below -7:45 nothing is painted and the
    // label keeps its colours.
    At(0, 14);
    Tick();
    EXPECT_EQ(form.State().ElapsedSeconds, -27960.0f);
    EXPECT_EQ(BackColour(form.Label2), 0u);
    EXPECT_EQ(form.Label2->text(), "00:14:00");
    At(0, 30);
    Tick();
    EXPECT_EQ(BackColour(form.Label2), 16776960u);
}

TEST_F(WorkingDay, breakToggleMovesTheWorkedTimeOfTheWholeDay) {
    Form1& form = ClockIn(8, 0);
    At(16, 0);
    Tick();
    EXPECT_EQ(form.State().ElapsedSeconds, 8 * 3600 - 2700);
    Click(form.Check1);
    EXPECT_EQ(form.Check1->text(), QStringLiteral("休憩ナシ"));
    EXPECT_FALSE(form.Check1->isChecked());
    Tick();
    EXPECT_EQ(form.State().ElapsedSeconds, 8 * 3600);
    Click(form.Check1);
    EXPECT_EQ(form.Check1->text(), QStringLiteral("休憩アリ"));
    EXPECT_TRUE(form.Check1->isChecked());
}

TEST_F(WorkingDay, outWithinTheRegularDaySavesAtOnce) {
    Form1& form = ClockIn(8, 30);
    At(16, 59, 59);  // 7:44:59 worked
    Click(form.Command2);
    EXPECT_EQ(form.Command2->text(), "OUT");
    EXPECT_EQ(form.HeightTwips(), 900);
    EXPECT_FALSE(form.State().ClockedIn);
    EXPECT_EQ(BackColour(form.Command2), ActiveButtonColour);
    EXPECT_EQ(TodayOnDisk(), " 5,08,30,16,59,");
    // A second OUT has no open day to save.
    const QByteArray saved = ReadFile(kSheet);
    At(17, 30);
    Click(form.Command2);
    EXPECT_EQ(ReadFile(kSheet), saved);
}

TEST_F(WorkingDay, overtimeAsksForReasonsAndSaveRecordsTheSavePress) {
    Form1& form = ClockIn(8, 30);
    At(18, 5, 40);
    Click(form.Command2);
    EXPECT_EQ(form.Command2->text(), "SAVE");
    EXPECT_EQ(form.HeightTwips(), 3700);
    EXPECT_TRUE(form.State().ClockedIn);
    EXPECT_EQ(TodayOnDisk(), " 5,08,30,,,");

    Click(form.Check2[0]);   // A
    Click(form.Check2[1]);   // B
    Click(form.Check2[0]);   // A off again
    Click(form.Check2[6]);   // H
    Click(form.Check2[10]);  // K
    EXPECT_EQ(form.State().ReasonCodes, "BHK");

    At(18, 7, 2);
    Click(form.Command2);
    EXPECT_EQ(form.Command2->text(), "OUT");
    EXPECT_EQ(form.HeightTwips(), 1000);
    EXPECT_FALSE(form.State().ClockedIn);
    EXPECT_EQ(TodayOnDisk(), " 5,08,30,18,07,BHK");
    // The ticks go on after OUT.
    At(18, 8);
    Tick();
    EXPECT_EQ(form.Label2->text(), "18:08:00");
}

TEST_F(WorkingDay, thresholdIsMoreThanSevenFortyFiveWorked) {
    Form1& form = ClockIn(8, 0);
    At(16, 30, 0);  // 27900 s with the break
    Click(form.Command2);
    EXPECT_EQ(form.Command2->text(), "OUT");
    EXPECT_EQ(TodayOnDisk(), " 5,08,00,16,30,");
}

TEST_F(WorkingDay, inAfterOutReopensTheDayWithItsInTime) {
    Form1& form = ClockIn(8, 30);
    At(12, 0);
    Click(form.Command2);
    ASSERT_EQ(TodayOnDisk(), " 5,08,30,12,00,");
    At(13, 0);
    Click(form.Command1);
    EXPECT_TRUE(form.State().ClockedIn);
    EXPECT_EQ(form.State().StartSeconds, 30600.0f);
    EXPECT_EQ(form.State().InHour, "08");
    At(16, 0);
    Click(form.Command2);
    EXPECT_EQ(TodayOnDisk(), " 5,08,30,16,00,");
    EXPECT_EQ(ReadFile("temp1.txt"), QByteArray(" 30600 \r\n"));
}

TEST_F(WorkingDay, aSheetThatCannotBeReadOrWrittenIsNeverOverwrittenAndTheDayStaysOpen) {
    WriteFile("omb.ini", "Taro\r\n");
    // A folder where the sheet should be: it can be neither read nor replaced.
    ASSERT_TRUE(QDir(folder.path()).mkdir(kSheet));
    Start();
    At(8, 0);
    Click(form->Command1);
    EXPECT_TRUE(form->State().ClockedIn);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(kSheet)) << messages[0].toStdString();

    At(12, 0);
    Click(form->Command2);
    EXPECT_EQ(messages.size(), 2);
    EXPECT_TRUE(form->State().ClockedIn);
    EXPECT_EQ(BackColour(form->Command2), ButtonFaceColour);

    // Closing asks first; the default answer keeps the window and the day.
    answer = QMessageBox::No;
    Click(form->Command3);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->State().ClockedIn);

    // Once the sheet can be read, the next OUT puts today's row into it and keeps the others.
    ASSERT_TRUE(QDir(folder.path()).rmdir(kSheet));
    WriteFile(kSheet, Sheet({{3, " 3,08,10,17,20,AB"}}));
    At(12, 1);
    Click(form->Command2);
    EXPECT_FALSE(form->State().ClockedIn);
    EXPECT_EQ(ReadFile(kSheet), Sheet({{3, " 3,08,10,17,20,AB"}, {5, " 5,08,00,12,01,"}}));
}

TEST_F(WorkingDay, nameFileThatCannotBeCreatedDoesNotStopIn) {
    // A working folder that is gone: nothing can be written, the day opens all the same.
    const QString path = MissingFolder();
    Start(path);
    form->Text1->setText("Taro");
    At(8, 0);
    form->Command1_Click();
    EXPECT_TRUE(form->State().ClockedIn);
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(WorkingDay, closeSavesClearsTheReasonsAndRemovesTheStartTimeFile) {
    Form1& form = ClockIn(8, 0);
    At(19, 0);
    Click(form.Command2);
    Click(form.Check2[2]);  // C
    Click(form.Check2[8]);  // I
    At(19, 10, 30);
    Tick();  // the close records what the label shows
    Click(form.Command3);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(TodayOnDisk(), " 5,08,00,19,10,CI");
    EXPECT_FALSE(Exists("temp1.txt"));
    for (QCheckBox* box : form.Check2) {
        EXPECT_FALSE(box->isChecked());
    }
}

TEST_F(WorkingDay, closeWithNoOpenDayWritesNothing) {
    WriteFile("omb.ini", "Taro\r\n");
    WriteFile("temp1.txt", " 1 \r\n");
    Start();
    Click(form->Command3);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(FilesInFolder(), QStringList{"omb.ini"});
}

}  // namespace

namespace {

class WorkingDayEdges : public WorkingDay {};

TEST_F(WorkingDayEdges, inOnARowThatAlreadyHoldsTheDayCarriesItOnUntouched) {
    // Started without a name, so nothing resumed; the name typed finds today's record.
    WriteFile(kSheet, Sheet({{5, " 5,08,05,17,45,AB"}}));
    const QByteArray before = ReadFile(kSheet);
    Start();
    form->Text1->setText("Taro");
    At(19, 0);
    Click(form->Command1);
    EXPECT_TRUE(form->State().ClockedIn);
    EXPECT_EQ(form->State().StartSeconds, 29100.0f);
    EXPECT_EQ(form->State().ReasonCodes, "AB");
    EXPECT_EQ(ReadFile(kSheet), before);
    EXPECT_FALSE(Exists("temp1.txt"));
}

TEST_F(WorkingDayEdges, anEarlierInTimeOnASheetThatWasLockedAtInStands) {
    WriteFile("omb.ini", "Taro\r\n");
    ASSERT_TRUE(QDir(folder.path()).mkdir(kSheet));
    Start();
    At(9, 0);
    Click(form->Command1);
    ASSERT_TRUE(QDir(folder.path()).rmdir(kSheet));
    WriteFile(kSheet, Sheet({{5, " 5,07,50,,,"}}));
    At(12, 0);
    Click(form->Command2);
    EXPECT_EQ(TodayOnDisk(), " 5,07,50,12,00,");
}

TEST_F(WorkingDayEdges, aSheetThatTurnsUpAfterABlankMonthIsReadInNotOverwritten) {
    // The folder is gone at IN (a network share that dropped): the day opens on a blank month.
    const QString path = MissingFolder();
    Start(path);
    form->Text1->setText("Taro");
    At(8, 0);
    form->Command1_Click();
    ASSERT_EQ(messages.size(), 1);
    // The share is back, with the month recorded so far.
    ASSERT_TRUE(QDir().mkpath(path));
    QFile sheet(path + "/" + kSheet);
    ASSERT_TRUE(sheet.open(QIODevice::WriteOnly));
    sheet.write(Sheet({{3, " 3,08,10,17,20,AB"}}));
    sheet.close();
    At(12, 0);
    form->Command2_Click();
    EXPECT_FALSE(form->State().ClockedIn);
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    EXPECT_EQ(sheet.readAll(), Sheet({{3, " 3,08,10,17,20,AB"}, {5, " 5,08,00,12,00,"}}));
    QDir(path).removeRecursively();
}

TEST_F(WorkingDayEdges, oneSecondPastSevenFortyFiveOpensTheReasons) {
    Form1& form = ClockIn(8, 0);
    At(16, 30, 1);
    Click(form.Command2);
    EXPECT_EQ(form.Command2->text(), "SAVE");
    EXPECT_EQ(form.HeightTwips(), 3700);
}

TEST_F(WorkingDayEdges, aFailedSaveKeepsTheReasonsOpenAndCloseCanStillBeForced) {
    Form1& form = ClockIn(8, 0);
    At(19, 0);
    Click(form.Command2);
    QFile::remove(Path(kSheet));
    ASSERT_TRUE(QDir(folder.path()).mkdir(kSheet));  // now nothing can replace the sheet
    Click(form.Command2);
    EXPECT_EQ(form.Command2->text(), "SAVE");
    EXPECT_EQ(form.HeightTwips(), 3700);
    EXPECT_TRUE(form.State().ClockedIn);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(kSheet)) << messages[0].toStdString();

    answer = QMessageBox::Yes;
    Click(form.Command3);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(Exists("temp1.txt"));
}

TEST_F(WorkingDayEdges, inTwiceOnlyRefreshesTheLabelsAndTheNameFileIsWrittenOnce) {
    Start();
    form->Text1->setText(QStringLiteral("髙橋"));
    WriteFile("temp1.txt", " 1 \r\n");  // left over from an earlier run
    At(8, 0);
    Click(form->Command1);
    EXPECT_EQ(ReadFile("omb.ini"), QByteArray::fromHex("FBFC8BB40D0A"));
    EXPECT_EQ(ReadFile("temp1.txt"), QByteArray(" 28800 \r\n"));
    const QByteArray sheet = ReadFile(QStringLiteral("髙橋 17 7.csv"));
    form->Text1->setText("Jiro");
    At(9, 30);
    Click(form->Command1);
    EXPECT_EQ(form->Label2->text(), "09:30:00");
    EXPECT_EQ(form->State().StartSeconds, 28800.0f);
    EXPECT_EQ(ReadFile("omb.ini"), QByteArray::fromHex("FBFC8BB40D0A"));
    EXPECT_EQ(ReadFile(QStringLiteral("髙橋 17 7.csv")), sheet);
}

TEST_F(WorkingDayEdges, theLongestNameASaveCanWriteIsTakenAndOneByteMoreIsRefusedAtIn) {
    // 230 bytes: with " 99 12.csv" and what a save adds for its temporary file, 255.
    const QString longest(230, QLatin1Char('n'));
    const QString sheet = longest + QStringLiteral(" 17 7.csv");
    Start();
    form->Text1->setText(longest);
    At(8, 0);
    Click(form->Command1);
    EXPECT_EQ(SheetRow(ReadFile(sheet), 5), " 5,08,00,,,");
    At(12, 0);
    Click(form->Command2);
    EXPECT_EQ(SheetRow(ReadFile(sheet), 5), " 5,08,00,12,00,");
    At(13, 0);
    Click(form->Command1);
    At(14, 0);
    Tick();
    Click(form->Command3);
    EXPECT_EQ(SheetRow(ReadFile(sheet), 5), " 5,08,00,14,00,");
    EXPECT_TRUE(messages.isEmpty());

#ifdef Q_OS_WIN
    // Windows counts a name in UTF-16 units: 230 あ, 690 bytes, are taken as 230 n are. (No sheet
    // of that name is written here: Wine keeps files on a Linux file system, 255 bytes a name.)
    EXPECT_EQ(NameProblem(QString(230, QChar(0x3042))), QString());
    const QString tooLongInJapanese(231, QChar(0x3042));
#else
    const QString tooLongInJapanese(120, QChar(0x3042));  // 360 bytes
#endif
    for (const QString& name : {longest + QLatin1Char('n'), tooLongInJapanese}) {
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
        Start();
        form->Text1->setText(name);
        Click(form->Command1);
        EXPECT_FALSE(form->State().ClockedIn);
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(FilesInFolder().isEmpty());
        messages.clear();
    }
}

TEST_F(WorkingDayEdges, aClockSetBackBeforeTheInTimeIsRefusedAtOutAndSave) {
    Form1& form = ClockIn(8, 0);
    At(7, 5);  // set back an hour: a wrong time fixed, a time server
    Click(form.Command2);
    EXPECT_TRUE(form.State().ClockedIn);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("終業時刻は始業時刻 08:00 より後にしてください。"))
        << messages[0].toStdString();
    Tick();
    EXPECT_EQ(form.Label2->text(), "07:05:00");  // the label goes on

    At(17, 0);
    Click(form.Command2);  // the reasons open
    At(7, 30);
    Click(form.Command2);
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(form.Command2->text(), "SAVE");
    EXPECT_TRUE(form.State().ClockedIn);
    EXPECT_EQ(TodayOnDisk(), " 5,08,00,,,");

    // Set back a day: the date is what is wrong, and the message says so.
    clock.set(QDateTime(today.addDays(-1), QTime(17, 0)));
    Click(form.Command2);
    ASSERT_EQ(messages.size(), 3);
    EXPECT_TRUE(
        messages[2].startsWith("パソコンの日付が 7月4日(火) になっていて、始業した "
                               "7月5日(水) より前のため"))
        << messages[2].toStdString();
    EXPECT_EQ(TodayOnDisk(), " 5,08,00,,,");
}

}  // namespace
