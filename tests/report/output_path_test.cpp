#include "report/report_output.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(OutputPath, refusesSheetsTheirShapeAndLinksToThem) {
    QTemporaryDir dir;
    const QDir d(dir.path());
    const auto touch = [&d](const QString& name) {
        QFile file(d.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    };
    const auto link = [&d](const QString& target, const QString& name) {
        ASSERT_TRUE(QFile::link(target, d.filePath(name))) << name.toStdString();
    };
    touch(QStringLiteral("T 17 7.csv"));
    touch(QStringLiteral("report.csv"));
    ASSERT_TRUE(d.mkdir(QStringLiteral("sub")));
    link(QStringLiteral("T 17 7.csv"), QStringLiteral("link.csv"));
    link(QStringLiteral("link.csv"), QStringLiteral("chain.csv"));
    link(QStringLiteral("T 17 9.csv"), QStringLiteral("dangling.csv"));
    link(d.filePath(QStringLiteral("report.csv")), QStringLiteral("to-report.csv"));
    link(QStringLiteral(".."), QStringLiteral("sub/up"));

    struct Case {
        const char* name;
        bool refused;
    };
    const Case cases[] = {
        {"T 17 7.csv", true},
        {"T 17 8.csv", true},  // existing, or not yet
        {"T 17 7.CSV", true},
        {"t 9 1.Csv", true},  // the same file on Windows
        {"T 17 7.csv.", true},
        {"link.csv", true},  // a link to a sheet
        {"chain.csv", true},
        {"dangling.csv", true},  // a link to a future sheet
        {"sub", true},
        {"report.csv", false},  // a folder; a plain file
        {"to-report.csv", false},
        {"new.csv", false},  // a link to one; a new one
        {"T 17 7.csv.bak", false},
        {"sub/up/report.csv", false},
    };
    for (const Case& c : cases) {
        const QString path = d.filePath(QString::fromUtf8(c.name));
        const QString problem = OutputPathProblem(path);
        EXPECT_EQ(!problem.isEmpty(), c.refused) << c.name << ": " << problem.toStdString();
        if (c.refused) {
            EXPECT_TRUE(problem.contains(path)) << problem.toStdString();
        }
    }
}

}  // namespace
