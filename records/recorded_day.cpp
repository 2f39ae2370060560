#include "records/recorded_day.h"

#include "records/day_rows.h"
#include "records/month_sheet.h"
#include "records/sheet_layout.h"

#include <QStringList>

double NumericReading(const QString& text) {
    double value = 0;
    int digits = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ')) {
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9') || digits == 9) {
            break;
        }
        value = value * 10 + (c.unicode() - '0');
        ++digits;
    }
    return value;
}

namespace {

std::optional<RowTime> InTimeOf(const QString& row) {
    const DayRowCut cut = SplitDayRow(row);
    if (!cut.inHour || !cut.inMinute) {
        return std::nullopt;
    }
    return ReadRowTime(*cut.inHour, *cut.inMinute);
}

}  // namespace

bool InTimeUnreadable(const QString& row) {
    const auto in = InTimeOf(row);
    return in && (in->reading == RowTime::Reading::NotATime ||
                  in->reading == RowTime::Reading::HalfGiven);
}

std::optional<RecordedDay> RecordedDayOf(const QString& row) {
    const auto in = InTimeOf(row);
    if (!in || in->reading != RowTime::Reading::Time || in->minutes == 0) {
        return std::nullopt;
    }
    const DayRowCut cut = SplitDayRow(row);
    RecordedDay day;
    day.inHour = *cut.inHour;
    day.inMinute = *cut.inMinute;
    day.inSeconds = float(in->minutes * 60);
    const QStringList fields = row.split(QLatin1Char(','));
    day.outHour = fields.value(3);
    day.outMinute = fields.value(4);
    day.reasons = fields.size() > 5 ? fields.mid(5).join(QLatin1Char(',')) : QString();
    return day;
}

namespace {

QString ComparableTime(const QString& text) {
    const QString trimmed = text.trimmed();
    bool number = false;
    const int value = trimmed.toInt(&number);
    return number && !trimmed.startsWith(QLatin1Char('-')) ? QString::number(value) : trimmed;
}

}  // namespace

DayEnd MakeDayEnd(const QString& outHour, const QString& outMinute, const QString& reasons) {
    QString kept = reasons;
    while (!kept.isEmpty() && (kept.back() == QLatin1Char(',') || kept.back().isSpace())) {
        kept.chop(1);
    }
    return {ComparableTime(outHour), ComparableTime(outMinute), kept};
}

DayEnd DayEndOf(const QString& row) {
    const QStringList fields = row.split(QLatin1Char(','));
    return MakeDayEnd(fields.value(3), fields.value(4),
                      fields.size() > 5 ? fields.mid(5).join(QLatin1Char(',')) : QString());
}

DayRowRead ReadDayRow(const QString& path, int day, SheetTable& table) {
    const SheetFile sheet = ReadWholeSheet(path);
    if (!sheet.read.outcome.ok()) {
        return {sheet.read.outcome, {}};
    }
    FillTable(sheet, table);
    const DayRowPlace place = DayRows(sheet.lines).find(day);
    const bool found = place.finding == DayRowFinding::Found && place.line < sheet.lines.size();
    return {sheet.read.outcome, found ? sheet.lines[place.line].text() : QString()};
}
