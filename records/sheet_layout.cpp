#include "records/sheet_layout.h"

#include "records/month_sheet.h"

namespace {

// A number as the sheet name writes it: decimal without leading zeros.
std::optional<int> PlainNumber(QStringView text, int digits) {
    if (text.isEmpty() || text.size() > digits || (text.size() > 1 && text[0] == u'0')) {
        return std::nullopt;
    }
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// An hour or minute field: one or two digits below `limit`; nothing for an empty field.
std::optional<int> TimeField(QStringView field, int limit, bool& ok) {
    if (field.isEmpty()) {
        return std::nullopt;
    }
    ok = field.size() <= 2;
    int value = 0;
    for (QChar c : field) {
        ok = ok && c >= u'0' && c <= u'9';
        value = value * 10 + (c.unicode() - u'0');
    }
    ok = ok && value < limit;
    return value;
}

}  // namespace

RowTime ReadRowTime(QStringView hour, QStringView minute, int hourLimit) {
    bool hourOk = true;
    bool minuteOk = true;
    const auto h = TimeField(hour, hourLimit, hourOk);
    const auto m = TimeField(minute, 60, minuteOk);
    if (!hourOk || !minuteOk) {
        return {RowTime::Reading::NotATime};
    }
    if (h.has_value() != m.has_value()) {
        return {RowTime::Reading::HalfGiven};
    }
    return h ? RowTime{RowTime::Reading::Time, *h * 60 + *m} : RowTime{};
}

QString SheetFileName(const QString& person, int year, int month) {
    return person + NumberText(year % 100) + NumberText(month) + QStringLiteral(".csv");
}

std::optional<SheetName> ParseSheetFileName(QStringView fileName) {
    const QStringView suffix = u".csv";
    if (!fileName.endsWith(suffix)) {
        return std::nullopt;
    }
    const QStringView stem = fileName.chopped(suffix.size());
    const qsizetype monthBlank = stem.lastIndexOf(u' ');
    if (monthBlank < 0) {
        return std::nullopt;
    }
    const qsizetype yearBlank = stem.first(monthBlank).lastIndexOf(u' ');
    if (yearBlank < 0) {
        return std::nullopt;
    }
    const auto month = PlainNumber(stem.sliced(monthBlank + 1), 2);
    const auto year = PlainNumber(stem.sliced(yearBlank + 1, monthBlank - yearBlank - 1), 2);
    if (!month || !year || *month < 1 || *month > 12) {
        return std::nullopt;
    }
    return SheetName{stem.first(yearBlank).toString(), kFirstSheetYear + *year, *month};
}
