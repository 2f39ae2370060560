// Taking a day up again at start-up from today's row.
#include "app/form1.h"
#include "clock/work_clock.h"
#include "records/month_sheet.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

// A start on a day whose row already holds an in-time carries the day on from it. A day whose
// row holds an end time as well comes back closed, as OUT left it; IN reopens it.
void Form1::ResumeOpenDay() {
    const QString path = MonthSheetPath(state_, UserName());
    if (!FileExists(path)) {
        return;
    }
    // Today's row wherever it stands in the sheet; none when no line, or more than one, is it.
    const DayRowRead read = ReadDayRow(path, int(TodayIndex()), state_.SheetLines);
    const auto recorded = RecordedDayOf(read.row);
    if (!recorded) {
        return;
    }
    TakeUpRecordedDay(*recorded);
    ShowDayRunning(clock_.now());
    // Taken up as a clock-in of this run, and closed again when the row holds an end.
    ApplyPhase(DayPhase::Open);
    if (recorded->isClosed()) {
        ApplyPhase(DayPhase::Closed);
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

// The letters a row holds tick their boxes without being counted again.
void Form1::ShowReasonsOf(const QString& letters) {
    state_.ReasonCodes = ReasonsAsTicked(letters);
    for (QCheckBox* box : Check2) {
        const QSignalBlocker quiet(box);
        box->setChecked(state_.ReasonCodes.contains(box->text().at(0)));
    }
}
