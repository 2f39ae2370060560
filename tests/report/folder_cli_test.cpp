// The folder of sheets as people name it: from the folder above it or from inside, with a
// trailing slash, "." and ".."; copies, sheets edited in a spreadsheet, and folders the reader
// may not open.
#include "tests/report/report_fixture.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

// A staff share in May 2025: one folder per teacher, and a copy of Aki's folder beside them.
class StaffShare : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        for (const char* folder : {"staff/t1", "staff/t2", "staff/t3", "staff/backup"}) {
            ASSERT_TRUE(QDir(root_.path()).mkpath(QString::fromLatin1(folder)));
        }
        WriteOvertimeSheet(Path("staff/t1"), QStringLiteral("Aki"), 2025, 5, 85 * 60 + 10);
        WriteOvertimeSheet(Path("staff/t2"), QStringLiteral("Ben"), 2025, 5, 80 * 60 + 15);
        WriteOvertimeSheet(Path("staff/t3"), QStringLiteral("Cho"), 2025, 5, 73 * 60 + 36);
        WriteOvertimeSheet(Path("staff/backup"), QStringLiteral("Aki"), 2025, 5, 85 * 60 + 10);
    }
    QString Path(const char* relative) const {
        return QDir(root_.path()).filePath(QString::fromLatin1(relative));
    }
    QTemporaryDir root_;
};

TEST_F(StaffShare, aFolderGivenRelativelyGivesWhatItsFullPathGives) {
    const QString staff = Path("staff");
    const QStringList month{QStringLiteral("--month=2025-05"), QStringLiteral("--format=csv-utf8")};
    const ProgramRun whole = RunProgram(month + QStringList{staff});
    ASSERT_EQ(whole.exitCode, 0) << whole.errText().toStdString();
    const QString out = QString::fromUtf8(whole.out);
    EXPECT_TRUE(out.contains(QStringLiteral("\r\n1,Aki,85:10,"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("\r\n2,Ben,80:15,")));
    EXPECT_TRUE(out.contains(QStringLiteral("\r\n3,Cho,73:36,")));
    EXPECT_EQ(out.count(QStringLiteral("同じ人の同じ月のシート")), 1) << "the copy, once";

    struct Run {
        const char* in;  // the folder the command is typed in
        QStringList folder;
    };
    const Run runs[] = {
        {"", {QStringLiteral("staff")}},
        {"", {QStringLiteral("staff/")}},
        {"", {QStringLiteral("./staff")}},
        {"", {QStringLiteral("staff/t1/..")}},
        {"staff", {}},
        {"staff", {QStringLiteral(".")}},
        {"staff", {QStringLiteral("./")}},
        {"staff/t1", {QStringLiteral("..")}},
        {"staff/t2", {QStringLiteral("../")}},
        {"staff", {QStringLiteral("../staff")}},
    };
    for (const Run& run : runs) {
        const ProgramRun relative = RunProgram(month + run.folder, 120000, Path(run.in));
        EXPECT_EQ(relative.exitCode, 0) << run.in << " " << run.folder.join(u' ').toStdString();
        EXPECT_EQ(relative.out, whole.out) << run.in << " " << run.folder.join(u' ').toStdString();
    }

    // One person, from above the folder and from inside the person's own.
    const QStringList aki{QStringLiteral("--user=Aki"), QStringLiteral("--month=2025-05")};
    const ProgramRun own = RunProgram(aki + QStringList{staff});
    ASSERT_EQ(own.exitCode, 0) << own.errText().toStdString();
    EXPECT_TRUE(own.outText().contains(QStringLiteral("85:10")));
    EXPECT_EQ(RunProgram(aki + QStringList{QStringLiteral("staff")}, 120000, root_.path()).out,
              own.out);
    const ProgramRun inside = RunProgram(aki, 120000, Path("staff/t1"));
    EXPECT_EQ(inside.exitCode, 0) << inside.errText().toStdString();
    EXPECT_TRUE(inside.outText().contains(QStringLiteral("85:10")));
}

// A title typed above the header, or the header deleted, moves no day onto another: the sheet
// counts as the clean one does.
TEST_F(StaffShare, aSheetEditedInASpreadsheetCountsAsTheCleanOne) {
    const QString sheet = Path("staff/t1/Aki 25 5.csv");
    QFile file(sheet);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray clean = file.readAll();
    file.close();
    const QByteArray header = clean.left(clean.indexOf("\r\n") + 2);
    PutFileBytes(Path("staff/t2/Ben 25 5.csv"), "2025\x94\x4e 5\x8c\x8e,,,,\r\n" + clean);
    PutFileBytes(Path("staff/t3/Cho 25 5.csv"), clean.mid(header.size()));
    const ProgramRun run = RunProgram(
        {QStringLiteral("--month=2025-05"), QStringLiteral("--format=csv-utf8"), Path("staff")});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    const QString out = QString::fromUtf8(run.out);
    for (const char* person : {",Aki,85:10,", ",Ben,85:10,", ",Cho,85:10,"}) {
        EXPECT_TRUE(out.contains(QString::fromLatin1(person))) << person << out.toStdString();
    }
    EXPECT_FALSE(out.contains(QStringLiteral("読めない行"))) << out.toStdString();
}

#ifndef _WIN32
// Permission bits bind an ordinary user: as root, the program runs as nobody.
TEST_F(StaffShare, aFolderTheReaderMayNotOpenIsNamedAndItsTeacherListed) {
    for (const char* open : {"", "staff", "staff/t1", "staff/t3", "staff/backup"}) {
        QFile::setPermissions(Path(open), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                              QFileDevice::ExeOther);
    }
    const QString closed = Path("staff/t2");
    ASSERT_TRUE(QFile::setPermissions(closed, {}));
    const auto reopen = qScopeGuard([&closed] {
        QFile::setPermissions(
            closed, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    });
    const auto run = [](const QStringList& arguments) {
        return geteuid() == 0 ? RunProgramAsNobody(arguments) : RunProgram(arguments);
    };
    const ProgramRun staff = run({QStringLiteral("--month=2025-05"), Path("staff")});
    ASSERT_EQ(staff.exitCode, 0) << staff.errText().toStdString();
    const QString out = staff.outText();
    EXPECT_TRUE(out.contains(QStringLiteral("Aki"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Cho")));
    // Ben's folder is named after no one: the folder's own name stands for its teacher.
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("\\n +[0-9]+ +t2 +0:00 +読めず"))))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("  t2 +フォルダを開けません"))))
        << out.toStdString();

    const ProgramRun ben =
        run({QStringLiteral("--user=Ben"), QStringLiteral("--month=2025-05"), Path("staff")});
    EXPECT_EQ(ben.exitCode, 2);
    EXPECT_TRUE(ben.errText().contains(QStringLiteral("開けないフォルダがあります: 「t2」")))
        << ben.errText().toStdString();
}
#endif

}  // namespace
