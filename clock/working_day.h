#pragma once

// The regular working day and its break, as the clock colours a day and the report counts it.

// 7 h 45 min; time at school beyond it on a working day is overtime.
inline constexpr float RegularDaySeconds = 27900;

// The break the worked time loses while the break box is ticked, and the report's default for
// the break taken off a long stay.
inline constexpr int kBreakMinutes = 45;
inline constexpr float BreakSeconds = kBreakMinutes * 60;
