// Start-up on a day whose row already holds an in-time.
#include "app/colours.h"
#include "tests/support/form_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

class Resume : public FormFixture {
protected:
    Form1& StartWithToday(const QByteArray& row) {
        WriteFile("omb.ini", "Taro\r\n");
        WriteFile("Taro 17 7.csv", Sheet({{5, row}}));
        At(12, 0, 10);
        return Start();
    }
};

TEST_F(Resume, anOpenRowCarriesTheDayOnWithItsReasons) {
    Form1& form = StartWithToday(" 5,08,05,,,AB");
    EXPECT_TRUE(form.State().ClockedIn);
    EXPECT_EQ(form.State().StartSeconds, 29100.0f);
    EXPECT_EQ(form.State().InHour, "08");
    EXPECT_EQ(form.State().InMinute, "05");
    EXPECT_TRUE(form.Timer1->isActive());
    EXPECT_FALSE(form.Text1->isVisibleTo(&form));
    EXPECT_EQ(form.Label1->text(), "07/05");
    EXPECT_EQ(form.Label2->text(), "12:00:10");
    EXPECT_EQ(BackColour(form.Command1), ActiveButtonColour);
    EXPECT_EQ(BackColour(form.Command2), ButtonFaceColour);
    // The letters are there once, with their boxes ticked.
    EXPECT_EQ(form.State().ReasonCodes, "AB");
    EXPECT_TRUE(form.Check2[0]->isChecked());
    EXPECT_TRUE(form.Check2[1]->isChecked());
    EXPECT_FALSE(form.Check2[2]->isChecked());
    EXPECT_EQ(form.State().SheetLines[5].text(), " 5,08,05,,,AB");
    // Nothing is written by start-up.
    EXPECT_FALSE(Exists("temp1.txt"));

    At(16, 0, 3);
    Click(form.Command2);
    EXPECT_EQ(SheetRow(ReadFile("Taro 17 7.csv"), 5), " 5,08,05,16,00,AB");
}

TEST_F(Resume, aClosedRowComesBackClosedAndCloseKeepsItsEndTime) {
    Form1& form = StartWithToday(" 5,08,05,17,45,AB");
    const QByteArray before = ReadFile("Taro 17 7.csv");
    EXPECT_FALSE(form.State().ClockedIn);
    EXPECT_TRUE(form.Timer1->isActive());
    EXPECT_EQ(BackColour(form.Command1), ActiveButtonColour);
    EXPECT_EQ(BackColour(form.Command2), ActiveButtonColour);
    EXPECT_EQ(form.State().StartSeconds, 29100.0f);

    At(20, 0);
    Click(form.Command3);
    EXPECT_EQ(ReadFile("Taro 17 7.csv"), before);
}

TEST_F(Resume, inOnAClosedDayReopensItAndTheNextOutRecordsTheNewEnd) {
    Form1& form = StartWithToday(" 5,08,05,17,45,AB");
    At(19, 0);
    Click(form.Command1);
    EXPECT_TRUE(form.State().ClockedIn);
    EXPECT_EQ(form.State().StartSeconds, 29100.0f);
    At(19, 30);
    Click(form.Command2);   // over the threshold: reasons first
    Click(form.Check2[5]);  // F
    Click(form.Command2);
    EXPECT_EQ(SheetRow(ReadFile("Taro 17 7.csv"), 5), " 5,08,05,19,30,ABF");
}

TEST_F(Resume, rowsWithoutAUsableInTimeResumeNothing) {
    struct Case {
        const char* what;
        QByteArray row;
    };
    const Case cases[] = {
        {"untouched", " 5,,,,,"}, {"midnight in-time", " 5,00,00,,,"},
        {"one comma", " 5,08"},   {"two commas", " 5,08,30"},
        {"no commas", "garbage"}, {"not CP932", " 5,08,\x82\x20,,,"},
    };
    for (const Case& c : cases) {
        Form1& form = StartWithToday(c.row);
        EXPECT_FALSE(form.State().ClockedIn) << c.what;
        EXPECT_FALSE(form.Timer1->isActive()) << c.what;
        EXPECT_EQ(BackColour(form.Command1), ButtonFaceColour) << c.what;
    }
}

