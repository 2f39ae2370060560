// ombrel-report: overtime from the clock's month sheets, for one person or a whole staff.
// Exit status 0 when the report is written, 2 with a message on standard error otherwise.

#include "pages/pdf_report.h"
#include "pages/png_report.h"
#include "pages/shown_text.h"
#include "platform/runtime_folder.h"
#include "report/board_builder.h"
#include "report/csv_report.h"
#include "report/output_texts.h"
#include "report/report_builder.h"
#include "report/report_options.h"
#include "report/report_output.h"
#include "report/report_settings.h"
#include "report/schools.h"
#include "report/sheet_files.h"
#include "report/standard_streams.h"
#include "report/text_report.h"
#include "report/xlsx_report.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <functional>
#include <memory>

namespace {

constexpr int kFailure = 2;

// A message may name a file of the share: its name reaches the terminal with no control
// character left in it.
void Say(const QString& message) {
    WriteTextToStandardError(QStringLiteral("ombrel-report: %1\n").arg(ShownText(message)));
}

int FailWith(const QString& message) {
    Say(message);
    return kFailure;
}

// One kind of report in every format.
template <typename Report>
struct Outputs {
    std::function<QString(const ReportOptions&, QDate, Report&)> build;
    QString (*text)(const Report&);
    CsvRows (*csv)(const Report&);
    QImage (*png)(const Report&);
    QByteArray (*pdf)(const Report&);
    Workbook (*xlsx)(const Report&);
};

QString WriteBytes(const ReportOptions& options, const QByteArray& bytes) {
    return ToStandardOutput(options.output) ? WriteStandardOutput(bytes)
                                            : WriteOutput(*options.output, bytes);
}

template <typename Report>
QString Produce(const ReportOptions& options, QDate today, const Outputs<Report>& outputs) {
    Report report;
    if (QString error = outputs.build(options, today, report); !error.isEmpty()) {
        return error;
    }
    FitTexts(report, TextFitFor(options.format));
    switch (options.format) {
        case OutputFormat::Text:
            return !ToStandardOutput(options.output)
                       ? WriteOutput(*options.output, TextFileBytes(TerminalText(outputs.text(report))))
                       : WriteTextToStandardOutput(TerminalText(outputs.text(report)));
        case OutputFormat::Csv:
        case OutputFormat::CsvUtf8: {
            const EncodedCsv csv =
                EncodeCsv(outputs.csv(report), options.format == OutputFormat::CsvUtf8);
            return csv.ok ? WriteBytes(options, csv.bytes) : csv.error;
        }
        case OutputFormat::Png: {
            const QByteArray png = PngBytes(outputs.png(report));
            return png.isEmpty() ? QStringLiteral("PNG を作れません") : WriteBytes(options, png);
        }
        case OutputFormat::Pdf: {
            const QByteArray pdf = outputs.pdf(report);
            return pdf.isEmpty() ? QStringLiteral("PDF を作れません") : WriteBytes(options, pdf);
        }
        case OutputFormat::Xlsx: {
            const Workbook book = outputs.xlsx(report);
            return book.ok ? WriteBytes(options, book.bytes) : book.error;
        }
    }
    return {};
}

// The months a report reads of a person's sheets.
std::pair<MonthKey, MonthKey> PeriodOf(const ReportOptions& options) {
    if (options.schoolYear) {
        const MonthKey april = KeyOf(*options.schoolYear, 4);
        return {april - kLeadMonths, april + kSchoolYearMonths - 1};
    }
    const MonthKey month = KeyOf(options.year, options.month);
    return {month, month};
}

// Narrows a board to the one school a report is about: the one --school names, the one --user's
// sheets are in, or the only one there is; `options` then read it as its own folder. False for
// the whole board, or with `error` when the choice cannot be made.
bool ChooseSchool(const ReportOptions& given, const Board& board, ReportOptions& options,
                  QString& error) {
    const auto readAlone = [&](const School& school) {
        if (!school.folder.isEmpty() || board.schools.size() > 1) {
            options = SchoolOptions(given, options, school);
        }
        return true;
    };
    if (board.schools.size() <= 1) {
        if (!board.schools.isEmpty()) {
            readAlone(board.schools.first());
            // A folder of one school prints what --school says, as it always did.
            options.school = given.school ? given.school : options.school;
        }
        return true;
    }
    QList<const School*> schools;
    for (const School& school : board.schools) {
        schools << &school;
    }
    if (given.school) {
        schools = SchoolsNamed(board, *given.school);
        if (schools.size() != 1) {
            QList<const School*> all;
            for (const School& school : board.schools) {
                all << &school;
            }
            error = schools.isEmpty()
                        ? QStringLiteral("学校「%1」はフォルダ「%2」にありません。学校: %3")
                              .arg(*given.school, options.folder, SchoolList(all))
                        : QStringLiteral("「%1」に当たる学校が %2 校あります: %3。"
                                         "--school にフォルダ名を指定してください")
                              .arg(*given.school, QString::number(schools.size()),
                                   SchoolList(schools));
            return false;
        }
    }
    if (options.user) {
        const auto [first, last] = PeriodOf(options);
        QList<const School*> with = SchoolsWith(schools, *options.user, first, last);
        if (with.isEmpty()) {
            // No sheet in the period: the school with sheets of the name at all tells which
            // months there are.
            with = SchoolsWith(schools, *options.user, KeyOf(kFirstSheetYear, 1),
                               KeyOf(kLastSheetYear, 12));
        }
        if (with.size() > 1) {
            error = QStringLiteral("「%1」は %2 校にいます: %3。--school で学校を選んでください"
                                   " (例: --school %4)")
                        .arg(*options.user, QString::number(with.size()), SchoolList(with),
                             with.first()->name);
            return false;
        }
        if (with.size() == 1) {
            schools = with;
        }
    }
    if (schools.size() == 1) {
        return readAlone(*schools.first());
    }
    // A person found nowhere: the board's folder says so as any folder would.
    return options.user.has_value();
}

int RunReport(ReportOptions options, QDate today) {
    // Every path below is joined to the folder as resolved here, once.
    options.folder = ResolveFolder(options.folder);
    if (options.calendar) {
        options.calendar = ResolvePath(*options.calendar);
    }
    if (const QString problem = FolderProblem(options.folder); !problem.isEmpty()) {
        return FailWith(problem);
    }
    const bool drawnOrBook = options.format == OutputFormat::Png ||
                             options.format == OutputFormat::Pdf ||
                             options.format == OutputFormat::Xlsx;
    if (ToStandardOutput(options.output) && drawnOrBook && StandardOutputIsTerminal()) {
        return FailWith(QStringLiteral(
            "png、pdf、xlsx は端末には出せません。--output でファイル名を指定するか、"
            "パイプかファイルに向けてください (--output - | lpr、--output - > 7月.pdf)"));
    }
    if (!ToStandardOutput(options.output)) {
        const QString problem = OutputPathProblem(
            *options.output, {SchoolCalendarPath(options), ReportSettingsPath(options)});
        if (!problem.isEmpty()) {
            return FailWith(problem);
        }
    }
    // What the command line set, before the folder's settings file fills in the rest.
    const ReportOptions given = options;
    for (const QString& warning : ApplyFolderSettings(options)) {
        Say(warning);
    }
    // One folder per person, as a staff's clocks keep them on a share.
    options.recursive =
        options.recursive || WalkSheetFolder(options.folder, false).sheets.isEmpty();
    if (options.recursive) {
        Board board = FindSchools(WalkSheetFolder(options.folder, true), options.folder);
        for (const QString& warning : board.warnings) {
            Say(warning);
        }
        QString error;
        if (!ChooseSchool(given, board, options, error)) {
            if (!error.isEmpty()) {
                return FailWith(error);
            }
            error = Produce<BoardReport>(
                options, today,
                {[&given, &board](const ReportOptions& o, QDate day, BoardReport& report) {
                     return BuildBoardReport(given, o, board, day, report);
                 },
                 BoardText, BoardCsv, BoardChart, BoardPdf, BoardWorkbook});
            return error.isEmpty() ? 0 : FailWith(error);
        }
    }
    QString error;
    if (!options.user) {
        error = Produce<StaffReport>(
            options, today,
            {BuildStaffReport, StaffText, StaffCsv, StaffChart, StaffPdf, StaffWorkbook});
    } else if (options.schoolYear) {
        error = Produce<YearReport>(
            options, today, {BuildYearReport, YearText, YearCsv, YearChart, YearPdf, YearWorkbook});
    } else {
        error = Produce<MonthReport>(
            options, today,
            {BuildMonthReport, MonthText, MonthCsv, MonthChart, MonthPdf, MonthWorkbook});
    }
    return error.isEmpty() ? 0 : FailWith(error);
}

}  // namespace

int main(int argc, char** argv) {
    // Qt's drawing and its temporary files look for the session's runtime folder.
    ProvideRuntimeFolder();
    UseBinaryStandardOutput();
    const QStringList arguments = ProgramArguments(argc, argv);
    const QDate today = QDate::currentDate();
    const OptionsParse parse = ParseOptions(arguments, today);
    // Charts and pages need fonts and so a GUI application, but never a screen.
    const bool drawn =
        parse.outcome == OptionsParse::Outcome::Run &&
        (parse.options.format == OutputFormat::Png || parse.options.format == OutputFormat::Pdf);
    std::unique_ptr<QCoreApplication> app;
    if (drawn) {
#ifndef Q_OS_WIN
        // Windows always has a desktop to draw with; elsewhere there may be no display at all.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
#endif
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    if (parse.outcome == OptionsParse::Outcome::Help) {
        return WriteTextToStandardOutput(HelpText()).isEmpty() ? 0 : kFailure;
    }
    if (parse.outcome == OptionsParse::Outcome::Error) {
        return FailWith(parse.error + QStringLiteral(" (使い方は --help)"));
    }
    return RunReport(parse.options, today);
}
