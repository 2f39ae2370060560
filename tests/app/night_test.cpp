// A night's work past midnight: the question on the next date offers the moment as an hour past
// 24, the row of the day it began keeps it, and the month window counts it as one stay.
#include "app/clock_menu.h"
#include "app/colours.h"
#include "app/month_window.h"
#include "app/open_day_dialog.h"
#include "tests/support/form_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

const char kJuly[] = "Taro 17 7.csv";

class Night : public FormFixture {
protected:
    void On(int day, int hour, int minute) {
        clock.set(QDateTime(QDate(2017, 7, day), QTime(hour, minute)));
    }
    // IN at 08:00 on the 5th.
    Form1& InOnTheFifth() {
        WriteFile("omb.ini", "Taro\r\n");
        On(5, 7, 0);
        Form1& form = Start();
        On(5, 8, 0);
        Click(form.Command1);
        return form;
    }
};

TEST_F(Night, outSaveAndCloseAfterMidnightOfferTheHourPast24AndReturnSavesIt) {
    struct Case {
        const char* press;
        QByteArray row;
    };
    for (const Case& c : {Case{"OUT", " 5,08,00,24,30,"}, Case{"SAVE", " 5,08,00,24,30,C"},
                          Case{"×", " 5,08,00,24,30,"}}) {
        QFile::remove(Path(kJuly));
        questions = 0;
        Form1& form = InOnTheFifth();
        if (c.press == std::string("SAVE")) {
            On(5, 20, 0);
            Click(form.Command2);
            Click(form.Check2[2]);  // C
        }
        // The tick counts on across midnight: 16:30 at school, 15:45 worked.
        On(6, 0, 30);
        Tick();
        EXPECT_EQ(form.State().ElapsedSeconds, 16.5f * 3600 - 2700) << c.press;
        EXPECT_EQ(BackColour(form.Label2), 255u) << c.press;  // red: 14:45 to 15:45 worked
        QString offered;
        WhenAsked([&offered](OpenDayDialog& dialog) {
            offered = dialog.TimeField->selectedText();
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        });
        Click(c.press == std::string("×") ? form.Command3 : form.Command2);
        EXPECT_EQ(questions, 1) << c.press;
        EXPECT_EQ(offered, "24:30") << c.press;
        EXPECT_EQ(SheetRow(ReadFile(kJuly), 5), c.row) << c.press;
        EXPECT_EQ(SheetRow(ReadFile(kJuly), 6), " 6,,,,,") << c.press;
        EXPECT_FALSE(form.State().ClockedIn);
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Night, zeroThirtyIsRefusedWithAHintAndADayLaterIsAskedWithoutAnOffer) {
    Form1& form = InOnTheFifth();
    On(6, 8, 30);  // more than a day after the in-time: nothing is offered
    WhenAsked([](OpenDayDialog& dialog) {
        EXPECT_EQ(dialog.TimeField->text(), ":");
        QTest::keyClicks(dialog.TimeField, "0030");
        QTest::keyClick(dialog.TimeField, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(dialog.Problem->text().contains("2430"))
            << dialog.Problem->text().toStdString();
        dialog.TimeField->clear();
        QTest::keyClicks(dialog.TimeField, "3215");
        QTest::keyClick(dialog.TimeField, Qt::Key_Return);
        EXPECT_TRUE(dialog.Problem->text().contains("24 時間以内"))
            << dialog.Problem->text().toStdString();
        dialog.TimeField->clear();
        QTest::keyClicks(dialog.TimeField, "2615");
        QTest::keyClick(dialog.TimeField, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    });
    Click(form.Command2);
    EXPECT_EQ(SheetRow(ReadFile(kJuly), 5), " 5,08,00,26,15,");
}

TEST_F(Night, theMonthWindowCountsTheNightAsOneStayIntoTheMorning) {
    WriteFile("omb.ini", "Taro\r\n");
    WriteFile(kJuly, Sheet({{5, " 5,08,00,24,30,A"}}));
    On(7, 9, 0);
    Form1& form = Start();
    form.Menu().MonthRecord->trigger();
    const QTableWidget* days = form.Menu().Month()->Days;
    // Date, kind, in, out, at school, overtime, band, reasons, note.
    EXPECT_EQ(days->item(4, 2)->text(), "08:00");
    EXPECT_EQ(days->item(4, 3)->text(), "24:30");
    EXPECT_EQ(days->item(4, 4)->text(), "15:45");  // 16:30 less the break
    EXPECT_EQ(days->item(4, 5)->text(), "8:00");
    EXPECT_TRUE(form.Menu().Month()->LookButtons.isEmpty());
    EXPECT_TRUE(form.Menu().Month()->MonthLine->text().contains("8:00"));
}

}  // namespace
