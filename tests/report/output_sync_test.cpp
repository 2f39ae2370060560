// A disk that cannot take the report's output (the flush before the rename fails): the output is
// not written, the file that was there stays byte for byte, and the error says why.
#include "report/report_output.h"
#include "tests/support/failing_sync.h"
#include "tests/support/files.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

TEST(OutputSync, aReportWhoseFlushFailsLeavesTheOldOutputAndSaysWhy) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.csv"));
    PutFileBytes(path, "last month");
    const QByteArray png = PngBytes(QImage(4, 4, QImage::Format_RGB32));
    ASSERT_FALSE(png.isEmpty());
    FailFlushesWith(EIO);
    const QString error = WriteOutput(path, "this month");
    const QString pngError = WriteOutput(path, png);
    FailFlushesWith(0);
    EXPECT_TRUE(error.contains(QStringLiteral("report.csv")) &&
                error.contains(QString::fromLocal8Bit(std::strerror(EIO))))
        << error.toStdString();
    EXPECT_FALSE(pngError.isEmpty());
    EXPECT_EQ(FileBytes(path), "last month");
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{QStringLiteral("report.csv")});
}

}  // namespace
