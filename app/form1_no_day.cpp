// OUT and × pressed with no day open in this window: IN forgotten in the morning, or pressed on
// another PC (or typed into the sheet in a spreadsheet) after this window started. Today's row on
// disk decides what the press does; nothing is made up, and OUT lights only after a save that
// reached the disk.
#include "app/form1.h"
#include "app/messages.h"
#include "records/month_sheet.h"
#include "records/name_file.h"

#include <QLineEdit>

namespace {

// Reasons a row holds without an in-time (typed into it) go into the question as ticked.
QString ReasonsOf(const QString& row) {
    return row.section(QLatin1Char(','), 5);
}

}  // namespace

// An in-time without an end is taken up as start-up takes up today's row and closed as OUT closes
// it; an end someone else gave the day is set beside this press's and kept unless the person
// replaces it; a day this window closed itself stays closed. A row without an in-time asks when
// today began.
void Form1::OutWithNoDayOpen(const QDateTime& pressed) {
    if (!NameForTheDay()) {
        return;
    }
    if (IsLaterDate(state_.Date, pressed)) {
        TakeUpNewDate(pressed);
    }
    const DaySaveResult today = LookAtDayRow(state_.AppDir, UserName(), state_.Date);
    if (!today.ok()) {
        TellSaveFailure(today, state_.Date, SaveMoment::Later);
        return;
    }
    const auto recorded = RecordedDayOf(today.row);
    if (!recorded) {
        AskWhenTodayBegan(pressed, today.row);
        return;
    }
    if (recorded->isClosed() && DayEndOf(today.row) == rowEndKnown_) {
        Tell(DayAlreadyClosedMessage(ClockText(recorded->outHour, recorded->outMinute)));
        return;
    }
    WriteNameFile(AppFile(kNameFileName), UserName());
    TakeUpRecordedDay(*recorded);
    // Not this window's end: the save shows it beside the press's and asks before replacing it.
    rowEndKnown_ = {};
    ShowDayRunning(pressed);
    ApplyPhase(DayPhase::Open);
    CloseOpenDay();
}

// × saves a day left open elsewhere with the moment of the press, as it would had start-up taken
// the day up; a day with no in-time, or closed already, is left as it is.
void Form1::TakeUpDayOpenElsewhere(const QDateTime& pressed) {
    if (UserName() == kPromptText || !NameProblem(UserName()).isEmpty()) {
        return;
    }
    const QDate date = pressed.date();
    const auto recorded = RecordedDayOf(LookAtDayRow(state_.AppDir, UserName(), date).row);
    if (!recorded || recorded->isClosed()) {
        return;
    }
    if (IsLaterDate(state_.Date, pressed)) {
        TakeUpNewDate(pressed);
    }
    TakeUpRecordedDay(*recorded);
    ShowDayRunning(pressed);
    ApplyPhase(DayPhase::Open);
}

// The answer is saved at once as the day's in-time, with the press as its end and the reasons
// ticked in the question. A save that fails leaves the day open with that in-time, for the next
// OUT to save; Escape writes nothing and leaves the window as it was.
void Form1::AskWhenTodayBegan(const QDateTime& pressed, const QString& row) {
    const QString endHour = pressed.time().toString(QStringLiteral("HH"));
    const QString endMinute = pressed.time().toString(QStringLiteral("mm"));
    DayQuestion question;
    question.asked = DayQuestion::Asked::Start;
    question.date = state_.Date;
    question.hour = endHour;
    question.minute = endMinute;
    question.reasons = ReasonsOf(row);
    DayAnswer answer;
    if (!AskAboutDay(question, answer)) {
        return;
    }
    WriteNameFile(AppFile(kNameFileName), UserName());
    state_.InHour = answer.hour;
    state_.InMinute = answer.minute;
    state_.SheetInSeconds = float(answer.hour.toInt() * 3600 + answer.minute.toInt() * 60);
    state_.StartSeconds = state_.SheetInSeconds;
    state_.OutHour = endHour;
    state_.OutMinute = endMinute;
    ShowReasonsOf(answer.reasons);
    // An end the row held without an in-time is someone else's: the save asks before replacing it.
    rowEndKnown_ = {};
    ShowDayRunning(pressed);
    ApplyPhase(DayPhase::Open);
    if (WriteDay(SaveMoment::Later, OthersEnd::Ask) != SaveOutcome::Failed) {
        ApplyPhase(DayPhase::Closed);
    }
}
