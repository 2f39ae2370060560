#pragma once

#include "pages/report_model.h"

#include <QString>
#include <QStringView>

// Text that comes from the folder of sheets (names, paths, rows as they stand, the school's
// words) as every output shows it. A file name dropped on a share can hold anything a file name
// may: an escape sequence would retitle or clear the terminal of whoever runs the report, a
// right-to-left override would turn "gpj.exe" round in a table. Such characters are shown as
// their code, the same in every output: C0, DEL and C1 controls as "\x1b", the bidirectional
// controls and the line and paragraph separators as "\u202e". Text is composed (NFC) too, so
// that a name that came back from a Mac decomposed ("カ" and U+3099) is the clock's own "ガ".
QString ShownText(QStringView text);

// Whether the character is one ShownText writes as its code.
bool ShownAsCode(char32_t c);

// The same for text meant for a terminal that holds line breaks of its own (a whole report, a
// message): every control but the line feed is written as its code.
QString TerminalText(QStringView text);

// Every text of the report that comes from the folder, as ShownText shows it.
void ShowTexts(MonthReport& report);
void ShowTexts(YearReport& report);
void ShowTexts(StaffReport& report);
void ShowTexts(BoardReport& report);

// What stands in for the rest of a text cut short for an output: "…【以下 32,801 文字省略】".
QString OmittedMark(qsizetype omitted);
