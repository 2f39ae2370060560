// Taking a day up again at start-up from today's row.
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
    const QString path = MonthSheetPath(state_, UserName());
    if (!FileExists(path)) {
        return;
    }
    // Today's row wherever it stands in the sheet; none when no line, or more than one, is it.
    const auto row = ReadDayRow(path, int(TodayIndex()), state_.SheetLines);
    const auto recorded = row ? RecordedDayOf(*row) : std::nullopt;
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
    rowEndKnown_ = MakeDayEnd(day.outHour, day.outMinute, day.reasons);
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
