#include "tests/report/report_fixture.h"

#include "overtime/days_off.h"
#include "records/month_sheet.h"
#include "records/sheet_layout.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

ProgramRun RunProgram(const QStringList& arguments, int timeoutMs) {
    QProcess process;
    process.start(QStringLiteral(OMBREL_REPORT_BIN), arguments);
    ProgramRun run;
    if (!process.waitForFinished(timeoutMs)) {
        ADD_FAILURE() << "ombrel-report did not finish";
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

ProgramRun RunProgramAsNobody(const QStringList& arguments, const QString& program) {
    ProgramRun run;
    QTemporaryFile out;
    QTemporaryFile err;
    if (!out.open() || !err.open()) {
        ADD_FAILURE() << "no files for the program's output";
        return run;
    }
    // The program is opened here and started through that descriptor, so that nobody needs no
    // way into the folder it lies in: a checkout under /root is closed to everyone else.
    const int programFile = open(QFile::encodeName(program).constData(), O_RDONLY | O_CLOEXEC);
    if (programFile < 0) {
        ADD_FAILURE() << "cannot open " << program.toStdString();
        return run;
    }
    // Everything the child needs is made before fork(): it only swaps descriptors and ids.
    std::vector<QByteArray> words{QFile::encodeName(program)};
    for (const QString& argument : arguments) {
        words.push_back(QFile::encodeName(argument));
    }
    std::vector<char*> argv;
    for (QByteArray& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const gid_t nobody = 65534;
        if (dup2(out.handle(), 1) < 0 || dup2(err.handle(), 2) < 0) {
            _exit(120);
        }
        if (geteuid() == 0 &&
            (setgroups(1, &nobody) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0)) {
            static const char kNoSwitch[] = "could not switch to the user nobody\n";
            if (write(2, kNoSwitch, sizeof kNoSwitch - 1) < 0) {
            }
            _exit(120);
        }
        if (chdir("/") == 0) {
            fexecve(programFile, argv.data(), environ);
        }
        static const char kNoStart[] = "could not start the program as nobody\n";
        if (write(2, kNoStart, sizeof kNoStart - 1) < 0) {
        }
        _exit(121);
    }
    close(programFile);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) {
        ADD_FAILURE() << "ombrel-report could not be run";
        return run;
    }
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    out.seek(0);
    err.seek(0);
    run.out = out.readAll();
    run.err = err.readAll();
    return run;
}

void WriteSheet(const QString& folder, const QString& person, int year, int month,
                const DayRows& rows) {
    SheetTable lines;
    lines[0] = ComposeHeaderRow(month, person);
    for (int day = 1; day <= 31; ++day) {
        lines[day] = rows.value(day, NumberText(day) + QStringLiteral(",,,,,"));
    }
    const FileOutcome written =
        WriteSheetFile(QDir(folder).filePath(SheetFileName(person, year, month)), lines);
    ASSERT_TRUE(written.ok()) << written.why().toStdString();
}

void WriteOvertimeSheet(const QString& folder, const QString& person, int year, int month,
                        int minutes) {
    constexpr int kIn = 6 * 60;
    constexpr int kRegularWithBreak = 7 * 60 + 45 + 45;
    constexpr int kMostPerDay = 9 * 60;
    const MonthKey key = KeyOf(year, month);
    DaysOff daysOff;
    ASSERT_TRUE(daysOff.prepare(key, key, {}).isEmpty());
    DayRows rows;
    const int days = QDate(year, month, 1).daysInMonth();
    for (int day = 1; day <= days && minutes > 0; ++day) {
        if (daysOff.month(key).days[day].off) {
            continue;
        }
        const int today = std::min(minutes, kMostPerDay);
        minutes -= today;
        const int out = kIn + kRegularWithBreak + today;
        rows[day] = QStringLiteral("%1,06,00,%2,%3,F")
                        .arg(NumberText(day))
                        .arg(out / 60, 2, 10, QLatin1Char('0'))
                        .arg(out % 60, 2, 10, QLatin1Char('0'));
    }
    ASSERT_EQ(minutes, 0) << "more overtime than the working days of the month hold";
    WriteSheet(folder, person, year, month, rows);
}

QStringList FolderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}
