#include "report_run.h"

#include "csv_report.h"
#include "png_report.h"
#include "report_model.h"
#include "report_output.h"
#include "text_report.h"

#include <cstdio>

namespace {

constexpr int kFailure = 2;

// One report in every format.
struct Rendered {
    QString text;
    CsvRows csv;
    QImage png;
};

template <typename Report>
QString Build(QString (*build)(const ReportOptions&, QDate, Report&), const ReportOptions& options,
              QDate today, QString (*text)(const Report&), CsvRows (*csv)(const Report&),
              QImage (*png)(const Report&), Rendered& out) {
    Report report;
    if (QString error = build(options, today, report); !error.isEmpty()) {
        return error;
    }
    switch (options.format) {
        case OutputFormat::Text:
            out.text = text(report);
            break;
        case OutputFormat::Csv:
        case OutputFormat::CsvUtf8:
            out.csv = csv(report);
            break;
        case OutputFormat::Png:
            out.png = png(report);
            break;
    }
    return {};
}

QString Render(const ReportOptions& options, QDate today, Rendered& out) {
    if (!options.user) {
        return Build(BuildStaffReport, options, today, StaffText, StaffCsv, StaffChart, out);
    }
    if (options.schoolYear) {
        return Build(BuildYearReport, options, today, YearText, YearCsv, YearChart, out);
    }
    return Build(BuildMonthReport, options, today, MonthText, MonthCsv, MonthChart, out);
}

QString Write(const ReportOptions& options, const Rendered& rendered) {
    QByteArray bytes;
    if (options.format == OutputFormat::Png) {
        return WritePng(*options.output, rendered.png);
    }
    if (options.format == OutputFormat::Text) {
        bytes = rendered.text.toUtf8();
    } else {
        const EncodedCsv csv = EncodeCsv(rendered.csv, options.format == OutputFormat::CsvUtf8);
        if (!csv.ok) {
            return csv.error;
        }
        bytes = csv.bytes;
    }
    return options.output ? WriteOutput(*options.output, bytes) : WriteStandardOutput(bytes);
}

}  // namespace

int FailWith(const QString& message) {
    std::fprintf(stderr, "ombrel-report: %s\n", message.toLocal8Bit().constData());
    return kFailure;
}

int RunReport(const ReportOptions& options, QDate today) {
    if (const QString problem = FolderProblem(options.folder); !problem.isEmpty()) {
        return FailWith(problem);
    }
    if (options.output) {
        if (const QString problem = OutputPathProblem(*options.output); !problem.isEmpty()) {
            return FailWith(problem);
        }
    }
    Rendered rendered;
    if (const QString error = Render(options, today, rendered); !error.isEmpty()) {
        return FailWith(error);
    }
    if (const QString error = Write(options, rendered); !error.isEmpty()) {
        return FailWith(error);
    }
    return 0;
}
