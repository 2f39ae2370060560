#include "report/sheet_loader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <functional>

namespace {

// Taro's July 2017 sheet as bytes on disk.
class SheetLoader : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString SheetPath() const { return dir_.filePath(QStringLiteral("Taro 17 7.csv")); }

    void Put(const QByteArray& bytes) const {
        QFile file(SheetPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    LoadedMonth Load() const {
        const LoadSettings settings{dir_.path(), 45, QDate(2017, 8, 15)};
        return LoadSheet(settings, QStringLiteral("Taro 17 7.csv"), KeyOf(2017, 7), true);
    }

    // The header, then rows 1 to `lastDay`, days 1 and 2 worked 08:00 to 17:00, each line
    // ended by `end`.
    static QByteArray Rows(int lastDay, const QByteArray& end) {
        QByteArray bytes = " 7\x8c\x8e\x81\x5e\x93\xfa,a,b,c,d,e,f,Taro" + end;
        for (int day = 1; day <= lastDay; ++day) {
            bytes += ' ' + QByteArray::number(day) + (day <= 2 ? ",08,00,17,00," : ",,,,,") + end;
        }
        return bytes;
    }

    QTemporaryDir dir_;
};

TEST_F(SheetLoader, damagedSheetsAreNamedNeverSilentlyEmpty) {
    struct Case {
        const char* name;
        QByteArray bytes;
        int days;           // that still count
        QStringList looks;  // words in the details, in order
    };
    const Case cases[] = {
        {"CR line ends", Rows(31, "\r"), 2, {}},
        {"twenty lines", Rows(19, "\r\n"), 2, {QStringLiteral("20 行しか")}},
        {"empty", QByteArray(), 0, {QStringLiteral("空")}},
        {"whole", Rows(31, "\r\n"), 2, {}},
    };
    for (const Case& c : cases) {
        Put(c.bytes);
        const LoadedMonth loaded = Load();
        EXPECT_EQ(loaded.presence, SheetPresence::Read) << c.name;
        EXPECT_EQ(loaded.sheet.totals.days, c.days) << c.name;
        ASSERT_EQ(loaded.sheet.looks.size(), c.looks.size()) << c.name;
        for (qsizetype i = 0; i < c.looks.size(); ++i) {
            EXPECT_EQ(loaded.sheet.looks[i].file, QStringLiteral("Taro 17 7.csv"));
            EXPECT_TRUE(loaded.sheet.looks[i].detail.contains(c.looks[i]))
                << c.name << ": " << loaded.sheet.looks[i].detail.toStdString();
        }
    }
}

// FIFOs, /dev/zero and symbolic links are POSIX's; on Windows QFile::link makes a .lnk shortcut.
#ifndef _WIN32
// None of these may be read: a FIFO never ends without a writer, /dev/zero never ends at all,
// and a huge file without line breaks would be read whole as one line.
TEST_F(SheetLoader, whatIsNotAPlainSheetSizedFileIsUnreadable) {
    const auto link = [this](const QString& target) {
        ASSERT_TRUE(QFile::link(target, SheetPath()));
    };
    struct Case {
        const char* name;
        std::function<void()> make;
        QString said;
    };
    const Case cases[] = {
        {"FIFO", [this] { ASSERT_EQ(mkfifo(QFile::encodeName(SheetPath()), 0600), 0); },
         QStringLiteral("パイプ")},
        {"link to /dev/zero", [&link] { link(QStringLiteral("/dev/zero")); },
         QStringLiteral("リンク")},
        {"folder", [this] { ASSERT_TRUE(QDir().mkdir(SheetPath())); }, QStringLiteral("フォルダ")},
        {"dangling link", [&link] { link(QStringLiteral("gone.csv")); }, QStringLiteral("リンク")},
        {"5 MiB", [this] { Put(QByteArray(5 * 1024 * 1024, 'x')); }, QStringLiteral("大きすぎ")},
    };
    for (const Case& c : cases) {
        QFile::remove(SheetPath());
        QDir().rmdir(SheetPath());
        c.make();
        const LoadedMonth loaded = Load();
        EXPECT_EQ(loaded.presence, SheetPresence::Unreadable) << c.name;
        ASSERT_EQ(loaded.sheet.looks.size(), 1) << c.name;
        EXPECT_EQ(loaded.sheet.looks[0].reason, LookReason::UnreadableSheet) << c.name;
        EXPECT_TRUE(loaded.sheet.looks[0].detail.contains(c.said))
            << c.name << ": " << loaded.sheet.looks[0].detail.toStdString();
    }
}

#endif

}  // namespace
