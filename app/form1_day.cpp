// The working day: IN, the once-a-second tick, OUT with its reasons, break and close.
#include "app/colours.h"
#include "app/form1.h"
#include "app/messages.h"
#include "app/questions.h"
#include "app/replace_end_dialog.h"
#include "clock/overtime_bands.h"
#include "clock/work_clock.h"
#include "clock/working_day.h"
#include "records/month_sheet.h"
#include "records/name_file.h"
#include "records/start_time_file.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

const QString kBreakTaken = QStringLiteral("休憩アリ");
const QString kNoBreak = QStringLiteral("休憩ナシ");
// Worked time counts in whole seconds: the reasons show once it is past the regular day.
constexpr float kReasonThreshold = RegularDaySeconds + 1;

}  // namespace

int Form1::Check1Value() const {
    switch (Check1->checkState()) {
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        default:
            return 0;
    }
}

size_t Form1::TodayIndex() const {
    return size_t(state_.DayText.toInt());
}

void Form1::UpdateElapsed() {
    Label2->setText(::UpdateElapsed(state_, clock_.now(), Check1Value(), state_.Date));
    SpeakDay();
}

void Form1::Timer1_Timer() {
    UpdateElapsed();
    if (const auto band = BandFor(state_.ElapsedSeconds)) {
        SetBackColour(Label2, band->backColour);
        SetForeColour(Label2, band->foreColour);
    }
}

bool Form1::NameCanBeStored(const QString& name) {
    const QString problem = NameProblem(name);
    if (!problem.isEmpty()) {
        Tell(problem);
    }
    return problem.isEmpty();
}

// IN before a name was typed: the name box, its prompt selected, is ready to be typed over.
void Form1::AskForName() {
    Tell(TypeNameFirstMessage(pressed_));
    Text1->show();
    Text1->setFocus();
    Text1->selectAll();
}

bool Form1::NameForTheDay() {
    if (Text1->text() == kPromptText) {
        AskForName();
        return false;
    }
    return NameCanBeStored(Text1->text());
}

void Form1::ShowDayRunning(const QDateTime& now) {
    Text1->hide();
    Label1->setText(DateText(now.date()));
    dateShown_ = now.date();
    Label2->setText(TimeText(now.time()));
    Timer1->start();
    SpeakDay();
}

void Form1::Command1_Click() {
    pressed_ = Command1->text();
    if (!NameForTheDay()) {
        return;
    }
    const QString name = Text1->text();
    // One reading: the date, the time shown and the in-time of a fresh day are the same instant,
    // the instant of the press even when a question about an earlier day comes first.
    const QDateTime pressed = clock_.now();
    if (!AskAboutDaysLeftOpen(pressed)) {
        return;
    }
    if (IsLaterDate(state_.Date, pressed)) {
        TakeUpNewDate(pressed);
    }
    Label2->setText(name);
    // Skipped when the folder cannot take it: the day opens all the same.
    WriteNameFile(AppFile(kNameFileName), name);
    ShowDayRunning(pressed);
    if (!DayIsOpen(Phase())) {
        RecordClockIn(pressed);
        ApplyPhase(DayPhase::Open);
    }
}

// With a clock-in recorded in this run already (after OUT, or a day resumed closed) the day
// reopens with its row as it stands until the next save records a new end. Without one the sheet
// is loaded; a row that already holds an in-time carries on from it, and only one without starts
// the day fresh from the press.
void Form1::RecordClockIn(const QDateTime& pressed) {
    if (ClockInRecorded()) {
        return;
    }
    QString row;
    if (LoadMonthSheet(state_, state_.SheetLines, UserName()).ok()) {
        const QString path = MonthSheetPath(state_, UserName());
        row = FileExists(path) ? ReadDayRow(path, int(TodayIndex()), state_.SheetLines).row
                               : state_.SheetLines[TodayIndex()].text();
        if (const auto recorded = RecordedDayOf(row)) {
            TakeUpRecordedDay(*recorded);
            return;
        }
    } else {
        // The table holds nothing of this month's sheet: should the sheet be gone by the save,
        // the month written is a blank one with today's row, never rows of another month.
        state_.SheetLines = BlankMonth();
    }
    // An end time or reasons the row holds without an in-time stay with the day.
    rowEndKnown_ = DayEndOf(row);
    if (!rowEndKnown_.isEmpty()) {
        const QStringList fields = row.split(QLatin1Char(','));
        state_.OutHour = fields.value(3);
        state_.OutMinute = fields.value(4);
        ShowReasonsOf(fields.mid(5).join(QLatin1Char(',')));
    }
    ReadClock(state_, pressed);
    state_.StartSeconds = state_.ClockSeconds;
    WriteStartTimeFile();
    const TimeTextCut cut = SplitTimeText(Label2->text());
    state_.InHour = cut.hour.value_or(state_.InHour);
    state_.InMinute = cut.minute.value_or(state_.InMinute);
    state_.SheetLines[TodayIndex()] = ComposeDayRow(state_, state_.DayText);
    // On disk at once: a run that ends without a save still leaves today's in-time behind.
    WriteDay(SaveMoment::AtIn, OthersEnd::Keep);
}

