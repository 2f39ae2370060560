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

class RecordsFolder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        places.home = QStringLiteral("C:/Users/taro");
        places.user = QStringLiteral("taro");
        places.documents = QStringLiteral("C:/Users/taro/Documents");
        places.settingsFiles = {dir.filePath("person/Ombrel/folder"),
                                dir.filePath("machine/Ombrel/folder")};
        places.environment = [](const QString& name) {
            return name == QLatin1String("USERNAME") ? QStringLiteral("taro") : QString();
        };
        places.codePage = 932;
    }

    QString Chosen() const { return QDir::toNativeSeparators(ChooseRecordsFolder(places).folder); }

    QTemporaryDir dir;
    RecordsFolderPlaces places;
};

TEST_F(RecordsFolder, variableThenThePersonsFileThenTheMachinesThenDocuments) {
    EXPECT_EQ(ChooseRecordsFolder(places).folder, "C:/Users/taro/Documents/Ombrel");
    EXPECT_EQ(ChooseRecordsFolder(places).origin, RecordsFolderOrigin::Documents);

    // The machine's file: the first line that is neither blank nor a comment, a share per person.
    Put(places.settingsFiles[1],
        "\xEF\xBB\xBF# all teachers\r\n\r\n\\\\staff\\ombrel\\%USERNAME%\r\n");
    EXPECT_EQ(Chosen(), "\\\\staff\\ombrel\\taro");
    EXPECT_EQ(ChooseRecordsFolder(places).settingsFile, places.settingsFiles[1]);
    // The person's own file comes first; a relative folder is taken from the home folder.
    Put(places.settingsFiles[0], "Records/$USER\n");
    EXPECT_EQ(ChooseRecordsFolder(places).folder, "C:/Users/taro/Records/taro");
    EXPECT_EQ(ChooseRecordsFolder(places).settingsFile, places.settingsFiles[0]);
    // The variable comes before both; an unknown %NAME% stays as it is written.
    places.variable = QStringLiteral("~/clock %NOSUCH%");
    EXPECT_EQ(ChooseRecordsFolder(places).folder, "C:/Users/taro/clock %NOSUCH%");
    EXPECT_EQ(ChooseRecordsFolder(places).origin, RecordsFolderOrigin::Variable);
}

// A batch file's `echo S:\職員\出勤簿\%%USERNAME%%> file` writes the console's code page (932);
// Notepad writes UTF-8, with its mark or without. Bytes that are neither stop the choice rather
// than send the records elsewhere.
TEST_F(RecordsFolder, aSettingIsUtf8OrInTheSystemsCodePageAndOtherwiseStopsTheLauncher) {
    const QString share = QStringLiteral("S:\\職員\\出勤簿\\taro");
    const QByteArray written = "S:\\\x90\x45\x88\xf5\\\x8f\x6f\x8b\xce\x95\xeb\\%USERNAME%\r\n";
    const QByteArray utf8 = QStringLiteral("S:\\職員\\出勤簿\\%USERNAME%\r\n").toUtf8();
    for (const QByteArray& bytes : {written, utf8, "\xEF\xBB\xBF" + utf8}) {
        Put(places.settingsFiles[1], bytes);
        EXPECT_EQ(Chosen(), share) << bytes.toHex().toStdString();
    }
    const QString problem = RecordsFolderProblem(ChooseRecordsFolder(places));
    for (const QString& named : {share, QDir::toNativeSeparators(places.settingsFiles[1]),
                                 QStringLiteral("S: がつながっているか")}) {
        EXPECT_TRUE(problem.contains(named)) << problem.toStdString();
    }

    // A lead byte of the code page without its second byte: neither UTF-8 nor CP932.
    Put(places.settingsFiles[0], "D:\\\x90\x20\\records\r\n");
    const RecordsFolderChoice refused = ChooseRecordsFolder(places);
    EXPECT_TRUE(refused.folder.isEmpty());
    EXPECT_EQ(refused.settingsFile, places.settingsFiles[0]);
    EXPECT_FALSE(refused.unreadable.isEmpty());
    EXPECT_TRUE(
        RecordsFolderProblem(refused).contains(QDir::toNativeSeparators(places.settingsFiles[0])));
}

}  // namespace
