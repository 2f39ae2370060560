#include "report/sheet_files.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void Touch(const QTemporaryDir& dir, const QString& name) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(ScanFolder, findsEveryoneWithASheetInTheRange) {
    QTemporaryDir dir;
    for (const char* name :
         {"Taro 17 4.csv", "Taro 17 10.csv", "Taro 18 3.csv", "Taro 18 4.csv",
          "Hanako Sato 17 9.csv", "Jiro 17 3.csv", "notes.csv", "omb.ini", "~$Taro 17 5.csv"}) {
        Touch(dir, QString::fromUtf8(name));
    }
    const QList<PersonSheets> people = ScanFolder(dir.path(), KeyOf(2017, 4), KeyOf(2018, 3));
    ASSERT_EQ(people.size(), 2);
    EXPECT_EQ(people[0].person, QStringLiteral("Hanako Sato"));
    EXPECT_EQ(people[1].person, QStringLiteral("Taro"));
    // Months ascending though "10" comes before "4" by name, each with its own sheet.
    QStringList taro;
    for (const MonthSheet& sheet : people[1].months) {
        taro << QStringLiteral("%1 %2").arg(sheet.month).arg(sheet.path);
    }
    EXPECT_EQ(taro, (QStringList{QStringLiteral("%1 Taro 17 4.csv").arg(KeyOf(2017, 4)),
                                 QStringLiteral("%1 Taro 17 10.csv").arg(KeyOf(2017, 10)),
                                 QStringLiteral("%1 Taro 18 3.csv").arg(KeyOf(2018, 3))}));

    const QList<PersonSheets> jiro =
        ScanFolder(dir.path(), KeyOf(2000, 1), KeyOf(2099, 12), QStringLiteral("Jiro"));
    ASSERT_EQ(jiro.size(), 1);
    ASSERT_EQ(jiro[0].months.size(), 1);
    EXPECT_EQ(jiro[0].months[0].month, KeyOf(2017, 3));
}

TEST(FolderProblem, namesAMissingFolderAndAFile) {
    QTemporaryDir dir;
    Touch(dir, QStringLiteral("a.csv"));
    EXPECT_TRUE(FolderProblem(dir.path()).isEmpty());
    EXPECT_TRUE(
        FolderProblem(dir.filePath(QStringLiteral("gone"))).contains(QStringLiteral("gone")));
    EXPECT_FALSE(FolderProblem(dir.filePath(QStringLiteral("a.csv"))).isEmpty());
}

}  // namespace
