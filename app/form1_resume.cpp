// Taking a day up again: at start-up from today's row, and at save from a sheet that could not
// be read when the day opened.
#include "colours.h"
#include "form1.h"
#include "month_sheet.h"
#include "work_clock.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>

// A start on a day whose row already holds an in-time carries the day on from it. A day whose
// row holds an end time as well comes back closed, as OUT left it; IN reopens it.
void Form1::ResumeOpenDay() {
    if (!FileExists(MonthSheetPath(state_, UserName()))) {
        return;
    }
    const SheetReadResult read = ReadMonthSheet(state_, UserName());
    if (!read.opened || !read.error.isEmpty()) {
        return;
    }
    sheetOnDisk_ = true;
    const auto recorded = RecordedDayOf(state_.SheetLines[TodayIndex()].text());
    if (!recorded) {
        return;
    }
    TakeUpRecordedDay(*recorded);
    Text1->hide();
    const QDateTime now = clock_.now();
    Label1->setText(DateText(now.date()));
    Label2->setText(TimeText(now.time()));
    Timer1->start();
    SetBackColour(Command1, ActiveButtonColour);
    if (recorded->isClosed()) {
        SetBackColour(Command2, ActiveButtonColour);
        state_.ClockedIn = false;
    } else {
        state_.ClockedIn = true;
    }
}

// The row stays as it stands; the window takes its in-time, end time and reasons.
void Form1::TakeUpRecordedDay(const RecordedDay& day) {
    state_.SheetInSeconds = day.inSeconds;
    state_.StartSeconds = day.inSeconds;
    state_.InHour = day.inHour;
    state_.InMinute = day.inMinute;
    state_.OutHour = day.outHour;
    state_.OutMinute = day.outMinute;
    ShowReasonsOf(day.reasons);
}

// The letters a row holds tick their boxes without being counted again. A box's letter is kept
// once, so that unticking the box takes it out of the row; other text is kept as it stands.
void Form1::ShowReasonsOf(const QString& letters) {
    QString kept;
    for (const QChar c : letters) {
        const bool isBoxLetter = std::any_of(
            Check2.begin(), Check2.end(), [c](QCheckBox* box) { return box->text().at(0) == c; });
        if (!isBoxLetter || !kept.contains(c)) {
            kept += c;
        }
    }
    state_.ReasonCodes = kept;
    for (QCheckBox* box : Check2) {
        const QSignalBlocker quiet(box);
        box->setChecked(kept.contains(box->text().at(0)));
    }
}

// The table does not stand for the sheet on disk: it could not be read when the day opened, or
// it turned up only after the day was opened on a blank month. Read it now and carry the header
// and today's row over, unless the sheet's own row for today already holds an in-time: that
// earlier record stands.
bool Form1::TakeUpSheetOnDisk() {
    const QString path = MonthSheetPath(state_, UserName());
    SheetTable lines;
    sheetOnDisk_ = FileExists(path);
    if (sheetOnDisk_) {
        const SheetReadResult read = ReadSheetFile(path, lines);
        if (!read.opened || !read.error.isEmpty()) {
            return false;
        }
    } else {
        for (int day = 1; day <= 31; ++day) {
            lines[size_t(day)] = NumberText(day) + QStringLiteral(",,,,,");
        }
    }
    const size_t today = TodayIndex();
    lines[0] = state_.SheetLines[0];
    if (const auto recorded = RecordedDayOf(lines[today].text())) {
        state_.StartSeconds = recorded->inSeconds;
    } else {
        lines[today] = state_.SheetLines[today];
    }
    state_.SheetLines = lines;
    sheetHeld_ = true;
    return true;
}
