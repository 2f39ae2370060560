// The hold a save takes on its sheet: a file beside it that nothing else takes for its own, taken
// over once it is stale. (Two saves taking turns at it: tests/app/save_race_test.cpp.)
#include "records/sheet_lock.h"
#include "records/leftover_saves.h"
#include "records/sheet_layout.h"
#include "records/whole_file_save.h"
#include "tests/support/files.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using std::chrono::milliseconds;

class SheetHold : public ::testing::Test {
protected:
    QString sheet() const { return dir.filePath(QStringLiteral("Taro 17 7.csv")); }
    QString lock() const { return dir.filePath(QStringLiteral(".Taro 17 7.csv.ombrel-lock")); }
    // A hold as another save leaves it, taken at `taken` by its PC's clock and the server's.
    void LeaveHold(const QDateTime& taken) const {
        PutFileBytes(lock(),
                     "OTHER-PC\r\n" + taken.toString(Qt::ISODateWithMs).toLatin1() + "\r\n");
        QFile file(lock());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(taken, QFileDevice::FileModificationTime));
    }
    QTemporaryDir dir;
};

TEST_F(SheetHold, isAFileBesideTheSheetNamingThePcThatNoCleanUpOrReportTakesForItsOwn) {
    {
        const SheetLock held(sheet());
        ASSERT_TRUE(held.held());
        EXPECT_EQ(SheetLockPath(sheet()), lock());
        const QByteArray content = FileBytes(lock());
        EXPECT_TRUE(content.startsWith(QSysInfo::machineHostName().toUtf8() + "\r\n"))
            << content.toStdString();
        const QString name = QFileInfo(lock()).fileName();
        EXPECT_FALSE(IsTemporarySaveName(name));
        EXPECT_FALSE(ParseSheetFileName(name));
        // An hour on, start-up's clean-up still leaves it: it is another PC's save under way.
        EXPECT_TRUE(RemoveLeftoverSaveFiles(dir.path(), QDateTime::currentDateTime().addSecs(3600))
                        .isEmpty());
        EXPECT_TRUE(QFile::exists(lock()));
    }
    EXPECT_FALSE(QFile::exists(lock()));
}

TEST_F(SheetHold, isStaleOnlyWhenOldByBothClocksAndTheTakerLetsGoOfItsOwnAlone) {
    // Fresh by the file server's clock, old by its PC's (a clock running behind): still held.
    LeaveHold(QDateTime::currentDateTimeUtc().addSecs(-600));
    QFile touched(lock());
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        touched.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime));
    touched.close();
    EXPECT_FALSE(SheetLock(sheet(), milliseconds(50)).held());
    // Old by both: a save that never finished. The one taking it over lets go of its own alone.
    LeaveHold(QDateTime::currentDateTimeUtc().addSecs(-90));
    {
        const SheetLock taker(sheet(), milliseconds(50));
        EXPECT_TRUE(taker.held());
        EXPECT_FALSE(FileBytes(lock()).startsWith("OTHER-PC"));
        LeaveHold(QDateTime::currentDateTimeUtc());  // taken over from it in turn
    }
    EXPECT_TRUE(FileBytes(lock()).startsWith("OTHER-PC"));
}

TEST_F(SheetHold, aFolderThatTakesNoFileOrAFolderInTheHoldsPlaceIsAFailureAtOnce) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QFileInfo(lock()).fileName()));
    const SheetLock blocked(sheet(), milliseconds(60000));
    EXPECT_FALSE(blocked.held());
    EXPECT_EQ(blocked.outcome().failure, FileFailure::NotAFile);

    const SheetLock gone(dir.filePath(QStringLiteral("gone/Taro 17 7.csv")), milliseconds(60000));
    EXPECT_FALSE(gone.held());
    EXPECT_EQ(gone.outcome().failure, FileFailure::Unwritable);
}

}  // namespace
