#include "report_fixture.h"

#include "month_sheet.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

ProgramRun RunProgram(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(OMBREL_REPORT_BIN), arguments);
    ProgramRun run;
    if (!process.waitForFinished(120000)) {
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
    lines[0] = QStringLiteral("%1月／日,始業時,分,終業時,分,残業内容,ユーザー名,%2")
                   .arg(NumberText(month), person);
    for (int day = 1; day <= 31; ++day) {
        lines[day] = rows.value(day, NumberText(day) + QStringLiteral(",,,,,"));
    }
    const QString name =
        person + NumberText(year % 100) + NumberText(month) + QStringLiteral(".csv");
    const SheetWriteResult written = WriteSheetFile(QDir(folder).filePath(name), lines);
    ASSERT_TRUE(written.ok) << written.error.toStdString();
}

DayRows RowsWithOvertime(int minutes) {
    DayRows rows;
    constexpr int kIn = 7 * 60;
    constexpr int kRegularWithBreak = 7 * 60 + 45 + 45;
    for (int day = 1; minutes > 0; ++day) {
        const int today = std::min(minutes, 6 * 60);
        minutes -= today;
        const int out = kIn + kRegularWithBreak + today;
        rows[day] = QStringLiteral("%1,07,00,%2,%3,F")
                        .arg(NumberText(day))
                        .arg(out / 60, 2, 10, QLatin1Char('0'))
                        .arg(out % 60, 2, 10, QLatin1Char('0'));
    }
    return rows;
}

QStringList FolderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}
