#include "overtime/school_calendar.h"

#include "overtime/month_key.h"
#include "records/small_file.h"
#include "records/text_encoding.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <optional>

namespace {

// A calendar of a few hundred lines is a few kilobytes; anything far larger is another file.
constexpr qint64 kMaxCalendarBytes = 1024 * 1024;
constexpr int kColumns = 3;

// The fields of one CSV line as Excel writes them: a field holding a comma or a quote is quoted,
// quotes inside doubled. Nothing on an unclosed quote.
std::optional<QStringList> SplitFields(const QString& line) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
        } else if (c == u',') {
            fields << field.trimmed();
            field.clear();
        } else {
            field += c;
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    fields << field.trimmed();
    return fields;
}

std::optional<QDate> ValidDate(int year, int month, int day) {
    const QDate date(year, month, day);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

int YearInSchoolYear(int schoolYear, int month) {
    return YearOfKey(MonthInSchoolYear(schoolYear, month));
}

// The month of "Mar", as an English spreadsheet writes it; 0 for none.
int EnglishMonth(const QString& text) {
    static const QStringList names{"jan", "feb", "mar", "apr", "may", "jun",
                                   "jul", "aug", "sep", "oct", "nov", "dec"};
    return int(names.indexOf(text.left(3).toLower())) + 1;
}

// "2017/10/7", "2017/10/07", "2017-10-07" or "2017年10月7日"; without the year "10/7", "10-7",
// "10月7日", "Oct 07" or "7-Oct".
std::optional<QDate> ReadDate(const QString& text, int schoolYear) {
    static const QRegularExpression full(
        QStringLiteral("^([0-9]{4})([/-])([0-9]{1,2})\\2([0-9]{1,2})$"));
    static const QRegularExpression kanji(
        QStringLiteral("^(?:([0-9]{4})年)?([0-9]{1,2})月([0-9]{1,2})日$"));
    static const QRegularExpression shortDate(QStringLiteral("^([0-9]{1,2})([/-])([0-9]{1,2})$"));
    static const QRegularExpression monthDay(QStringLiteral("^([A-Za-z]{3,9})\\.? ?([0-9]{1,2})$"));
    static const QRegularExpression dayMonth(QStringLiteral("^([0-9]{1,2})[- ]([A-Za-z]{3,9})$"));
    if (const auto m = full.match(text); m.hasMatch()) {
        return ValidDate(m.captured(1).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
    }
    if (const auto m = kanji.match(text); m.hasMatch()) {
        const int month = m.captured(2).toInt();
        const int year = m.captured(1).isEmpty() ? YearInSchoolYear(schoolYear, month)
                                                 : m.captured(1).toInt();
        return ValidDate(year, month, m.captured(3).toInt());
    }
    int month = 0;
    int day = 0;
    if (const auto m = shortDate.match(text); m.hasMatch()) {
        month = m.captured(1).toInt();
        day = m.captured(3).toInt();
    } else if (const auto m = monthDay.match(text); m.hasMatch()) {
        month = EnglishMonth(m.captured(1));
        day = m.captured(2).toInt();
    } else if (const auto m = dayMonth.match(text); m.hasMatch()) {
        month = EnglishMonth(m.captured(2));
        day = m.captured(1).toInt();
    }
    if (month < 1 || month > 12) {
        return std::nullopt;
    }
    return ValidDate(YearInSchoolYear(schoolYear, month), month, day);
}

bool IsKind(const QString& text) {
    return text == u"休" || text == u"出";
}

// The header: a first line that holds neither a digit in its first column nor a kind in its
// second. "運動会,出" is a line without its date, not a header.
bool IsHeader(const QStringList& fields) {
    static const QRegularExpression digit(QStringLiteral("[0-9]"));
    return !fields.first().contains(digit) && !IsKind(fields.value(1));
}

// What is wrong with one line, or an empty text once it is in the calendar.
QString TakeLine(const QStringList& fields, int lineNumber, int schoolYear,
                 SchoolCalendar& calendar, QHash<QDate, int>& lineOf) {
    const auto date = ReadDate(fields[0], schoolYear);
    if (!date) {
        return QStringLiteral("「%1」は日付ではありません (2017/10/7 か 2017-10-07 の形で)")
            .arg(fields[0]);
    }
    if (fields.size() < 2 || !IsKind(fields[1])) {
        return QStringLiteral("2 列目は「休」か「出」のはずです (「%1」)").arg(fields.value(1));
    }
    for (qsizetype i = kColumns; i < fields.size(); ++i) {
        if (!fields[i].isEmpty()) {
            return QStringLiteral("列が多すぎます (日付、休か出、備考の 3 列まで)");
        }
    }
    if (const auto earlier = lineOf.constFind(*date); earlier != lineOf.constEnd()) {
        return QStringLiteral("%1 は %2 行目にもあります")
            .arg(date->toString(QStringLiteral("yyyy/M/d")), QString::number(*earlier));
    }
    lineOf.insert(*date, lineNumber);
    calendar.days.insert(*date, {fields[1] == u"出", fields.value(2)});
    return {};
}

QString Decode(const QByteArray& bytes, TextEncoding encoding, QString& text) {
    if (bytes.contains('\r')) {
        return QStringLiteral("行の途中に CR があります (改行は CR LF か LF のはずです)");
    }
    if (encoding != TextEncoding::Cp932) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = decoder.decode(bytes);
        return decoder.hasError() ? QStringLiteral("UTF-8 として読めない文字があります")
                                  : QString();
    }
    const Cp932Result decoded = DecodeCp932(bytes);
    text = decoded.text;
    return decoded.ok ? QString() : QStringLiteral("CP932 として読めない文字か制御文字があります");
}

}  // namespace

void ParseSchoolCalendar(const QByteArray& bytes, const QString& file, int schoolYear,
                         SchoolCalendar& calendar) {
    calendar = {file, {}, {}};
    const TextEncoding encoding = DetectTextEncoding(bytes);
    QList<QByteArray> lines = bytes.mid(EncodingMark(encoding).size()).split('\n');
    QHash<QDate, int> lineOf;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = int(i + 1);
        QByteArray& raw = lines[i];
        if (raw.endsWith('\r')) {
            raw.chop(1);
        }
        QString text;
        QString error = Decode(raw, encoding, text);
        std::optional<QStringList> fields;
        if (error.isEmpty()) {
            fields = SplitFields(text);
            error = fields ? QString() : QStringLiteral("引用符 (\") が閉じていません");
        }
        if (error.isEmpty() && fields->join(QString()).isEmpty()) {
            continue;  // an empty line, or one of commas alone
        }
        if (error.isEmpty() && number == 1 && IsHeader(*fields)) {
            continue;
        }
        if (error.isEmpty()) {
            error = TakeLine(*fields, number, schoolYear, calendar, lineOf);
        }
        if (!error.isEmpty()) {
            calendar.skipped.append(
                {number, text.isEmpty() ? error : QStringLiteral("%1: 「%2」").arg(error, text)});
        }
    }
}

QString ReadSchoolCalendar(const QString& path, int schoolYear, SchoolCalendar& calendar) {
    const SmallFileRead file = ReadSmallFile(path, kMaxCalendarBytes, Links::Followed);
    if (!file.outcome.ok()) {
        return QStringLiteral("学校カレンダー「%1」を使えません: %2").arg(path, file.outcome.why());
    }
    ParseSchoolCalendar(file.bytes, path, schoolYear, calendar);
    return {};
}
