// Running the report as another user: fork, exec and the ids of nobody.
#include "tests/report/report_fixture.h"

#include <QFile>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

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
