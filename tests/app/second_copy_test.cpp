// The real program started twice in one folder: the second start ends at once and writes nothing,
// and a clock that was killed does not keep the next one from starting.
#include <QDeadlineTimer>
#include <QDir>
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
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
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
    // The running clock listens once its socket is in the runtime folder.
    bool Listening() const {
        QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            if (!QDir(runtime.path()).entryList({"ombrel-*.socket"}, QDir::System).isEmpty()) {
                return true;
            }
            QThread::msleep(10);
        }
        return false;
    }

    QTemporaryDir work;
    QTemporaryDir runtime;
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
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_TRUE(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());

    // Killed: its lock is stale, and the next start becomes the folder's clock. The socket it
    // leaves behind is cleared here so that the wait below sees the new clock's own.
    first.kill();
    first.waitForFinished();
    for (const QString& socket : QDir(runtime.path()).entryList({"*.socket"}, QDir::System)) {
        QFile::remove(runtime.filePath(socket));
    }
    StartClock(third);
    EXPECT_TRUE(Listening());
    EXPECT_EQ(third.state(), QProcess::Running);
}

}  // namespace
