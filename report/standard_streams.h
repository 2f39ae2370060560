#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The report's command line and what it says to the person, as the platform's console needs them.

// The arguments after the program's name, any character included (on Windows from the wide
// command line: the 8-bit one loses what the code page cannot hold).
QStringList ProgramArguments(int argc, char** argv);

// Standard output takes the bytes of a CSV or PDF report as they are (on Windows: no LF turned
// into CR LF on the way).
void UseBinaryStandardOutput();

// Whether standard output is a terminal (a console), where the bytes of a PDF do not belong.
bool StandardOutputIsTerminal();

// Text for a person to read, in the encoding the console or the file it is redirected to expects:
// UTF-8 on Linux; on Windows the console's own characters, or its code page (932 on a Japanese
// Windows) when redirected. Writing to standard output returns an error text, or an empty one.
QString WriteTextToStandardOutput(const QString& text);
void WriteTextToStandardError(const QString& text);

// The text report as a file (--output): UTF-8, its lines ending as the platform's editors expect
// (CR LF on Windows, where Notepad before Windows 10 runs LF-only lines together).
QByteArray TextFileBytes(const QString& text);