// A press on a later date begins a new day, as start-up does: its date, its row, its month's
// sheet. Nothing of the day before (end time, reasons, the pressed buttons) carries over.
void Form1::TakeUpNewDate(const QDateTime& pressed) {
    StartNewDate(state_, pressed);
    ShowReasonsOf(QString());
    rowEndKnown_ = {};
    state_.SheetLines = BlankMonth();
    ApplyPhase(DayPhase::NotStarted);
}

void Form1::WriteStartTimeFile() {
    // Never through a link out of the folder, nor into a FIFO that would hold the window; a
    // folder that cannot take it is passed over.
    const FileOutcome saved =
        ::WriteStartTimeFile(AppFile(kStartTimeFileName), state_.StartSeconds);
    if (saved.failure == FileFailure::NotAFile) {
        Tell(StartTimeFileRefusedMessage(saved));
    }
}

// The header and the row of the window's day go into the sheet as it stands on disk now.
Form1::SaveOutcome Form1::WriteDay(SaveMoment moment, OthersEnd othersEnd) {
    DayToSave day{state_.AppDir,    UserName(),         state_.Date,
                  state_.InHour,    state_.InMinute,    state_.OutHour,
                  state_.OutMinute, state_.ReasonCodes, rowEndKnown_};
    const DaySaveResult saved = othersEnd == OthersEnd::Ask
                                    ? SaveAskingToReplace(day, state_.SheetLines)
                                    : SaveDay(day, state_.SheetLines);
    if (saved.foreignEnd) {
        TakeUpEndOnDisk(*saved.foreignEnd);
        return SaveOutcome::KeptOnDisk;
    }
    if (!saved.ok()) {
        TellSaveFailure(saved, state_.Date, moment);
        return SaveOutcome::Failed;
    }
    TakeUpSavedDay(saved);
    return SaveOutcome::Saved;
}

// An end time or reasons someone else put into the day's row stay unless the person, asked with
// both in view, replaces them; then the day is saved again over them.
DaySaveResult Form1::SaveAskingToReplace(DayToSave& day, const SheetTable& held) {
    DaySaveResult saved = SaveDay(day, held);
    if (!saved.foreignEnd) {
        return saved;
    }
    ReplaceEndDialog dialog(day.date, *saved.foreignEnd,
                            MakeDayEnd(day.outHour, day.outMinute, day.reasons), this);
    if (Questions::Ask(dialog) != QDialog::Accepted) {
        return saved;
    }
    day.replaceForeignEnd = true;
    return SaveDay(day, held);
}

void Form1::TellSaveFailure(const DaySaveResult& saved, const QDate& date, SaveMoment moment) {
    Tell(SaveFailureMessage(saved, date.day(), moment == SaveMoment::AtIn ? QString() : pressed_));
}

// The window now holds the sheet as it is on disk. An in-time that was on disk already (typed in
// by hand, or saved by another clock) is the day's: the worked time counts from it.
void Form1::TakeUpSavedDay(const DaySaveResult& saved) {
    state_.SheetLines = saved.lines;
    state_.InHour = saved.inHour;
    state_.InMinute = saved.inMinute;
    rowEndKnown_ = MakeDayEnd(state_.OutHour, state_.OutMinute, state_.ReasonCodes);
    if (saved.inTimeFromDisk) {
        if (const auto recorded = RecordedDayOf(saved.row)) {
            state_.StartSeconds = recorded->inSeconds;
        }
    }
}

