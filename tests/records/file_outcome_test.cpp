#include "records/file_outcome.h"
#include "records/cp932.h"

#include <gtest/gtest.h>

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

}  // namespace
