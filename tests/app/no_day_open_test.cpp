// OUT, SAVE and × with no day open in the window: IN forgotten in the morning, or pressed on
// another PC. OUT lights only after a save that reached the disk.
#include "app/colours.h"
#include "app/open_day_dialog.h"
#include "tests/support/form_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const char kSheet[] = "Taro 17 7.csv";

class NoDayOpen : public FormFixture {
protected:
    // A named window started at 07:00 that has recorded nothing.
    Form1& StartNamed() {
        WriteFile("omb.ini", "Taro\r\n");
        At(7, 0);
        return Start();
    }
    std::unique_ptr<Form1> StartAnother() { return std::make_unique<Form1>(clock, folder.path()); }
    QByteArray TodayOnDisk() const { return SheetRow(ReadFile(kSheet), 5); }
};

TEST_F(NoDayOpen, outWithoutInAsksWhenTodayBeganAndEscapeWritesNothing) {
    Form1& form = StartNamed();
    // Escape: nothing on disk, OUT as it was, the window as small as it was.
    At(17, 30);
    QString heading;
    WhenAsked([&heading](OpenDayDialog& dialog) {
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            heading += label->text();
        }
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
    });
    Click(form.Command2);
    EXPECT_TRUE(heading.contains("今日の始業時刻")) << heading.toStdString();
    EXPECT_TRUE(heading.contains("17:30"));
    EXPECT_FALSE(Exists(kSheet));
    EXPECT_EQ(BackColour(form.Command2), ButtonFaceColour);
    EXPECT_EQ(form.HeightTwips(), 900);
    EXPECT_FALSE(form.State().ClockedIn);

    // Answered: a start not before the end is refused in the question; 0830 is saved with the
    // press as the end and the reasons ticked there.
    WhenAsked([](OpenDayDialog& dialog) {
        QTest::keyClicks(dialog.TimeField, "1800");
        QTest::keyClick(dialog.TimeField, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(dialog.Problem->text().contains("17:30"));
        dialog.TimeField->clear();
        QTest::keyClicks(dialog.TimeField, "0830");
        QTest::mouseClick(dialog.ReasonChecks[1], Qt::LeftButton, {}, QPoint(6, 8));  // B
        QTest::keyClick(dialog.TimeField, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    });
    Click(form.Command2);
    EXPECT_EQ(TodayOnDisk(), " 5,08,30,17,30,B");
    EXPECT_EQ(BackColour(form.Command1), ActiveButtonColour);
    EXPECT_EQ(BackColour(form.Command2), ActiveButtonColour);
    EXPECT_FALSE(form.State().ClockedIn);
    EXPECT_EQ(form.Label1->text(), "07/05");

    // Once more: the day is saved already; OUT says so, and grows nothing, writes nothing.
    const QByteArray saved = ReadFile(kSheet);
    At(19, 0);
    Click(form.Command2);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("17:30") && messages[0].contains("IN"))
        << messages[0].toStdString();
    EXPECT_EQ(form.HeightTwips(), 900);
    EXPECT_EQ(ReadFile(kSheet), saved);
    EXPECT_EQ(questions, 2);
}

TEST_F(NoDayOpen, outWithoutANameAsksForTheNameFirst) {
    At(17, 30);
    Form1& form = Start();
    Click(form.Command2);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "名前を入力してから OUT を押してください。");
    form.Text1->setText("Taro");
    WhenAskedType("0800");
    Click(form.Command2);
    EXPECT_EQ(TodayOnDisk(), " 5,08,00,17,30,");
    EXPECT_EQ(ReadFile("omb.ini"), "Taro\r\n");
    EXPECT_FALSE(form.Text1->isVisible());
}

TEST_F(NoDayOpen, aDayOpenedOnAnotherPcIsTakenUpAndClosedHereByOutOrClose) {
    // Both clocks started at log-on; IN pressed on the first, OUT on the second.
    Form1& first = StartNamed();
    auto second = StartAnother();
    At(8, 0);
    Click(first.Command1);
    ASSERT_EQ(TodayOnDisk(), " 5,08,00,,,");
    At(17, 30);  // 8:45 worked: the reasons first
    Click(second->Command2);
    EXPECT_EQ(second->Command2->text(), "SAVE");
    EXPECT_TRUE(second->State().ClockedIn);
    Click(second->Check2[4]);  // E
    At(17, 31);
    Click(second->Command2);
    EXPECT_EQ(TodayOnDisk(), " 5,08,00,17,31,E");
    EXPECT_EQ(BackColour(second->Command2), ActiveButtonColour);
    // The first one's × keeps the end the second gave the day.
    At(18, 0);
    Tick();
    Click(first.Command3);
    EXPECT_EQ(TodayOnDisk(), " 5,08,00,17,31,E");

    // × on a window that holds no day closes one opened elsewhere with the time of the press.
    WriteFile(kSheet, Sheet({}));
    At(7, 0);
    auto third = StartAnother();
    WriteFile(kSheet, Sheet({{5, " 5,07,50,,,"}}));
    At(12, 15);
    Click(third->Command3);
    EXPECT_FALSE(third->isVisible());
    EXPECT_EQ(TodayOnDisk(), " 5,07,50,12,15,");
    EXPECT_EQ(questions, 0);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(NoDayOpen, anEndGivenElsewhereIsShownBeforeOutReplacesIt) {
    Form1& form = StartNamed();
    WriteFile(kSheet, Sheet({{5, " 5,08,00,16,00,A"}}));
    At(16, 30);
    WhenAskedToReplace(Qt::Key_Escape);
    Click(form.Command2);
    EXPECT_EQ(TodayOnDisk(), " 5,08,00,16,00,A");
    EXPECT_EQ(questions, 1);
    WriteFile(kSheet, Sheet({{5, " 5,08,00,16,00,A"}}));
    At(7, 0);
    auto other = StartAnother();  // takes the closed day up at start-up
    WriteFile(kSheet, Sheet({{5, " 5,08,00,15,00,"}}));
    At(16, 20);
    WhenAskedToReplace(Qt::Key_Return);
    Click(other->Command2);
    EXPECT_EQ(TodayOnDisk(), " 5,08,00,16,20,");
    EXPECT_EQ(questions, 2);
}

}  // namespace
