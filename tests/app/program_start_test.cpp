// The real program started from a terminal as a new user would: without a display it says so and
// ends before making a window; without a runtime folder in the environment it starts without a
// word of warning and keeps its lock in a private folder of its own.
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class ProgramStart : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(work.isValid() && temp.isValid());
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR",
                                 "XDG_SESSION_TYPE"}) {
            environment.remove(QString::fromLatin1(name));
        }
        // The clock's fallback runtime folder lands here, not in the machine's /tmp.
        environment.insert("TMPDIR", temp.path());
        clock.setProcessEnvironment(environment);
        clock.setWorkingDirectory(work.path());
    }
    void TearDown() override {
        clock.kill();
        clock.waitForFinished();
    }

    QTemporaryDir work;
    QTemporaryDir temp;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QProcess clock;
};

TEST_F(ProgramStart, withoutADisplaySaysHowToGiveOneAndEndsWithStatusOne) {
    for (const QString& platform : {QString(), QStringLiteral("xcb")}) {
        QProcessEnvironment env = environment;
        if (!platform.isEmpty()) {
            env.insert("QT_QPA_PLATFORM", platform);
        }
        clock.setProcessEnvironment(env);
        clock.start(QStringLiteral(OMBREL_CLOCK_PROGRAM), {});
        ASSERT_TRUE(clock.waitForFinished(20000));
        EXPECT_EQ(clock.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(clock.exitCode(), 1);
        const QString said = QString::fromUtf8(clock.readAllStandardError());
        EXPECT_TRUE(said.contains("no display found")) << said.toStdString();
        EXPECT_TRUE(said.contains("QT_QPA_PLATFORM=offscreen")) << said.toStdString();
        EXPECT_TRUE(QDir(work.path()).isEmpty());
        EXPECT_TRUE(QDir(temp.path()).isEmpty());
    }
}

// A display that is set but does not answer (the X server is gone, a stale DISPLAY over ssh): said
// as plainly as a missing one, naming it, instead of Qt's abort and its advice to reinstall.
TEST_F(ProgramStart, aDisplayThatDoesNotAnswerIsNamedAndEndsWithStatusOne) {
    int number = 1999;
    while (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number))) {
        ++number;
    }
    const QString display = QStringLiteral(":%1").arg(number);
    environment.insert("DISPLAY", display);
    clock.setProcessEnvironment(environment);
    clock.start(QStringLiteral(OMBREL_CLOCK_PROGRAM), {});
    ASSERT_TRUE(clock.waitForFinished(20000));
    EXPECT_EQ(clock.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(clock.exitCode(), 1);
    const QString said = QString::fromUtf8(clock.readAllStandardError());
    EXPECT_TRUE(said.contains("the display does not answer (DISPLAY=" + display + ")"))
        << said.toStdString();
    EXPECT_TRUE(said.contains("QT_QPA_PLATFORM=offscreen")) << said.toStdString();
    EXPECT_FALSE(said.contains("Reinstalling")) << said.toStdString();
    EXPECT_TRUE(QDir(work.path()).isEmpty());
}

TEST_F(ProgramStart, withoutARuntimeFolderStartsSilentlyWithAPrivateLockFolder) {
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    clock.setProcessEnvironment(environment);
    clock.start(QStringLiteral(OMBREL_CLOCK_PROGRAM), {});
    ASSERT_TRUE(clock.waitForStarted());
    const QString own = QDir(temp.path()).filePath(QStringLiteral("ombrel-%1").arg(getuid()));
    QDeadlineTimer deadline(20000);
    while (QDir(own).entryList({"ombrel-*.call"}, QDir::Files).isEmpty() &&
           !deadline.hasExpired()) {
        QThread::msleep(10);
    }
    ASSERT_EQ(QDir(own).entryList({"ombrel-*.call"}, QDir::Files).size(), 1);
    EXPECT_EQ(QFileInfo(own).permissions().toInt() & 0x0077, 0) << "open to others";
    clock.kill();
    clock.waitForFinished();
    EXPECT_EQ(clock.readAllStandardError(), QByteArray());
}

}  // namespace
