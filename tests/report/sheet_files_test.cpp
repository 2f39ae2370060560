#include "report/sheet_files.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(SheetFileNames, theNameIsWhateverStandsBeforeTheLastTwoNumbers) {
    struct Case {
        QString file;
        QString person;
        int year, month;
    };
    const Case cases[] = {
        {QStringLiteral("Taro 17 7.csv"), QStringLiteral("Taro"), 2017, 7},
        {QStringLiteral("Taro 9 1.csv"), QStringLiteral("Taro"), 2009, 1},
        {QStringLiteral("Taro 17 12.csv"), QStringLiteral("Taro"), 2017, 12},
        {QStringLiteral("山田 太郎 17 4.csv"), QStringLiteral("山田 太郎"), 2017, 4},
        {QStringLiteral("Room 12 17 4.csv"), QStringLiteral("Room 12"), 2017, 4},
        {QStringLiteral(" 17 7.csv"), QString(), 2017, 7},
        {QStringLiteral(" Taro  0 4.csv"), QStringLiteral(" Taro "), 2000, 4},
    };
    for (const Case& c : cases) {
        const auto name = ParseSheetFileName(c.file);
        ASSERT_TRUE(name.has_value()) << c.file.toStdString();
        EXPECT_EQ(name->person, c.person) << c.file.toStdString();
        EXPECT_EQ(name->year, c.year) << c.file.toStdString();
        EXPECT_EQ(name->month, c.month) << c.file.toStdString();
        EXPECT_EQ(SheetFileName(name->person, name->year, name->month), c.file);
    }
}

TEST(SheetFileNames, otherFilesAreNotSheets) {
    const QString others[] = {
        QStringLiteral("Taro 17 13.csv"), QStringLiteral("Taro 17 0.csv"),
        QStringLiteral("Taro 17 07.csv"), QStringLiteral("Taro 017 7.csv"),
        QStringLiteral("Taro 100 7.csv"), QStringLiteral("Taro17 7.csv"),
        QStringLiteral("Taro 17 7.txt"),  QStringLiteral("Taro 17 7.csv.bak"),
        QStringLiteral("omb.ini"),        QStringLiteral("Taro 17 x.csv"),
        QStringLiteral("17 7.csv"),
    };
    for (const QString& file : others) {
        EXPECT_FALSE(ParseSheetFileName(file).has_value()) << file.toStdString();
    }
}

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
