#include "records/file_outcome.h"

#include "records/cp932.h"
#include "records/small_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

// Each kind of failure in the person's words, with what makes it theirs: the thing in the file's
// place, the size and the limit, the system's reason, the character. The report puts them into a
// CP932 CSV as they stand, so they must encode.
TEST(FileOutcome, eachFailureIsWordedOnceWithItsDetailAndFitsCp932) {
    const QString path = QStringLiteral("/srv/Taro 17 7.csv");
    EXPECT_TRUE(FileOutcome::done(path).ok());
    EXPECT_TRUE(FileOutcome::done(path).why().isEmpty());
    struct Case {
        FileOutcome outcome;
        QString words;
    };
    const Case cases[] = {
        {FileOutcome::absent(path), QStringLiteral("ファイルがありません")},
        {FileOutcome::notAFile(path, FileKind::Link), QStringLiteral("ではなくリンクです")},
        {FileOutcome::notAFile(path, FileKind::Pipe), QStringLiteral("パイプ (FIFO)")},
        {FileOutcome::tooLarge(path, 5242880, 4194304),
         QStringLiteral("5242880 バイトあり、大きすぎます (4096 KiB まで)")},
        {FileOutcome::unreadable(path, QStringLiteral("Permission denied")),
         QStringLiteral("読めません (Permission denied)")},
        {FileOutcome::notText(path, TextEncoding::Utf8), QStringLiteral("UTF-8 として")},
        {FileOutcome::notText(path, TextEncoding::Cp932), QStringLiteral("(CP932) として")},
        {FileOutcome::unstorable(path, U'😀'), QStringLiteral("U+1F600) は保存できない文字です")},
        {FileOutcome::unwritable(path, QFileDevice::ResourceError,
                                 QStringLiteral("No space left on device")),
         QStringLiteral("ディスクの空きが足りません (No space left on device)")},
    };
    for (const Case& c : cases) {
        const QString why = c.outcome.why();
        EXPECT_FALSE(c.outcome.ok()) << why.toStdString();
        EXPECT_EQ(c.outcome.path, path);
        EXPECT_TRUE(why.contains(c.words)) << why.toStdString();
        // The one that names a character CP932 cannot hold is only ever shown in the window.
        if (c.outcome.failure != FileFailure::Unstorable) {
            EXPECT_TRUE(EncodeCp932(why).ok) << why.toStdString();
        }
    }
}

#ifndef _WIN32  // QFile::link makes a shortcut on Windows, and mkfifo is POSIX's
// The clock's own files refuse a link; a file the person names (the school calendar) is read
// through one, and a link to a FIFO or to nowhere is still never waited on.
TEST(SmallFile, aLinkIsRefusedOrFollowedAsAskedAndNeverWaitedOn) {
    QTemporaryDir dir;
    const auto path = [&dir](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    QFile file(path("real.csv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("2018/12/1,出\n") > 0);
    file.close();
    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(path("real.csv"), path("to-real")) &&
                QFile::link(path("pipe"), path("to-pipe")) &&
                QFile::link(path("gone"), path("to-gone")));
    EXPECT_EQ(ReadSmallFile(path("to-real"), 100).outcome.found, FileKind::Link);
    EXPECT_EQ(ReadSmallFile(path("to-real"), 100, Links::Followed).bytes, "2018/12/1,出\n");
    const FileOutcome pipe = ReadSmallFile(path("to-pipe"), 100, Links::Followed).outcome;
    EXPECT_EQ(pipe.failure, FileFailure::NotAFile);
    EXPECT_EQ(pipe.found, FileKind::Pipe);
    EXPECT_EQ(ReadSmallFile(path("to-gone"), 100, Links::Followed).outcome.failure,
              FileFailure::Unreadable);
    EXPECT_EQ(ReadSmallFile(path("missing"), 100, Links::Followed).outcome.failure,
              FileFailure::Absent);
}
#endif

}  // namespace
