#pragma once

#include "clock/window_state.h"
#include "records/month_sheet.h"
#include "records/sheet_lines.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// A window state with the month sheet's lines beside it, as the window holds them.
struct SheetState : WindowState {
    SheetTable SheetLines;
};

// Helpers shared by the month sheet tests: raw file bytes, a window state for a given month, and
// running a step in a child process (to see a save fail for reasons a root test process would not
// meet, or to survive one that kills the process).

QByteArray FileBytes(const QString& path);
void PutFileBytes(const QString& path, const QByteArray& bytes);

// Everything in a folder but "." and "..", hidden files included (a stray temporary file shows).
QStringList FolderEntries(const QString& folder);

// A fresh window's state in the given folder, for a start-up on "yy"/"mm"/"dd".
SheetState StateFor(const QString& appDir, const QString& year, const QString& month,
                    const QString& day = QStringLiteral("07"));

// The bytes of rows a..b (CR LF after each) of a blank month: " a,,,,,\r\n" ...
QByteArray BlankRows(int first, int last);

// POSIX only (sheet_test_support_posix.cpp):
// Runs `body` in a forked child and gives its exit status (or 128 + the signal that ended it).
// With `asNobody`, a child of a root process first drops to uid and gid 65534, so that folder
// permissions apply to it; a child of any other user keeps its own. The child never returns into
// the test framework: it ends with _exit().
int RunInChild(const std::function<int()>& body, bool asNobody);

// Whether permission bits bind the test process itself (they do not for root).
bool PermissionsBindThisProcess();

// This month's sheet of a window state, read and written whole: the table entries 0..31.
SheetReadResult ReadMonthSheet(const WindowState& state, const QString& userName,
                               SheetTable& lines);
FileOutcome WriteMonthSheet(const WindowState& state, const QString& userName,
                            const SheetTable& lines);
// The header row of the state's month.
QString ComposeHeaderRow(const WindowState& state, const QString& userName);
