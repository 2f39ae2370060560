#pragma once

#include "clock/window_state.h"
#include "records/month_sheet.h"
#include "records/sheet_lines.h"
#include "tests/support/child.h"
#include "tests/support/files.h"
#include "tests/support/sheet_bytes.h"

#include <QString>

// What the month sheet tests hold: a window state with the month's lines beside it, and the
// whole sheet of that state's month read and written at once.

struct SheetState : WindowState {
    SheetTable SheetLines;
};

// A fresh window's state in the given folder, for a start-up on "yy"/"mm"/"dd".
SheetState StateFor(const QString& appDir, const QString& year, const QString& month,
                    const QString& day = QStringLiteral("07"));

// This month's sheet of a window state, read and written whole: the table entries 0..31.
SheetReadResult ReadMonthSheet(const WindowState& state, const QString& userName,
                               SheetTable& lines);
FileOutcome WriteMonthSheet(const WindowState& state, const QString& userName,
                            const SheetTable& lines);
// The header row of the state's month.
QString ComposeHeaderRow(const WindowState& state, const QString& userName);
