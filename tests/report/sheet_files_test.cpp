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
         {"Taro 17 4.csv", "Taro 18 3.csv", "Taro 18 4.csv", "Hanako Sato 17 9.csv",
          "Jiro 17 3.csv", "notes.csv", "omb.ini", "~$Taro 17 5.csv"}) {
        Touch(dir, QString::fromUtf8(name));
    }
    const QList<PersonSheets> people = ScanFolder(dir.path(), KeyOf(2017, 4), KeyOf(2018, 3));
    ASSERT_EQ(people.size(), 2);
    EXPECT_EQ(people[0].person, QStringLiteral("Hanako Sato"));
    EXPECT_EQ(people[1].person, QStringLiteral("Taro"));
    EXPECT_EQ(people[1].months, (QList<MonthKey>{KeyOf(2017, 4), KeyOf(2018, 3)}));

    const QList<PersonSheets> jiro =
        ScanFolder(dir.path(), KeyOf(2000, 1), KeyOf(2099, 12), QStringLiteral("Jiro"));
    ASSERT_EQ(jiro.size(), 1);
    EXPECT_EQ(jiro[0].months, QList<MonthKey>{KeyOf(2017, 3)});
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
