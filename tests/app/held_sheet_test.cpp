// A sheet that a spreadsheet holds open (Windows lets nobody replace a file opened without write
// sharing): the save fails and says that another program has the sheet open, to close it there and
// press OUT again; the day stays open, the sheet keeps its bytes, and the next save once the
// spreadsheet has let go succeeds.
#include "tests/support/form_fixture.h"

#include <QProcess>
#include <QPushButton>

namespace {

const char kSheet[] = "Taro 17 7.csv";

class HeldSheet : public FormFixture {};

TEST_F(HeldSheet, aSaveFailsWhileAnotherProgramHoldsTheSheetAndSucceedsOnceItLetsGo) {
    WriteFile("omb.ini", "Taro\r\n");
    Start();
    At(8, 0);
    Click(form->Command1);
    const QByteArray atIn = ReadFile(kSheet);
    ASSERT_EQ(SheetRow(atIn, 5), " 5,08,00,,,");

    QProcess spreadsheet;
    spreadsheet.start(QStringLiteral(OMBREL_HOLD_FILE_PROGRAM), {Path(kSheet)});
    ASSERT_TRUE(spreadsheet.waitForReadyRead(30000));
    ASSERT_EQ(spreadsheet.readLine().trimmed(), "held");

    At(12, 0);
    Click(form->Command2);
    EXPECT_TRUE(form->State().ClockedIn);
    ASSERT_EQ(messages.size(), 1);
    // Which program to look at, what to do there, and what to press then.
    for (const char* said : {kSheet, "保存できませんでした", "ほかのプログラム (Excel など)",
                             "閉じてから", "もう一度 OUT を押してください"}) {
        EXPECT_TRUE(messages[0].contains(QString::fromUtf8(said))) << messages[0].toStdString();
    }
    EXPECT_EQ(ReadFile(kSheet), atIn);
    EXPECT_EQ(FilesInFolder(), QStringList({"omb.ini", kSheet, "temp1.txt"}));

    spreadsheet.closeWriteChannel();
    ASSERT_TRUE(spreadsheet.waitForFinished(30000));
    ASSERT_EQ(spreadsheet.exitCode(), 0);
    At(12, 5);
    Click(form->Command2);
    EXPECT_FALSE(form->State().ClockedIn);
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(SheetRow(ReadFile(kSheet), 5), " 5,08,00,12,05,");
}

}  // namespace
