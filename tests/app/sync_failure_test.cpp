// A disk that cannot take a save's data (the flush before the rename fails) is a failed save: the
// old sheet stays byte for byte, the person is told and the day stays open.
#include "tests/support/failing_sync.h"
#include "tests/support/form_fixture.h"

#include <QPushButton>

#include <cerrno>

namespace {

class SyncFailure : public FormFixture {};

TEST_F(SyncFailure, aFlushThatFailsIsAFailedSaveAndTheOldSheetStays) {
    WriteFile("omb.ini", "Taro\r\n");
    Start();
    At(8, 0);
    Click(form->Command1);
    const QByteArray before = ReadFile("Taro 17 7.csv");
    ASSERT_EQ(SheetRow(before, 5), " 5,08,00,,,");
    for (const int error : {EIO, ENOSPC, EROFS, EDQUOT}) {
        FailFlushesWith(error);
        messages.clear();
        At(12, 0);
        Click(form->Command2);
        EXPECT_TRUE(form->State().ClockedIn) << error;
        ASSERT_EQ(messages.size(), 1) << error;
        EXPECT_TRUE(messages[0].contains(QString::fromLocal8Bit(strerror(error))))
            << messages[0].toStdString();
        EXPECT_EQ(ReadFile("Taro 17 7.csv"), before);
        EXPECT_EQ(FilesInFolder().size(), 3);  // no temporary file, hidden ones included
    }
    FailFlushesWith(0);
    Click(form->Command2);
    EXPECT_FALSE(form->State().ClockedIn);
    EXPECT_EQ(SheetRow(ReadFile("Taro 17 7.csv"), 5), " 5,08,00,12,00,");
}

}  // namespace
