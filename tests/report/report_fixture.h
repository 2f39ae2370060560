#pragma once

#include "tests/support/files.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// Running the built ombrel-report and making sheets for it in the clock's own format.

struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    // Text as the console shows it: UTF-8 on Linux, the code page on Windows (932 under the
    // Japanese Wine the tests run in), lines ending in \n (Windows writes \r\n).
    QString outText() const { return Lines(out); }
    QString errText() const { return Lines(err); }

private:
    static QString Lines(const QByteArray& bytes) {
        return QString::fromLocal8Bit(bytes).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    }
};

// Fails the test and kills the program when it runs longer than `timeoutMs`. With `folder`, the
// program runs in that folder, as a person who typed the command there.
ProgramRun RunProgram(const QStringList& arguments, int timeoutMs = 120000,
                      const QString& folder = {});

// POSIX only (report_fixture_posix.cpp): runs the program in a child that, when the tests run as
// root, first drops to uid and gid 65534, so that permission bits bind it as they bind a user. The
// program may lie in a folder only its owner can enter.
ProgramRun RunProgramAsNobody(const QStringList& arguments,
                              const QString& program = QStringLiteral(OMBREL_REPORT_BIN));

// Day rows by day number (" 3,08,00,17,00,A"); every other day of the 31 is blank.
using DayRows = QMap<int, QString>;

// Writes "<person> <yy> <m>.csv" with the clock's sheet writer.
void WriteSheet(const QString& folder, const QString& person, int year, int month,
                const DayRows& rows);

// A sheet whose working days from the 1st on, 06:00 in, add up to exactly `minutes` of overtime
// with the usual 45-minute break; at most nine hours on any one day, none on a day off.
void WriteOvertimeSheet(const QString& folder, const QString& person, int year, int month,
                        int minutes);
