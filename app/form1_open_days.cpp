// Days left open on an earlier date are closed by asking the person when they ended, never by
// guessing: the window's own day at any press (IN, OUT, SAVE, ×) on a later date, whose time of
// day is no end of that day; and once a run, at the first IN, the latest earlier day of the
// sheets.
#include "app/form1.h"
#include "app/open_day_dialog.h"
#include "app/questions.h"
#include "records/month_sheet.h"

#include <QPushButton>

bool Form1::AskAboutDaysLeftOpen(const QDateTime& pressed) {
    if (DayIsOpen(Phase()) && IsLaterDate(state_.Date, pressed) &&
        !declinedDays_.count(state_.Date) && AskWhenWindowDayEnded() == Answer::NotSaved) {
        return false;
    }
    if (earlierDayLookedAt_) {
        return true;
    }
    const auto day = LatestDayLeftOpen(state_.AppDir, UserName(), pressed.date());
    const bool windowsOwn = day && DayIsOpen(Phase()) && day->date == state_.Date;
    if (day && !windowsOwn && !declinedDays_.count(day->date) &&
        AskWhenSheetDayEnded(*day) == Answer::NotSaved) {
        return false;
    }
    earlierDayLookedAt_ = true;
    return true;
}

bool Form1::AskAboutStaleOpenDay(const QDateTime& now, bool& asked) {
    asked =
        DayIsOpen(Phase()) && !declinedDays_.count(state_.Date) && IsLaterDate(state_.Date, now);
    return !asked || AskWhenWindowDayEnded(now) != Answer::NotSaved;
}

// The answer closes the window's day as OUT would, with the end time typed. Without an answer
// the row stays as it is on disk and the window lets go of the day: no end time is made up. A day
// closed meanwhile by someone else (another PC's clock) needs no answer: it keeps their end.
// Pressed to end the day on the next date, within a day of the in-time, the question offers the
// moment of the press as a night's end ("24:30"), to be taken with Return or typed over.
Form1::Answer Form1::AskWhenWindowDayEnded(const QDateTime& endingPress) {
    SheetTable scratch = BlankMonth();
    const DayRowRead read = ReadDayRow(MonthSheetPath(state_.AppDir, UserName(), state_.Date),
                                       state_.Date.day(), scratch);
    if (const DayEnd onDisk = DayEndOf(read.row);
        !onDisk.outHour.isEmpty() && onDisk != rowEndKnown_) {
        TakeUpEndOnDisk(onDisk);
        ApplyPhase(DayPhase::Closed);
        return Answer::Recorded;
    }
    DayQuestion question;
    question.date = state_.Date;
    question.hour = state_.InHour;
    question.minute = state_.InMinute;
    question.reasons = state_.ReasonCodes;
    if (endingPress.isValid()) {
        question.filledIn = NightEndAt(state_.Date, state_.InHour, state_.InMinute, endingPress);
    }
    DayAnswer answer;
    if (!AskAboutDay(question, answer)) {
        declinedDays_.insert(state_.Date);
        ApplyPhase(DayPhase::LetGo);
        return Answer::Declined;
    }
    state_.OutHour = answer.hour;
    state_.OutMinute = answer.minute;
    ShowReasonsOf(answer.reasons);
    if (WriteDay(SaveMoment::Later, OthersEnd::Ask) == SaveOutcome::Failed) {
        return Answer::NotSaved;
    }
    ApplyPhase(DayPhase::Closed);
    return Answer::Recorded;
}

Form1::Answer Form1::AskWhenSheetDayEnded(const DayLeftOpen& day) {
    const RecordedDay& recorded = day.recorded;
    DayQuestion question;
    question.date = day.date;
    question.hour = recorded.inHour;
    question.minute = recorded.inMinute;
    question.reasons = recorded.reasons;
    // A row asked about with an end time holds one before its in-time: the question says so.
    if (recorded.isClosed()) {
        question.recordedEnd = ClockText(recorded.outHour, recorded.outMinute);
    }
    DayAnswer answer;
    if (!AskAboutDay(question, answer)) {
        declinedDays_.insert(day.date);
        return Answer::Declined;
    }
    const bool windowsMonth =
        day.date.year() == state_.Date.year() && day.date.month() == state_.Date.month();
    DayToSave save{state_.AppDir,
                   UserName(),
                   day.date,
                   recorded.inHour,
                   recorded.inMinute,
                   answer.hour,
                   answer.minute,
                   answer.reasons,
                   MakeDayEnd(recorded.outHour, recorded.outMinute, recorded.reasons)};
    const SheetTable& held = windowsMonth ? state_.SheetLines : BlankMonth();
    const DaySaveResult saved = SaveAskingToReplace(save, held);
    if (saved.foreignEnd) {
        // Someone recorded the day's end meanwhile, and theirs stays.
        return Answer::Recorded;
    }
    if (!saved.ok()) {
        TellSaveFailure(saved, day.date, SaveMoment::Later);
        return Answer::NotSaved;
    }
    if (windowsMonth) {
        state_.SheetLines = saved.lines;
    }
    return Answer::Recorded;
}

bool Form1::AskAboutDay(const DayQuestion& question, DayAnswer& answer) {
    OpenDayDialog dialog(question, this);
    if (Questions::Ask(dialog) != QDialog::Accepted) {
        return false;
    }
    answer = {dialog.Hour(), dialog.Minute(), dialog.Reasons()};
    return true;
}
