#include "app/messages.h"

#include <gtest/gtest.h>

namespace {

// Which message a save that wrote nothing gets, by what stopped it: the sheet's place, its size,
// a sheet that could not be read (at IN the day goes on in the window), a row not found once, an
// in-time that is no time, a write that failed. Each names the sheet and its own reason, and
// the button to press again is the one pressed.
TEST(SaveFailureMessage, eachStopGetsItsOwnMessage) {
    const QString path = QStringLiteral("/w/Taro 17 7.csv");
    const auto stopped = [&path](const FileOutcome& outcome) {
        DaySaveResult saved;
        saved.outcome = outcome;
        saved.outcome.path = path;
        return saved;
    };
    DaySaveResult twice = stopped(FileOutcome::done(path));
    twice.rowUnclear = true;
    twice.place.finding = DayRowFinding::Duplicated;
    twice.place.lines = {5, 9};
    DaySaveResult unreadable = stopped(FileOutcome::done(path));
    unreadable.unreadableInTime = QStringLiteral(" 5,8:30,,,,");
    unreadable.place.line = 5;
    struct Case {
        DaySaveResult saved;
        bool atIn;
        const char* words;
    };
    const Case cases[] = {
        {stopped(FileOutcome::notAFile(path, FileKind::Link)), false, "出勤簿ではないため"},
        {stopped(FileOutcome::tooLarge(path, 5 << 20, 4 << 20)), false, "大きすぎるため"},
        {stopped(FileOutcome::unreadable(path, "EIO")), true, "OUT のときにもう一度読んで"},
        {stopped(FileOutcome::unreadable(path, "EIO")), false, "上書きせずにおきます"},
        {twice, false, "5日の行が 2 つ (6、10 行目)"},
        {unreadable, true, "6 行目「 5,8:30,,,,」) の始業時刻を時刻として読めない"},
        {stopped(FileOutcome::unwritable(path, QFileDevice::WriteError, "EIO")), false,
         "保存できませんでした"},
        {stopped(FileOutcome::unstorable(path, U'€')), true, "U+20AC) は保存できない文字です"},
    };
    for (const Case& c : cases) {
        for (const QString& again :
             {QStringLiteral("OUT"), QStringLiteral("SAVE"), QStringLiteral("×")}) {
            const QString message = SaveFailureMessage(c.saved, 5, c.atIn ? QString() : again);
            EXPECT_TRUE(message.contains(QString::fromUtf8(c.words))) << message.toStdString();
            EXPECT_TRUE(message.contains(QStringLiteral("ファイル: ") + path))
                << message.toStdString();
            if (!c.atIn) {
                // A press of × is not told to press OUT.
                EXPECT_TRUE(message.contains(QStringLiteral("もう一度 %1 を押").arg(again)) &&
                            message.count(QStringLiteral("OUT")) == int(again == "OUT"))
                    << message.toStdString();
            }
        }
    }
}

}  // namespace
