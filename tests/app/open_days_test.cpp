// Days across dates: a window left open overnight, a forgotten OUT, a second copy in the same
// folder, a month that turns, and a sheet edited while the window is open.
#include "app/colours.h"
#include "app/open_day_dialog.h"
#include "tests/support/form_fixture.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const char kJuly[] = "Taro 17 7.csv";

class OpenDays : public FormFixture {
protected:
    void On(int day, int hour, int minute) {
        clock.set(QDateTime(QDate(2017, 7, day), QTime(hour, minute)));
    }
    // A named window started on the given day at 07:00.
    Form1& StartOn(int day) {
        WriteFile("omb.ini", "Taro\r\n");
        On(day, 7, 0);
        return Start();
    }
    void In(Form1& window) { Click(window.Command1); }
    // A second window on the same folder, as a second copy of the program would be.
    std::unique_ptr<Form1> StartAnother() { return std::make_unique<Form1>(clock, folder.path()); }
    // OUT, and SAVE when the reasons opened.
    void Out(Form1& window) {
        Click(window.Command2);
        if (window.Command2->text() == "SAVE") {
            Click(window.Command2);
        }
    }
};

TEST_F(OpenDays, aWindowLeftOpenOvernightPutsEachDayOnItsOwnRow) {
    Form1& form = StartOn(4);
    On(4, 8, 0);
    In(form);
    On(4, 17, 0);
    Out(form);
    On(5, 8, 10);
    In(form);
    EXPECT_EQ(form.Label1->text(), "07/05");
    EXPECT_EQ(BackColour(form.Command2), ButtonFaceColour);
    On(5, 16, 30);
    Out(form);
    EXPECT_EQ(ReadFile(kJuly), Sheet({{4, " 4,08,00,17,00,"}, {5, " 5,08,10,16,30,"}}));
    EXPECT_EQ(questions, 0);
}

TEST_F(OpenDays, inOnALaterDateAsksWhenTheOpenDayEndedThenOpensTheNewDay) {
    Form1& form = StartOn(4);
    On(4, 8, 0);
    In(form);
    Click(form.Check2[5]);  // F, ticked on the 4th
    On(5, 8, 10);
    WhenAsked([](OpenDayDialog& dialog) {
        EXPECT_TRUE(dialog.isWindow());
        EXPECT_EQ(dialog.windowTitle(), "Ombrel");
        EXPECT_EQ(dialog.focusWidget(), dialog.TimeField);
        EXPECT_TRUE(dialog.ReasonChecks[5]->isChecked());
        QTest::keyClicks(dialog.TimeField, "1730");
        EXPECT_EQ(dialog.TimeField->text(), "17:30");
        QTest::mouseClick(dialog.ReasonChecks[1], Qt::LeftButton, {}, QPoint(6, 8));  // B
        QTest::keyClick(dialog.TimeField, Qt::Key_Return);
    });
    In(form);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(ReadFile(kJuly), Sheet({{4, " 4,08,00,17,30,FB"}, {5, " 5,08,10,,,"}}));
    // The new day starts clean: no reasons carried over, counted from the press.
    EXPECT_EQ(form.State().ReasonCodes, "");
    EXPECT_FALSE(form.Check2[5]->isChecked());
    EXPECT_EQ(form.State().StartSeconds, 29400.0f);
    EXPECT_TRUE(form.State().ClockedIn);
}

TEST_F(OpenDays, escapeLeavesTheRowAsItIsAndAsksNoMoreAboutIt) {
    Form1& form = StartOn(4);
    On(4, 8, 0);
    In(form);
    On(5, 8, 10);
    WhenAskedEscape();
    In(form);
    EXPECT_EQ(questions, 1);
    On(5, 16, 0);
    Out(form);
    In(form);
    Click(form.Command3);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(ReadFile(kJuly), Sheet({{4, " 4,08,00,,,"}, {5, " 5,08,10,16,00,"}}));
}