// An in-time typed by hand in a form the sheet does not hold ("8:30" in the hour field, an hour
// without its minute) is never taken as another time, nor written over: every save says which
// row of which sheet to put right, and the day stays open until it is.
TEST_F(Resume, anInTimeTheClockCannotReadIsNeitherHalfReadNorSavedOver) {
    for (const QByteArray row : {" 5,8:30,,,,", " 5,08,,,,"}) {
        messages.clear();
        Form1& form = StartWithToday(row);
        EXPECT_FALSE(form.State().ClockedIn) << row.data();
        Click(form.Command1);
        At(16, 0);
        Click(form.Command2);
        Click(form.Command3);  // × asks whether to close unsaved, and is answered No
        EXPECT_TRUE(form.State().ClockedIn);
        EXPECT_EQ(ReadFile("Taro 17 7.csv"), Sheet({{5, row}}));
        ASSERT_EQ(messages.size(), 4) << row.data();
        for (const QString& message : messages.mid(0, 3)) {
            EXPECT_TRUE(message.contains(QStringLiteral("6 行目「%1」").arg(row.data())) &&
                        message.contains("Taro 17 7.csv"))
                << message.toStdString();
        }
        // Each press is asked for again by its own button.
        EXPECT_TRUE(messages[1].contains("もう一度 OUT を押してください"));
        EXPECT_TRUE(messages[2].contains("もう一度 × を押してください"));
    }
    // Put right, the next OUT saves the day from the in-time the row now holds.
    WriteFile("Taro 17 7.csv", Sheet({{5, " 5,08,30,,,"}}));
    At(16, 30);
    Click(form->Command2);
    EXPECT_EQ(SheetRow(ReadFile("Taro 17 7.csv"), 5), " 5,08,30,16,30,");
}

TEST_F(Resume, repeatedOrExtraReasonTextIsKeptAndUntickTakesTheLetterOut) {
    Form1& form = StartWithToday(" 5,08,05,,,ABA,x");
    EXPECT_EQ(form.State().ReasonCodes, "AB,x");
    Click(form.Check2[0]);  // A off
    EXPECT_EQ(form.State().ReasonCodes, "B,x");
    At(16, 0);
    Click(form.Command2);
    EXPECT_EQ(SheetRow(ReadFile("Taro 17 7.csv"), 5), " 5,08,05,16,00,B,x");
}

TEST_F(Resume, oneDigitTimesResumeAndKeepTheirText) {
    Form1& form = StartWithToday(" 5,8,5,,,");
    EXPECT_TRUE(form.State().ClockedIn);
    EXPECT_EQ(form.State().StartSeconds, 29100.0f);
    EXPECT_EQ(form.State().SheetLines[5].text(), " 5,8,5,,,");
}

TEST_F(Resume, aShortOrUnreadableSheetNeverCrashes) {
    WriteFile("omb.ini", "Taro\r\n");
    // Three lines: day 2's row is there, today's (the 5th) is not.
    WriteFile("Taro 17 7.csv", "header\r\n 1,,,,,\r\n 2,07,30,,,\r\n");
    Start();
    EXPECT_FALSE(form->State().ClockedIn);

    today = QDate(2017, 7, 2);
    At(9, 0);
    Start();
    EXPECT_TRUE(form->State().ClockedIn);
    EXPECT_EQ(form->State().StartSeconds, 27000.0f);

    QFile::remove(Path("Taro 17 7.csv"));
    QDir(folder.path()).mkdir("Taro 17 7.csv");
    Start();
    EXPECT_FALSE(form->State().ClockedIn);
}

TEST_F(Resume, withoutANameFileOnlyThePromptNamesSheetIsLookedAt) {
    WriteFile("input Your Name 17 7.csv", Sheet({{5, " 5,08,05,,,"}}, "input Your Name"));
    Start();
    EXPECT_TRUE(form->State().ClockedIn);
    EXPECT_FALSE(form->Text1->isVisibleTo(form.get()));
}

TEST_F(Resume, crashAfterInResumesFromTheSheetInWroteAtOnce) {
    WriteFile("omb.ini", "Taro\r\n");
    Start();
    At(8, 15);
    Click(form->Command1);
    form.reset();  // the run ends without a save
    At(10, 0);
    Start();
    EXPECT_TRUE(form->State().ClockedIn);
    EXPECT_EQ(form->State().StartSeconds, 8 * 3600 + 15 * 60);
}

}  // namespace
