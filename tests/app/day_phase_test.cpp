#include "app/day_phase.h"

#include <gtest/gtest.h>

namespace {

// Every combination of the marks the controls carry names one phase; the reasons in view win,
// then an open day, and a run without a clock-in has not started whatever OUT shows.
TEST(DayPhase, everyCombinationOfMarksNamesItsPhase) {
    using P = DayPhase;
    struct Case {
        bool clockedIn, clockInRecorded, outPressed, reasonsShown;
        DayPhase phase;
    };
    const Case cases[] = {
        {false, false, false, false, P::NotStarted},    // start-up
        {false, false, true, false, P::NotStarted},     // OUT lit, no clock-in of this run
        {true, true, false, false, P::Open},            // IN
        {true, true, true, false, P::Open},             // IN again after OUT
        {true, true, false, true, P::AskingReasons},    // OUT past the regular day
        {false, false, false, true, P::AskingReasons},  // the reasons in view win
        {false, true, true, true, P::AskingReasons},
        {false, true, true, false, P::Closed},  // OUT saved, or the row held an end
        {false, true, false, false, P::LetGo},  // a day left open, not closed
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PhaseOf({c.clockedIn, c.clockInRecorded, c.outPressed, c.reasonsShown}), c.phase)
            << c.clockedIn << c.clockInRecorded << c.outPressed << c.reasonsShown;
    }
}

}  // namespace
