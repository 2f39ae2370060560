#include "records/name_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A name file reads back as the name it holds, whether the clock wrote it (CP932) or an editor
// saved it as UTF-8, with or without its mark; many short half-width katakana names are valid
// UTF-8 as well, and many UTF-8 names valid CP932.
TEST(NameFile, realNamesReadBackAsTheyWereWrittenInEitherEncoding) {
    enum class Written { ByTheClock, Utf8, Utf8WithMark };
    struct Case {
        QString name;
        Written written;
    };
    const Case cases[] = {
        {QStringLiteral("ﾐｷ"), Written::ByTheClock},  // D0 B7: "з" in UTF-8
        {QStringLiteral("ﾕｷ"), Written::ByTheClock},  // D5 B7: U+0577
        {QStringLiteral("ﾅｵ ｻﾄｳ"), Written::ByTheClock},
        {QStringLiteral("ﾏｷ"), Written::ByTheClock},
        {QStringLiteral("山田 太郎"), Written::ByTheClock},
        {QStringLiteral("髙橋"), Written::ByTheClock},
        {QStringLiteral("山田 太郎"), Written::Utf8},  // E5 B1 B1...: CP932 reads "螻ｱ逕ｰ"
        {QStringLiteral("たなか ゆき"), Written::Utf8},
        {QStringLiteral("髙橋"), Written::Utf8},
        {QStringLiteral("ﾐｷ"), Written::Utf8WithMark},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("omb.ini"));
    for (const Case& c : cases) {
        QFile::remove(path);
        if (c.written == Written::ByTheClock) {
            ASSERT_EQ(NameProblem(c.name), QString()) << c.name.toStdString();
            ASSERT_TRUE(WriteNameFile(path, c.name).ok());
        } else {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write((c.written == Written::Utf8WithMark ? "\xEF\xBB\xBF" : "") +
                       c.name.toUtf8() + "\r\n");
        }
        const NameFileRead read = ReadNameFile(path);
        EXPECT_EQ(read.name.value_or(QStringLiteral("(none)")), c.name)
            << c.name.toStdString() << " " << int(c.written) << ": " << read.refused.toStdString();
    }
    // A Latin name is read as the editor saved it ("ﾃｩ" is C3 A9, "é"), and refused for what it
    // is: a letter CP932 cannot hold, never taken for another name.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QStringLiteral("José\r\n").toUtf8());
    file.close();
    EXPECT_TRUE(ReadNameFile(path).refused.contains(QStringLiteral("U+00E9")));
    // A name whose CP932 bytes would come back as another name is refused before it is written.
    EXPECT_NE(NameProblem(QStringLiteral("Taroﾃｨ")), QString());  // C3 A8 reads "è"
}

}  // namespace
