#include "desktop/windows/records_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void Put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

TEST(RecordsFolder, variableThenThePersonsFileThenTheMachinesThenDocuments) {
    QTemporaryDir dir;
    RecordsFolderPlaces places;
    places.home = QStringLiteral("C:/Users/taro");
    places.user = QStringLiteral("taro");
    places.documents = QStringLiteral("C:/Users/taro/Documents");
    places.settingsFiles = {dir.filePath("person/Ombrel/folder"),
                            dir.filePath("machine/Ombrel/folder")};
    places.environment = [](const QString& name) {
        return name == QLatin1String("USERNAME") ? QStringLiteral("taro") : QString();
    };
    EXPECT_EQ(ChooseRecordsFolder(places), "C:/Users/taro/Documents/Ombrel");

    // The machine's file: the first line that is neither blank nor a comment, a share per person.
    Put(places.settingsFiles[1],
        "\xEF\xBB\xBF# all teachers\r\n\r\n\\\\staff\\ombrel\\%USERNAME%\r\n");
    EXPECT_EQ(QDir::toNativeSeparators(ChooseRecordsFolder(places)), "\\\\staff\\ombrel\\taro");
    // The person's own file comes first; a relative folder is taken from the home folder.
    Put(places.settingsFiles[0], "Records/$USER\n");
    EXPECT_EQ(ChooseRecordsFolder(places), "C:/Users/taro/Records/taro");
    // The variable comes before both; an unknown %NAME% stays as it is written.
    places.variable = QStringLiteral("~/clock %NOSUCH%");
    EXPECT_EQ(ChooseRecordsFolder(places), "C:/Users/taro/clock %NOSUCH%");
}

}  // namespace
