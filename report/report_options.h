#pragma once

#include "clock/working_day.h"
#include "overtime/school_settings.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// The command line of ombrel-report.

enum class OutputFormat { Text, Csv, CsvUtf8, Png, Pdf, Xlsx };

struct ReportOptions {
    std::optional<QString> user;  // one person; without it, everyone in the folder
    int year = 0;                 // the month to report, when no school year is asked for
    int month = 0;
    std::optional<int> schoolYear;  // April of this year to March of the next
    QString folder = QStringLiteral(".");
    OutputFormat format = OutputFormat::Text;
    std::optional<QString> output;    // standard output when not given
    std::optional<QString> calendar;  // the school calendar; otherwise the folder's, if any
    int breakMinutes = kBreakMinutes;
    bool breakMinutesGiven = false;  // on the command line, over the settings file
    bool recursive = false;          // sheets in the subfolders too, however deep
    // What the printed pages carry; from the command line or the folder's settings file.
    std::optional<QString> school;
    std::optional<QStringList> seals;
};

// Why `name` cannot be a person's name in a sheet's file name, or an empty text: a folder
// separator, a character no file name may hold, or dots alone would lead outside the folder.
[[nodiscard]] QString PersonNameProblem(const QString& name);

struct OptionsParse {
    enum class Outcome { Run, Help, Error };
    Outcome outcome = Outcome::Error;
    ReportOptions options;
    QString error;
};

// `arguments` without the program name; `today` gives the month reported by default.
OptionsParse ParseOptions(const QStringList& arguments, QDate today);

// Built from the same options the parser reads. Needs a QCoreApplication.
QString HelpText();

class QCommandLineParser;
// The parser's help in Japanese words, its columns aligned for a terminal, with what the report
// shows and its exit status below.
QString FramedHelp(const QCommandLineParser& parser);
