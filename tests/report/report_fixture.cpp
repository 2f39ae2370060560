#include "tests/report/report_fixture.h"

#include "overtime/days_off.h"
#include "records/month_sheet.h"
#include "records/sheet_layout.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

ProgramRun RunProgram(const QStringList& arguments, int timeoutMs, const QString& folder) {
    QProcess process;
    if (!folder.isEmpty()) {
        process.setWorkingDirectory(folder);
    }
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
