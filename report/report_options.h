#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// The command line of ombrel-report.

enum class OutputFormat { Text, Csv, CsvUtf8, Png, Pdf };

struct ReportOptions {
    std::optional<QString> user;  // one person; without it, everyone in the folder
    int year = 0;                 // the month to report, when no school year is asked for
    int month = 0;
    std::optional<int> schoolYear;  // April of this year to March of the next
    QString folder = QStringLiteral(".");
    OutputFormat format = OutputFormat::Text;
    std::optional<QString> output;    // standard output when not given
    std::optional<QString> calendar;  // the school calendar; otherwise the folder's, if any
    int breakMinutes = 45;
};

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
