// Running the report as another user: fork, exec and the ids of nobody.
#include "report_fixture.h"

#include <QFile>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

ProgramRun RunProgramAsNobody(const QStringList& arguments) {
    ProgramRun run;
    QTemporaryFile out;
    QTemporaryFile err;
    if (!out.open() || !err.open()) {
        ADD_FAILURE() << "no files for the program's output";
        return run;
    }
    // Everything the child needs is made before fork(): it only swaps descriptors and ids.
    std::vector<QByteArray> words{QByteArrayLiteral(OMBREL_REPORT_BIN)};
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
        if (dup2(out.handle(), 1) < 0 || dup2(err.handle(), 2) < 0 ||
            (geteuid() == 0 &&
             (setgroups(1, &nobody) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0))) {
            _exit(120);
        }
        execv(argv[0], argv.data());
        _exit(121);
    }
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
