// The real program started twice in one folder: the second start ends at once and writes nothing,
// and a clock that was killed does not keep the next one from starting. In one process: a later
// start calls the running clock forward, and never writes through a link.
#include "app/single_clock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

class SecondCopy : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(work.isValid() && runtime.isValid());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_WIN
        // Windows has no runtime folder to point a clock at: it uses its own place.
        place = SingleClock::PlaceForItsFiles();
#else
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        place = runtime.path();
#endif
    }
    void TearDown() override {
        for (QProcess* clock : {&first, &third}) {
            clock->kill();
            clock->waitForFinished();
        }
    }
    void StartClock(QProcess& clock) {
        clock.setProcessEnvironment(environment);
        clock.setWorkingDirectory(work.path());
        clock.start(QStringLiteral(OMBREL_CLOCK_PROGRAM), {});
        ASSERT_TRUE(clock.waitForStarted());
    }
    // The running clock listens once its call file is in the runtime folder.
    bool Listening() const {
        QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            if (!QDir(place).entryList({"ombrel-*.call"}, QDir::Files).isEmpty()) {
                return true;
            }
            QThread::msleep(10);
        }
        return false;
    }

    QTemporaryDir work;
    QTemporaryDir runtime;
    QString place;  // where the clocks started here keep their files
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QProcess first;
    QProcess third;
};

TEST_F(SecondCopy, endsAtOnceWithStatusZeroAndTheFirstRunsOnUntouched) {
    StartClock(first);
    ASSERT_TRUE(Listening());
    QProcess second;
    StartClock(second);
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
#ifndef Q_OS_WIN  // a Windows program of the desktop has no terminal to say it in
    const QString said = QString::fromUtf8(second.readAllStandardOutput());
    EXPECT_TRUE(said.contains("is already running")) << said.toStdString();
    EXPECT_TRUE(said.contains(work.path())) << said.toStdString();
#endif
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_TRUE(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());

    // Killed: its lock is stale, and the next start becomes the folder's clock. The call file it
    // leaves behind is cleared here so that the wait below sees the new clock's own.
    first.kill();
    first.waitForFinished();
    for (const QString& call : QDir(place).entryList({"ombrel-*.call"}, QDir::Files)) {
        QFile::remove(QDir(place).filePath(call));
    }
    StartClock(third);
    EXPECT_TRUE(Listening());
    EXPECT_EQ(third.state(), QProcess::Running);
}

TEST_F(SecondCopy, aLaterStartCallsTheRunningClockForwardButNeverThroughALink) {
    int calls = 0;
    SingleClock running(work.path(), runtime.path());
    ASSERT_TRUE(running.IsFirst());
    running.OnAskedForward([&calls] { ++calls; });
    // A call brings the clock forward at least once: Windows' watcher may report the one write
    // and the time set after it as two changes, which is no harm to a window coming forward.
    const auto called = [&calls](auto start) {
        const int before = calls;
        start();
        QDeadlineTimer deadline(5000);
        while (calls == before && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        // Changes still on their way belong to this call, not to the next.
        QDeadlineTimer settle(200);
        while (!settle.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return calls > before;
    };

    EXPECT_TRUE(called([&] { EXPECT_FALSE(SingleClock(work.path(), runtime.path()).IsFirst()); }));
    EXPECT_TRUE(
        called([&] { EXPECT_FALSE(SingleClock(work.path() + "/.", runtime.path()).IsFirst()); }));
    const QStringList callFiles = QDir(runtime.path()).entryList({"*.call"}, QDir::Files);
    ASSERT_EQ(callFiles.size(), 1);
    EXPECT_EQ(QFileInfo(runtime.filePath(callFiles[0])).size(), 1);
#ifndef Q_OS_WIN  // QFile::link makes a symbolic link on POSIX only

    // Someone puts a link where the call file was: the later start writes nothing through it.
    QFile victim(work.filePath("victim.txt"));
    ASSERT_TRUE(victim.open(QIODevice::WriteOnly));
    victim.write("kept");
    victim.close();
    const QString callFile = runtime.filePath(callFiles[0]);
    ASSERT_TRUE(QFile::remove(callFile));
    ASSERT_TRUE(QFile::link(victim.fileName(), callFile));
    EXPECT_FALSE(SingleClock(work.path(), runtime.path()).IsFirst());
    ASSERT_TRUE(victim.open(QIODevice::ReadOnly));
    EXPECT_EQ(victim.readAll(), "kept");
#endif
}

// A clock killed (or a PC that lost power) leaves its lock behind; when the system later gives
// the next clock the same process number, as Wine does after every restart, the lock names the
// new clock itself. It is taken over, while a lock a live clock of this process holds is not.
TEST_F(SecondCopy, aLockLeftUnderThisProcesssOwnNumberIsTakenOver) {
    QByteArray left;
    QString lockFile;
    {
        SingleClock earlier(work.path(), runtime.path());
        ASSERT_TRUE(earlier.IsFirst());
        EXPECT_FALSE(SingleClock(work.path(), runtime.path()).IsFirst());
        const QStringList locks = QDir(runtime.path()).entryList({"*.lock"}, QDir::Files);
        ASSERT_EQ(locks.size(), 1);
        lockFile = runtime.filePath(locks[0]);
        QFile lock(lockFile);
        ASSERT_TRUE(lock.open(QIODevice::ReadOnly));
        left = lock.readAll();
    }
    QFile lock(lockFile);
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(left);
    lock.close();
    EXPECT_TRUE(SingleClock(work.path(), runtime.path()).IsFirst());
}

}  // namespace
