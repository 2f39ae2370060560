// Two saves of one sheet at once, on a file server slow to flush: OUT in this window, and the
// month window's question answered on another PC (its save runs in a thread of its own here).
// Both rows reach the sheet, whichever save comes first, and a hold nobody lets go of is said
// and later taken over. This program brings its own SyncFileData, which makes one flush slow.
#include "records/day_save.h"
#include "records/file_sync.h"
#include "records/sheet_lock.h"
#include "tests/support/form_fixture.h"

#include <QDateTime>
#include <QFile>
#include <QPushButton>

#include <chrono>
#include <future>
#include <mutex>
#include <thread>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

std::mutex slowMutex;
bool slowNext = false;              // the next flush takes half a second
std::promise<void> slowFlushBegan;  // kept when it begins

void FlushSlowlyWhenAsked() {
    std::unique_lock lock(slowMutex);
    if (!slowNext) {
        return;
    }
    slowNext = false;
    slowFlushBegan.set_value();
    lock.unlock();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
}

}  // namespace

#ifdef Q_OS_WIN
int SyncFileData(void* handle) {
    FlushSlowlyWhenAsked();
    return FlushFileBuffers(static_cast<HANDLE>(handle)) ? 0 : -1;
}
#else
int SyncFileData(int fd) {
    FlushSlowlyWhenAsked();
    return fsync(fd);
}
#endif

namespace {

const char kSheet[] = "Taro 17 7.csv";

class SaveRace : public FormFixture {
protected:
    void SetUp() override {
        WriteFile("omb.ini", "Taro\r\n");
        WriteFile(kSheet, Sheet({{3, " 3,08,00,,,"}, {5, " 5,08,00,,,"}}));
        At(15, 0);
        Start();  // today's day taken up
    }
    // The other PC's answer for the 3rd: 17:30.
    DaySaveResult SaveTheThird() const {
        DayToSave third{folder.path(), "Taro", QDate(2017, 7, 3), "08", "00", "17", "30", {}, {}};
        return SaveDay(third, BlankMonth());
    }
    std::future<void> NextFlushSlow() {
        std::lock_guard lock(slowMutex);
        slowNext = true;
        slowFlushBegan = std::promise<void>();
        return slowFlushBegan.get_future();
    }
};

TEST_F(SaveRace, bothRowsReachTheSheetWhicheverSaveFlushesSlowly) {
    // OUT flushes slowly; the other PC's save starts meanwhile and waits for it.
    std::future<void> began = NextFlushSlow();
    DaySaveResult other;
    std::thread otherPc([&] {
        began.wait();
        other = SaveTheThird();
    });
    At(16, 0);
    Click(form->Command2);
    otherPc.join();
    EXPECT_TRUE(other.ok()) << other.outcome.why().toStdString();
    EXPECT_EQ(ReadFile(kSheet), Sheet({{3, " 3,08,00,17,30,"}, {5, " 5,08,00,16,00,"}}));

    // The other PC's save flushes slowly; OUT here waits for it.
    WriteFile(kSheet, Sheet({{3, " 3,08,00,,,"}, {5, " 5,08,00,,,"}}));
    At(15, 0);
    Start();
    began = NextFlushSlow();
    std::thread slowPc([&] { other = SaveTheThird(); });
    began.wait();
    At(16, 20);
    Click(form->Command2);
    slowPc.join();
    EXPECT_EQ(ReadFile(kSheet), Sheet({{3, " 3,08,00,17,30,"}, {5, " 5,08,00,16,20,"}}));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(FilesInFolder().size(), 2);  // no hold left behind, no temporary file
}

TEST_F(SaveRace, aHoldNobodyLetsGoOfIsSaidAndOnceStaleTakenOver) {
    const QString lock = SheetLockPath(Path(kSheet));
    const auto hold = [&](const QDateTime& taken) {
        QFile file(lock);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("STAFFROOM-PC\r\n" + taken.toString(Qt::ISODateWithMs).toLatin1() +
                   "\r\n1 2\r\n");
        file.close();
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(taken, QFileDevice::FileModificationTime));
    };
    const QByteArray before = ReadFile(kSheet);
    hold(QDateTime::currentDateTimeUtc());
    At(16, 0);
    Click(form->Command2);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("STAFFROOM-PC")) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains("もう一度 OUT")) << messages[0].toStdString();
    EXPECT_TRUE(form->State().ClockedIn);
    EXPECT_EQ(ReadFile(kSheet), before);

    // Two minutes old by the PC's clock and by the file server's: a save that never finished.
    hold(QDateTime::currentDateTimeUtc().addSecs(-120));
    Click(form->Command2);
    EXPECT_FALSE(form->State().ClockedIn);
    EXPECT_EQ(SheetRow(ReadFile(kSheet), 5), " 5,08,00,16,00,");
    EXPECT_FALSE(QFile::exists(lock));
    EXPECT_EQ(messages.size(), 1);
}

}  // namespace
