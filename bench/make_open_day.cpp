// Writes an open-day working folder (the name file and this month's sheet with today's day begun)
// into the folder given, for checks that run the clock by hand, such as tracing its system calls.
//
//   ombrel_bench_open_day FOLDER
#include "bench/open_day_folder.h"

#include <QDateTime>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    if (!WriteOpenDayFolder(QString::fromLocal8Bit(argv[1]), QDateTime::currentDateTime())) {
        std::fprintf(stderr, "cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