// The row keeps the end time and reasons someone else gave the day; the window takes them up.
void Form1::TakeUpEndOnDisk(const DayEnd& end) {
    state_.OutHour = end.outHour;
    state_.OutMinute = end.outMinute;
    ShowReasonsOf(end.reasons);
    rowEndKnown_ = end;
}

void Form1::Command2_Click() {
    pressed_ = Command2->text();
    const QDateTime now = clock_.now();
    bool asked = false;
    if (!AskAboutStaleOpenDay(now, asked) || asked) {
        // The question closed the window's day or let it go; a save that failed keeps it open.
        return;
    }
    switch (Phase()) {
        case DayPhase::Open:
            CloseOpenDay();
            break;
        case DayPhase::AskingReasons:
            SaveWithReasons();
            break;
        case DayPhase::NotStarted:
        case DayPhase::Closed:
        case DayPhase::LetGo:
            OutWithNoDayOpen(now);
            break;
    }
}

// Past the regular day the reasons come first, and the next press saves; within it OUT saves.
void Form1::CloseOpenDay() {
    UpdateElapsed();
    if (state_.ElapsedSeconds >= kReasonThreshold) {
        ApplyPhase(DayPhase::AskingReasons);
        return;
    }
    if (SaveDayRecord(OthersEnd::Ask) != SaveOutcome::Failed) {
        ApplyPhase(DayPhase::Closed);
    }
}

// A save that fails keeps the day open and the reasons in view, so that the next press tries
// again.
void Form1::SaveWithReasons() {
    UpdateElapsed();
    if (SaveDayRecord(OthersEnd::Ask) != SaveOutcome::Failed) {
        ApplyPhase(DayPhase::Closed);
    }
}

Form1::SaveOutcome Form1::SaveDayRecord(OthersEnd othersEnd) {
    if (!DayIsOpen(Phase())) {
        return SaveOutcome::NothingOpen;
    }
    const TimeTextCut cut = SplitTimeText(Label2->text());
    const QString endHour = cut.hour.value_or(state_.OutHour);
    const QString endMinute = cut.minute.value_or(state_.OutMinute);
    // A system clock set back since the day opened shows a time before the in-time: such an end
    // is refused as the question about a day left open refuses it, and the day stays open.
    const QDateTime end(clock_.now().date(), QTime(endHour.toInt(), endMinute.toInt()));
    if (EndsBeforeInTime(state_.Date, state_.InHour, state_.InMinute, end)) {
        Tell(EndBeforeInTimeMessage(ClockText(state_.InHour, state_.InMinute), end, state_.Date));
        return SaveOutcome::Failed;
    }
    state_.OutHour = endHour;
    state_.OutMinute = endMinute;
    return WriteDay(SaveMoment::Later, othersEnd);
}

void Form1::Check2_Click(qint16 index) {
    if (index < 0 || index >= kReasonCount) {
        return;
    }
    const QCheckBox* box = Check2[size_t(index)];
    state_.ReasonCodes = ToggleReason(state_.ReasonCodes, box->text().at(0), box->isChecked());
}

void Form1::Check1_Click() {
    // The caption, which a click leaves alone, decides the new state.
    if (Check1->text() == kNoBreak) {
        Check1->setChecked(true);
        Check1->setText(kBreakTaken);
    } else {
        Check1->setChecked(false);
        Check1->setText(kNoBreak);
    }
}

void Form1::Command3_Click() {
    pressed_ = Command3->text();
    const QDateTime now = clock_.now();
    bool asked = false;
    if (!AskAboutStaleOpenDay(now, asked)) {
        return;
    }
    if (!asked && !DayIsOpen(Phase())) {
        // A day opened elsewhere today is closed here as it would be had start-up taken it up.
        TakeUpDayOpenElsewhere(now);
    }
    // A day someone else closed meanwhile keeps the end time they gave it.
    if (SaveDayRecord(OthersEnd::Keep) == SaveOutcome::Failed) {
        const auto answer =
            Tell(CloseUnsavedQuestion(), QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            return;
        }
    }
    for (QCheckBox* box : Check2) {
        box->setChecked(false);
    }
    QFile::remove(AppFile(kStartTimeFileName));
    ApplyPhase(DayPhase::LetGo);
    close();
}