TEST_F(OpenDays, anEndTimeNotAfterTheInTimeIsRefusedAndTheQuestionStays) {
    WriteFile(kJuly, Sheet({{4, " 4,08,00,,,"}}));
    Form1& form = StartOn(5);
    WhenAsked([](OpenDayDialog& dialog) {
        for (const char* wrong : {"0800", "0730", "2561"}) {
            dialog.TimeField->clear();
            QTest::keyClicks(dialog.TimeField, wrong);
            QTest::keyClick(dialog.TimeField, Qt::Key_Return);
            EXPECT_TRUE(dialog.isVisible()) << wrong;
            EXPECT_TRUE(dialog.Problem->isVisible());
        }
        EXPECT_TRUE(dialog.Problem->text().contains("2430"))
            << dialog.Problem->text().toStdString();
        dialog.TimeField->clear();
        QTest::keyClicks(dialog.TimeField, "0730");
        QTest::keyClick(dialog.TimeField, Qt::Key_Return);
        // Before the in-time: the next morning's reading is offered as a hint, not taken.
        EXPECT_TRUE(dialog.Problem->text().contains("08:00"));
        EXPECT_TRUE(dialog.Problem->text().contains("3130"))
            << dialog.Problem->text().toStdString();
        dialog.TimeField->clear();
        QTest::keyClicks(dialog.TimeField, "0801");
        QTest::keyClick(dialog.TimeField, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    });
    On(5, 8, 5);
    In(form);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(SheetRow(ReadFile(kJuly), 4), " 4,08,00,08,01,");
}

TEST_F(OpenDays, aForgottenOutIsAskedAtTheFirstInOfTheNextStart) {
    WriteFile(kJuly, Sheet({{3, " 3,08,00,17,00,A"}, {4, " 4,08,00,,,"}}));
    Form1& form = StartOn(5);
    EXPECT_EQ(questions, 0);  // start-up asks nothing
    WhenAskedType("1645");
    On(5, 8, 5);
    In(form);
    In(form);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(ReadFile(kJuly),
              Sheet({{3, " 3,08,00,17,00,A"}, {4, " 4,08,00,16,45,"}, {5, " 5,08,05,,,"}}));
}

TEST_F(OpenDays, theMonthTurnsWithTheWindowOpenAndEachMonthKeepsItsSheet) {
    Form1& form = StartOn(31);
    On(31, 22, 0);
    In(form);
    clock.set(QDateTime(QDate(2017, 8, 1), QTime(7, 50)));
    WhenAskedType("2330");
    In(form);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(form.Label1->text(), "08/01");
    EXPECT_EQ(ReadFile(kJuly), Sheet({{31, " 31,22,00,23,30,"}}));
    const QByteArray august = ReadFile("Taro 17 8.csv");
    EXPECT_TRUE(august.startsWith(" 8\x8c\x8e"));  // " 8月"
    EXPECT_EQ(SheetRow(august, 1), " 1,07,50,,,");
    EXPECT_EQ(august.count("\r\n"), 32);
}

TEST_F(OpenDays, aForgottenOutOfLastMonthIsFoundWhenThisMonthHasNoneBefore) {
    WriteFile("Taro 17 6.csv", Sheet({{29, " 29,08,00,17,00,"}, {30, " 30,07,55,,,"}}));
    WriteFile("omb.ini", "Taro\r\n");
    clock.set(QDateTime(QDate(2017, 7, 1), QTime(8, 0)));
    Start();
    WhenAskedType("1800");
    Click(form->Command1);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(SheetRow(ReadFile("Taro 17 6.csv"), 30), " 30,07,55,18,00,");
    EXPECT_EQ(SheetRow(ReadFile(kJuly), 1), " 1,08,00,,,");
}

TEST_F(OpenDays, outSaveAndCloseOnALaterDateAskWhenTheDayEndedInsteadOfTakingTheClocksTime) {
    // Left open overnight, then OUT, SAVE or × the next morning: the clock's 07:40 is no end
    // of the 5th. Each asks; Return records the answer, Escape leaves the row as it is.
    struct Case {
        const char* press;
        bool answered;
        QByteArray row;
    };
    const Case cases[] = {
        {"OUT", true, " 5,08,00,17,30,"}, {"SAVE", true, " 5,08,00,17,30,A"},
        {"×", true, " 5,08,00,17,30,"},   {"OUT", false, " 5,08,00,,,"},
        {"×", false, " 5,08,00,,,"},
    };
    for (const Case& c : cases) {
        const std::string what = std::string(c.press) + (c.answered ? " answered" : " escaped");
        QFile::remove(Path(kJuly));
        questions = 0;
        Form1& form = StartOn(5);
        On(5, 8, 0);
        In(form);
        QAbstractButton* press = c.press == std::string("×") ? form.Command3 : form.Command2;
        if (c.press == std::string("SAVE")) {
            On(5, 17, 0);
            Click(form.Command2);  // the reasons open
            Click(form.Check2[0]);
        }
        On(6, 7, 40);
        if (c.answered) {
            WhenAskedType("1730");
        } else {
            WhenAskedEscape();
        }
        Click(press);
        EXPECT_EQ(questions, 1) << what;
        EXPECT_FALSE(form.State().ClockedIn) << what;
        EXPECT_EQ(form.isVisible(), press != form.Command3) << what;
        EXPECT_EQ(SheetRow(ReadFile(kJuly), 5), c.row) << what;
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(OpenDays, aSecondCopyInTheFolderAndTheFirstOneClosingKeepEachOthersRows) {
    Form1& first = StartOn(4);
    On(4, 8, 0);
    In(first);
    On(5, 8, 5);
    auto second = StartAnother();
    WhenAskedEscape();  // the second copy finds the 4th open too; the first one still holds it
    In(*second);
    On(5, 16, 0);
    Out(*second);
    On(5, 16, 10);
    WhenAskedType("1700");
    Click(first.Command3);
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(ReadFile(kJuly), Sheet({{4, " 4,08,00,17,00,"}, {5, " 5,08,05,16,00,"}}));
}

TEST_F(OpenDays, aDayClosedByAnotherCopyKeepsItsEndAtCloseAndOutAsksBeforeReplacingIt) {
    Form1& first = StartOn(5);
    On(5, 8, 0);
    In(first);
    // The same person's clock on another PC closes the day, with reasons A and B.
    On(5, 17, 1);
    auto second = StartAnother();
    Click(second->Command2);
    Click(second->Check2[0]);
    Click(second->Check2[1]);
    Click(second->Command2);
    const QByteArray closed = Sheet({{5, " 5,08,00,17,01,AB"}});
    ASSERT_EQ(ReadFile(kJuly), closed);
    // The first one closed with ×: the row stays as the other left it, and nothing is asked.
    On(5, 17, 30);
    Tick();
    Click(first.Command3);
    EXPECT_FALSE(first.isVisible());
    EXPECT_EQ(ReadFile(kJuly), closed);

    // Its OUT instead asks, showing both: Escape keeps the sheet's, Return puts in its own.
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        WriteFile(kJuly, Sheet({{5, " 5,08,00,,,"}}));
        On(5, 15, 0);
        Form1& window = Start();
        WriteFile(kJuly, closed);
        On(5, 16, 0);
        WhenAskedToReplace(key);
        Click(window.Command2);
        EXPECT_FALSE(window.State().ClockedIn);
        EXPECT_EQ(ReadFile(kJuly),
                  key == Qt::Key_Escape ? closed : Sheet({{5, " 5,08,00,16,00,"}}));
    }
    // Left open overnight instead: the next day's IN asks nothing about a day closed elsewhere.
    WriteFile(kJuly, Sheet({{5, " 5,08,00,,,"}}));
    On(5, 15, 0);
    Form1& overnight = Start();
    WriteFile(kJuly, closed);
    On(6, 8, 0);
    In(overnight);
    EXPECT_EQ(ReadFile(kJuly), Sheet({{5, " 5,08,00,17,01,AB"}, {6, " 6,08,00,,,"}}));
    EXPECT_EQ(questions, 2);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(OpenDays, rowsChangedOnDiskWhileTheDayIsOpenAreKeptAndACorrectedInTimeWins) {
    Form1& form = StartOn(5);
    On(5, 8, 30);
    In(form);
    // Corrected in a spreadsheet meanwhile: yesterday's end, and today's in-time typed late.
    WriteFile(kJuly, Sheet({{4, " 4,08,00,18,15,B"}, {5, " 5,07,45,,,"}}));
    On(5, 16, 0);
    Out(form);
    EXPECT_EQ(ReadFile(kJuly), Sheet({{4, " 4,08,00,18,15,B"}, {5, " 5,07,45,16,00,"}}));
    EXPECT_EQ(form.State().StartSeconds, 27900.0f);
}

}  // namespace
