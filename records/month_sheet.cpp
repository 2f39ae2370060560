// The month sheet's names and rows: the file name, composing the header and day rows, and cutting
// the in-time out of a day row and the hour and minute out of a time text.
#include "records/month_sheet.h"

#include "records/sheet_layout.h"
#include "records/whole_file_save.h"

#include <QDir>

namespace {

// Position counting from 1 of the first `what` in `text` at or after position `from`; 0 when
// there is none (also when `from` lies past the end).
qsizetype FindFrom(const QString& text, QChar what, qsizetype from) {
    if (from < 1 || from > text.size()) {
        return 0;
    }
    return text.indexOf(what, from - 1) + 1;
}

// `count` characters from position `start` (counting from 1): empty when count is 0 or start lies
// past the end, the rest of the text when fewer remain, no value when count is negative.
std::optional<QString> Cut(const QString& text, qsizetype start, qsizetype count) {
    if (count < 0 || start < 1) {
        return std::nullopt;
    }
    if (count == 0 || start > text.size()) {
        return QString();
    }
    return text.mid(start - 1, count);
}

bool IsAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

}  // namespace

QString NumberText(int value) {
    // Widen first: negating the smallest int would overflow.
    const qint64 wide = value;
    return wide < 0 ? QString::number(wide) : QLatin1Char(' ') + QString::number(wide);
}

QString NumberText(const QString& value) {
    // The number at the start of the text, blanks before it ignored; anything else reads as 0.
    // The digits are carried as text, so no length of input can overflow.
    qsizetype at = 0;
    while (at < value.size() && (value[at] == QLatin1Char(' ') || value[at] == QLatin1Char('\t'))) {
        ++at;
    }
    bool negative = false;
    if (at < value.size() && (value[at] == QLatin1Char('-') || value[at] == QLatin1Char('+'))) {
        negative = value[at] == QLatin1Char('-');
        ++at;
    }
    while (at < value.size() && value[at] == QLatin1Char('0')) {
        ++at;
    }
    QString digits;
    while (at < value.size() && IsAsciiDigit(value[at])) {
        digits += value[at++];
    }
    if (digits.isEmpty()) {
        return QStringLiteral(" 0");
    }
    return (negative ? QLatin1Char('-') : QLatin1Char(' ')) + digits;
}

QString AppFilePath(const QString& appDir, const QString& fileName) {
    // A folder that already ends in a separator (the root, a drive) gets no second one.
    const bool endsInSeparator =
        appDir.endsWith(QLatin1Char('/')) || appDir.endsWith(QLatin1Char('\\'));
    const QString joined =
        endsInSeparator ? appDir + fileName : appDir + QLatin1Char('/') + fileName;
    return QDir::toNativeSeparators(joined);
}

QString MonthSheetPath(const WindowState& state, const QString& userName) {
    // The window holds its date as the texts it shows ("17", "07"); the name is built from their
    // numbers by the one rule every sheet is named by.
    return AppFilePath(state.AppDir,
                       SheetFileName(userName, state.YearText.toInt(), state.MonthText.toInt()));
}

QString MonthSheetPath(const QString& appDir, const QString& userName, const QDate& date) {
    return AppFilePath(appDir, SheetFileName(userName, date.year(), date.month()));
}

bool SheetNameFits(const QString& userName) {
    return FileNameCanBeSaved(SheetFileName(userName, kLastSheetYear, 12));
}

namespace {

QString DayRowFields(const QString& inHour, const QString& inMinute, const QString& outHour,
                     const QString& outMinute, const QString& reasons) {
    const QChar comma = QLatin1Char(',');
    return comma + inHour + comma + inMinute + comma + outHour + comma + outMinute + comma +
           reasons;
}

QString DayRowFields(const WindowState& state) {
    return DayRowFields(state.InHour, state.InMinute, state.OutHour, state.OutMinute,
                        state.ReasonCodes);
}

}  // namespace

QString ComposeDayRow(const WindowState& state, int day) {
    return NumberText(day) + DayRowFields(state);
}

QString ComposeDayRow(const WindowState& state, const QString& dayText) {
    return NumberText(dayText) + DayRowFields(state);
}

QString ComposeDayRow(int day, const QString& inHour, const QString& inMinute,
                      const QString& outHour, const QString& outMinute, const QString& reasons) {
    return NumberText(day) + DayRowFields(inHour, inMinute, outHour, outMinute, reasons);
}

namespace {

QString HeaderAfterMonth(const QString& userName) {
    return QStringLiteral("月／日,始業時,分,終業時,分,残業内容,ユーザー名,") + userName;
}

}  // namespace

QString ComposeHeaderRow(int month, const QString& userName) {
    return NumberText(month) + HeaderAfterMonth(userName);
}

SheetTable BlankMonth() {
    SheetTable lines;
    for (int day = 1; day <= 31; ++day) {
        lines[size_t(day)] = NumberText(day) + QStringLiteral(",,,,,");
    }
    return lines;
}

DayRowCut SplitDayRow(const QString& row) {
    const QChar comma = QLatin1Char(',');
    const qsizetype p1 = FindFrom(row, comma, 1);
    const qsizetype p2 = FindFrom(row, comma, p1 + 1);
    const qsizetype p3 = FindFrom(row, comma, p2 + 1);
    return {Cut(row, p1 + 1, p2 - p1 - 1), Cut(row, p2 + 1, p3 - p2 - 1)};
}

TimeTextCut SplitTimeText(const QString& text) {
    const QChar colon = QLatin1Char(':');
    const qsizetype k1 = FindFrom(text, colon, 1);
    const qsizetype k2 = FindFrom(text, colon, k1 + 1);
    return {Cut(text, 1, k1 - 1), Cut(text, k1 + 1, k2 - k1 - 1)};
}
