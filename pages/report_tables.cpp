#include "pages/report_tables.h"

#include "pages/report_labels.h"
#include "pages/table_parts.h"
#include "pages/text_parts.h"

namespace table {

QString MonthsOverLimitWords() {
    return HoursText(kMonthLimitSeconds) + QStringLiteral("を超えた月");
}

QString MonthsAtCeilingWords() {
    return HoursText(kMonthCeilingSeconds) + QStringLiteral("以上の月");
}

QString HighestAverageWords() {
    return QStringLiteral("%1～%2か月平均の最高").arg(kShortestSpan).arg(kLongestSpan);
}

QString SpanWords(int span) {
    return QStringLiteral("%1か月平均").arg(span);
}

bool ForSpreadsheet(Audience audience) {
    return audience == Audience::Csv || audience == Audience::Workbook;
}

Cell DayCountCell(int count, Audience audience) {
    return ForSpreadsheet(audience) ? Cell::number(count) : Cell(DayCount(count));
}

QString MonthMarks(qint64 overtime) {
    const StaffGroup group = GroupFor(overtime);
    return group == StaffGroup::WithinLimit ? QString() : GroupName(group);
}

CellRow TotalsCells(const Cell& label, const MonthTotals& t) {
    return {label,
            Cell::duration(t.overtimeSeconds),
            Cell::number(t.days),
            Cell::number(t.daysOverRegular),
            Cell::number(t.daysOffWorked),
            Cell::duration(t.daysOffOvertimeSeconds)};
}

void AppendReasonCounts(CellRow& row, const MonthTotals& t) {
    for (int count : t.reasonDays) {
        row << Cell::number(count);
    }
}

void AppendReasonCaptions(QStringList& header) {
    for (int i = 0; i < kReasonCount; ++i) {
        header << ReasonCaption(i);
    }
}

}  // namespace table

using namespace table;

Cell Cell::number(qint64 value) {
    Cell cell;
    cell.kind = Kind::Number;
    cell.value = value;
    return cell;
}

Cell Cell::duration(qint64 seconds) {
    Cell cell = number(seconds);
    cell.kind = Kind::Duration;
    return cell;
}

Cell Cell::clock(int minuteOfDay) {
    Cell cell = number(minuteOfDay);
    cell.kind = Kind::Clock;
    return cell;
}

Cell Cell::date(QDate date) {
    Cell cell;
    cell.kind = Kind::Date;
    cell.when = date;
    return cell;
}

Cell Cell::month(int year, int month) {
    Cell cell = date(QDate(year, month, 1));
    cell.kind = Kind::Month;
    return cell;
}

QString Cell::toText() const {
    switch (kind) {
        case Kind::Text:
            return text;
        case Kind::Number:
            return QString::number(value);
        case Kind::Duration:
            return FormatDuration(value);
        case Kind::Clock:
            return FormatClock(int(value));
        case Kind::Date:
            return QStringLiteral("%1/%2/%3").arg(when.year()).arg(when.month()).arg(when.day());
        case Kind::Month:
            return FormatMonth(when.year(), when.month());
    }
    return {};
}

QString ReportTable::render(int indent) const {
    TextTable table(aligns);
    table.setHeader(header);
    for (const CellRow& row : rows) {
        QStringList cells;
        for (const Cell& cell : row) {
            cells << cell.toText();
        }
        table.addRow(cells);
    }
    return table.render(indent);
}

ReportTable LookTable(const QList<LookItem>& looks, Audience audience) {
    ReportTable table{
        {Align::Left, Align::Right, Align::Left, Align::Left}, {kSheet, kLine, kWhat, kRow}, {}};
    if (audience == Audience::Csv) {
        table.header.prepend(kLooks);
    }
    for (const LookItem& look : looks) {
        Cell line;
        if (look.line > 0) {
            line = audience == Audience::Screen ? Cell(QStringLiteral("%1行目").arg(look.line))
                                                : Cell::number(look.line);
        }
        CellRow row{look.file, line, LookReasonText(look.reason), look.detail};
        if (audience == Audience::Csv) {
            row.prepend(QString());
        }
        table.rows.append(row);
    }
    return table;
}
