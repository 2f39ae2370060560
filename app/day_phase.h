#pragma once

// The phase of the window's day, as the person sees it on IN, OUT and the window's height. The
// controls carry it: IN's back colour marks a clock-in recorded in this run, OUT's a press of OUT,
// OUT's caption "SAVE" the reasons in view, and the window state's ClockedIn an open day.
enum class DayPhase {
    NotStarted,     // no clock-in recorded in this run: IN plain
    Open,           // the day runs: IN lit
    AskingReasons,  // OUT found overtime: the reason boxes in view, OUT reads "SAVE"
    Closed,         // OUT ended the day: IN and OUT lit, nothing open
    LetGo,          // a day left open whose end the person chose not to give: IN lit, nothing open
};

// The marks a phase is read off.
struct PhaseMarks {
    bool clockedIn = false;        // the window state's ClockedIn
    bool clockInRecorded = false;  // IN in ActiveButtonColour
    bool outPressed = false;       // OUT in ActiveButtonColour
    bool reasonsShown = false;     // OUT's caption is "SAVE"
};

// The window's day is open: it runs, or waits for its reasons.
constexpr bool DayIsOpen(DayPhase phase) {
    return phase == DayPhase::Open || phase == DayPhase::AskingReasons;
}

// The reasons in view come first, then an open day; a run that recorded no clock-in has not
// started, whatever OUT shows.
constexpr DayPhase PhaseOf(const PhaseMarks& marks) {
    if (marks.reasonsShown) {
        return DayPhase::AskingReasons;
    }
    if (marks.clockedIn) {
        return DayPhase::Open;
    }
    if (!marks.clockInRecorded) {
        return DayPhase::NotStarted;
    }
    return marks.outPressed ? DayPhase::Closed : DayPhase::LetGo;
}
