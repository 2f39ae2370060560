#pragma once

#include "records/file_outcome.h"

#include <QByteArray>
#include <QString>

#include <chrono>

// A save's hold on one month sheet. Two saves of the same sheet (two copies of the clock, on one
// PC or on two that share the folder) would otherwise both read the sheet as it was, and the
// later rename would drop the row the other one wrote. The hold is a file beside the sheet,
// ".<sheet>.ombrel-lock", made only where no file is (a file server grants that to one client
// alone); it names the PC that made it and when. A save that finds one waits for it to go. One
// older than a minute was left by a save that never finished (the program killed, the PC
// switched off, the share dropped) and is taken over: a save holds it for well under a second.
//
// Neither the clean-up of a save's leftovers (whole_file_save.h) nor the report's reading of a
// folder takes the file for one of theirs: it does not end in ".csv", nor in six letters after
// ".ombrel-".

// How long a save waits for another one to finish before it gives up and says so.
inline constexpr std::chrono::milliseconds kSheetLockWait{3000};
// A hold this old was left behind.
inline constexpr std::chrono::seconds kSheetLockStaleAfter{60};

// ".Taro 17 7.csv.ombrel-lock" beside "Taro 17 7.csv".
QString SheetLockPath(const QString& sheetPath);

class SheetLock {
public:
    // Takes the hold on the sheet at `sheetPath`, waiting up to `wait` for another to let go.
    explicit SheetLock(const QString& sheetPath, std::chrono::milliseconds wait = kSheetLockWait);
    // Lets go, unless another save has taken the hold over meanwhile.
    ~SheetLock();
    SheetLock(const SheetLock&) = delete;
    SheetLock& operator=(const SheetLock&) = delete;

    bool held() const { return held_; }
    // When not held, why: another save holds the sheet (FileFailure::Busy, naming its PC and
    // since when), or the folder takes no file. The path is the sheet's.
    const FileOutcome& outcome() const { return outcome_; }

private:
    QString path_;
    QByteArray content_;
    bool held_ = false;
    FileOutcome outcome_;
};
