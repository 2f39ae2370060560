#include "report/csv_report.h"

#include "pages/board_tables.h"
#include "pages/report_tables.h"
#include "records/cp932.h"

namespace {

// A CSV holds its tables one below another with an empty row between them; what needs a look
// comes last, when there is anything.
void Append(CsvRows& rows, const ReportTable& table) {
    if (!rows.isEmpty()) {
        rows << QStringList{};
    }
    if (!table.header.isEmpty()) {
        rows << table.header;
    }
    for (const CellRow& row : table.rows) {
        QStringList cells;
        for (const Cell& cell : row) {
            cells << cell.toText();
        }
        rows << cells;
    }
}

void AppendLooks(CsvRows& rows, const QList<LookItem>& looks) {
    if (!looks.isEmpty()) {
        Append(rows, LookTable(looks, Audience::Csv));
    }
}

// A spreadsheet reads a cell that begins with one of these as a formula ("=1+2") or a number
// ("-5"); a leading apostrophe keeps it text. The report's own figures never begin with one, so
// only names, file names and row contents are ever marked.
bool ReadAsFormula(const QString& text) {
    static const QString leading = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && leading.contains(text.front());
}

QString Field(const QString& cell) {
    static const QString special = QStringLiteral(",\"\r\n");
    const QString text = ReadAsFormula(cell) ? QLatin1Char('\'') + cell : cell;
    for (QChar c : text) {
        if (special.contains(c)) {
            QString quoted = text;
            quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            return QLatin1Char('"') + quoted + QLatin1Char('"');
        }
    }
    return text;
}

}  // namespace

CsvRows MonthCsv(const MonthReport& r) {
    CsvRows rows;
    Append(rows, DayTable(r, Audience::Csv));
    Append(rows, MonthTotalsTable(r, Audience::Csv));
    AppendLooks(rows, r.sheet.looks);
    return rows;
}

CsvRows YearCsv(const YearReport& r) {
    CsvRows rows;
    Append(rows, YearMonthTable(r, Audience::Csv));
    Append(rows, YearFactsTable(r, Audience::Csv));
    AppendLooks(rows, r.looks);
    return rows;
}

CsvRows StaffCsv(const StaffReport& r) {
    CsvRows rows;
    Append(rows, StaffTable(r, Audience::Csv));
    Append(rows, GroupTable(r, Audience::Csv));
    AppendLooks(rows, r.looks);
    return rows;
}

CsvRows BoardCsv(const BoardReport& r) {
    CsvRows rows;
    Append(rows, BoardStaffTable(r, Audience::Csv));
    Append(rows, SchoolSummaryTable(r, Audience::Csv));
    if (BoardLookCount(r) > 0) {
        Append(rows, BoardLookTable(r, Audience::Csv));
    }
    return rows;
}

EncodedCsv EncodeCsv(const CsvRows& rows, bool utf8) {
    EncodedCsv csv;
    if (utf8) {
        csv.bytes = QByteArray("\xEF\xBB\xBF");
    }
    for (qsizetype lineIndex = 0; lineIndex < rows.size(); ++lineIndex) {
        const QStringList& row = rows[lineIndex];
        QStringList fields;
        fields.reserve(row.size());
        for (const QString& cell : row) {
            fields << Field(cell);
        }
        const QString line = fields.join(QLatin1Char(','));
        if (utf8) {
            csv.bytes += line.toUtf8();
        } else {
            const Cp932Result encoded = EncodeCp932(line);
            if (!encoded.ok) {
                csv.error =
                    QStringLiteral(
                        "CSV を CP932 で書けません: %1 行目の %2 は CP932 の"
                        " CSV に書けない文字です (--format csv-utf8 なら書けます)")
                        .arg(QString::number(lineIndex + 1), DescribeCharacter(encoded.character));
                csv.bytes.clear();
                return csv;
            }
            csv.bytes += encoded.bytes;
        }
        csv.bytes += "\r\n";
    }
    csv.ok = true;
    return csv;
}
