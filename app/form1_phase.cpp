// The phase of the window's day: read off the controls in one place, shown on them in one place.
#include "app/colours.h"
#include "app/form1.h"

#include <QPushButton>

namespace {

const QString kOut = QStringLiteral("OUT");
const QString kSave = QStringLiteral("SAVE");
constexpr int kStartUpHeightTwips = 900;
constexpr int kAfterReasonsHeightTwips = 1000;

}  // namespace

bool Form1::ClockInRecorded() const {
    return BackColour(Command1) == ActiveButtonColour;
}

// The reason list, when it is open, folds to the compact window it leaves after the reasons; a
// window that never showed them keeps its height.
void Form1::FoldReasons() {
    if (heightTwips_ == kReasonsHeightTwips) {
        SetHeightTwips(kAfterReasonsHeightTwips);
    }
}

DayPhase Form1::Phase() const {
    return PhaseOf({state_.ClockedIn, ClockInRecorded(), BackColour(Command2) == ActiveButtonColour,
                    Command2->text() == kSave});
}

void Form1::ApplyPhase(DayPhase phase) {
    switch (phase) {
        case DayPhase::NotStarted:
            // Start-up, or a new date: nothing of an earlier day shows.
            state_.ClockedIn = false;
            SetBackColour(Command1, ButtonFaceColour);
            SetBackColour(Command2, ButtonFaceColour);
            Command2->setText(kOut);
            SetHeightTwips(kStartUpHeightTwips);
            break;
        case DayPhase::Open:
            // OUT stays as it is: a day reopened after OUT keeps OUT lit.
            state_.ClockedIn = true;
            SetBackColour(Command1, ActiveButtonColour);
            break;
        case DayPhase::AskingReasons:
            // The day stays as it is: nothing is saved until the next press.
            Command2->setText(kSave);
            SetHeightTwips(kReasonsHeightTwips);
            break;
        case DayPhase::Closed:
            // A save reached the disk (or the row holds an end someone else gave the day).
            state_.ClockedIn = false;
            SetBackColour(Command2, ActiveButtonColour);
            Command2->setText(kOut);
            FoldReasons();
            break;
        case DayPhase::LetGo:
            // OUT keeps its colour: nothing was saved. Reasons in view go, as nothing is open.
            state_.ClockedIn = false;
            Command2->setText(kOut);
            FoldReasons();
            break;
    }
    SpeakPhase();
}
