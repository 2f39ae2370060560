#include "overtime/sheet_days.h"

#include "records/sheet_layout.h"

#include <array>

namespace {

// Hour and minute, both set or both empty.
std::optional<int> TimeOfDay(QStringView hour, QStringView minute, const char* which,
                             QString& error, int hourLimit = kDayHours) {
    const RowTime time = ReadRowTime(hour, minute, hourLimit);
    if (time.reading == RowTime::Reading::NotATime) {
        error = QStringLiteral("%1の時刻「%2:%3」が読めません")
                    .arg(QString::fromUtf8(which), hour.toString(), minute.toString());
    } else if (time.reading == RowTime::Reading::HalfGiven) {
        error = QStringLiteral("%1の時と分の片方しかありません").arg(QString::fromUtf8(which));
    } else if (time.reading == RowTime::Reading::Time) {
        return time.minutes;
    }
    return std::nullopt;
}

// A line the records could not decode: why, in the words a person can act on.
QString UndecodableLine(const QByteArray& bytes) {
    // CP932's second bytes start at 0x40: a byte below 0x20, or 0x7F, is a control character.
    for (const char byte : bytes) {
        if (uchar(byte) < 0x20 || uchar(byte) == 0x7F) {
            return QStringLiteral("制御文字 (タブなど) があります");
        }
    }
    return QStringLiteral("CP932 として読めない文字があります");
}

// The rows a file that ended early lacks.
QString MissingRowsText(int linesRead) {
    if (linesRead <= 0) {
        return QStringLiteral("ファイルが空です (見出しと 1日～31日の行がありません)");
    }
    const QString missing = linesRead == kSheetFileLines - 1
                                ? QStringLiteral("31日の行")
                                : QStringLiteral("%1日～31日の行").arg(linesRead);
    return QStringLiteral("%1 行しかありません (%2 行のはず): %3がありません")
        .arg(QString::number(linesRead), QString::number(kSheetFileLines), missing);
}

}  // namespace

RowParse ParseDayRow(const QString& row, int day) {
    RowParse parse;
    // The six fields of a day row; a spreadsheet that saved the sheet again pads every row to the
    // header's width with empty ones. Cut in place: a month has 31 rows and a staff many months.
    std::array<QStringView, kDayRowFields> fields;
    int count = 0;
    bool extraText = false;
    QStringView rest(row);
    while (true) {
        const qsizetype comma = rest.indexOf(u',');
        const QStringView field = comma < 0 ? rest : rest.first(comma);
        if (count < kDayRowFields) {
            fields[count] = field;
        } else {
            extraText = extraText || !field.isEmpty();
        }
        ++count;
        if (comma < 0) {
            break;
        }
        rest = rest.sliced(comma + 1);
    }
    if (count < kDayRowFields || extraText) {
        parse.error = QStringLiteral("欄の数が合いません");
        return parse;
    }
    bool dayOk = false;
    const int rowDay = fields[0].trimmed().toInt(&dayOk);
    if (!dayOk || rowDay != day) {
        parse.error = QStringLiteral("日付の欄が %1 ではありません").arg(day);
        return parse;
    }
    parse.times.in = TimeOfDay(fields[1], fields[2], "始業", parse.error);
    if (parse.error.isEmpty()) {
        // A night's work ends in the next morning's hours, 24 and on.
        parse.times.out = TimeOfDay(fields[3], fields[4], "終業", parse.error, kEndHourLimit);
    }
    if (!parse.error.isEmpty()) {
        return parse;
    }
    // Blanks a spreadsheet leaves around letters mean nothing; anything else is shown.
    for (QChar c : fields[5]) {
        if (ReasonIndex(c)) {
            parse.times.reasons += c;
        } else if (!c.isSpace()) {
            parse.unreadReasons = fields[5].toString();
        }
    }
    parse.ok = true;
    return parse;
}

SheetMonth ReadSheetDays(const SheetTable& lines, int linesRead, const SheetContext& context) {
    SheetMonth month;
    const int daysInMonth = QDate(context.year, context.month, 1).daysInMonth();
    if (linesRead > 0 && lines[0].originalBytes().contains('\r')) {
        month.looks.append({context.fileName, 1, 0, LookReason::UnreadableRow,
                            UndecodableLine(lines[0].originalBytes())});
    }
    const int lastRow = std::min(linesRead - 1, kSheetFileLines - 1);
    for (int day = 1; day <= lastRow; ++day) {
        const SheetLine& line = lines[day];
        LookItem look{context.fileName, day + 1, day, LookReason::UnreadableRow, {}};
        if (line.isFromDisk() && line.text().isEmpty() && !line.originalBytes().isEmpty()) {
            look.detail = UndecodableLine(line.originalBytes());
            month.looks.append(look);
            continue;
        }
        const RowParse parse = ParseDayRow(line.text(), day);
        if (!parse.ok) {
            look.detail = QStringLiteral("%1: 「%2」").arg(parse.error, line.text());
            month.looks.append(look);
            continue;
        }
        const RowTimes& t = parse.times;
        if (!t.in && !t.out) {
            continue;  // a day not worked; reason letters alone mean nothing
        }
        if (!parse.unreadReasons.isEmpty()) {
            month.looks.append({context.fileName, day + 1, day, LookReason::UnreadableReasons,
                                QStringLiteral("「%1」").arg(parse.unreadReasons)});
        }
        look.detail = QStringLiteral("「%1」").arg(line.text());
        if (day > daysInMonth) {
            look.reason = LookReason::DayNotInMonth;
        } else if (!t.in) {
            look.reason = LookReason::OutWithoutIn;
        } else if (!t.out) {
            const bool today = context.today == QDate(context.year, context.month, day);
            look.reason = today ? LookReason::StillOpen : LookReason::MissingOut;
        } else if (*t.out < *t.in) {
            look.reason = LookReason::EndBeforeIn;
        } else {
            const bool dayOff = context.calendar && context.calendar->days[day].off;
            const DayFigures figures = FiguresForDay(*t.in, *t.out, context.breakMinutes, dayOff);
            AddDay(month.totals, figures, t.reasons);
            if (context.keepDays) {
                month.days.append({day, *t.in, *t.out, figures, t.reasons});
            }
            continue;
        }
        month.looks.append(look);
        if (context.keepDays) {
            month.uncounted.append({day, t.in, t.out});
        }
    }
    if (linesRead < kSheetFileLines) {
        month.looks.append(
            {context.fileName, 0, 0, LookReason::MissingRows, MissingRowsText(linesRead)});
    }
    return month;
}
