#include "overtime/sheet_days.h"

#include "records/day_rows.h"
#include "records/sheet_layout.h"

#include <algorithm>
#include <climits>

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
    bool words = false;
    for (QChar c : fields[5]) {
        if (ReasonIndex(c)) {
            parse.times.reasons += c;
        } else if (!c.isSpace()) {
            words = true;
        }
    }
    if (words) {
        parse.unreadReasons = fields[5].toString();
    }
    parse.ok = true;
    return parse;
}

namespace {

// One day's row: counted, or listed with what is wrong.
void ReadDay(const SheetLine& line, qsizetype index, int day, const SheetContext& context,
             int daysInMonth, SheetMonth& month) {
    LookItem look{context.fileName, int(index) + 1, day, LookReason::UnreadableRow, {}};
    if (line.isFromDisk() && line.text().isEmpty() && !line.originalBytes().isEmpty()) {
        look.detail = UndecodableLine(line.originalBytes());
        month.looks.append(look);
        return;
    }
    const RowParse parse = ParseDayRow(line.text(), day);
    if (!parse.ok) {
        look.detail = QStringLiteral("%1: 「%2」").arg(parse.error, line.text());
        month.looks.append(look);
        return;
    }
    const RowTimes& t = parse.times;
    if (!t.in && !t.out) {
        return;  // a day not worked; reason letters alone mean nothing
    }
    if (!parse.unreadReasons.isEmpty()) {
        month.looks.append({context.fileName, look.line, day, LookReason::UnreadableReasons,
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
            month.days.append({day, *t.in, *t.out, figures, t.reasons, look.line});
        }
        return;
    }
    month.looks.append(look);
    if (context.keepDays) {
        month.uncounted.append({day, t.in, t.out});
    }
}

// A line as the look at it shows it: its text, or why its bytes are no text.
QString ShownLine(const SheetLine& line) {
    if (line.isFromDisk() && line.text().isEmpty() && !line.originalBytes().isEmpty()) {
        return UndecodableLine(line.originalBytes());
    }
    return QStringLiteral("「%1」").arg(line.text());
}

// "3日、7日～9日".
QString DayRanges(const QList<int>& days) {
    QStringList parts;
    for (qsizetype i = 0; i < days.size();) {
        qsizetype j = i;
        while (j + 1 < days.size() && days[j + 1] == days[j] + 1) {
            ++j;
        }
        parts << (i == j ? QStringLiteral("%1日").arg(days[i])
                         : QStringLiteral("%1日～%2日").arg(days[i]).arg(days[j]));
        i = j + 1;
    }
    return parts.join(QStringLiteral("、"));
}

}  // namespace

SheetMonth ReadSheetDays(const QList<SheetLine>& lines, const SheetContext& context) {
    SheetMonth month;
    if (lines.isEmpty()) {
        month.looks.append({context.fileName, 0, 0, LookReason::MissingRows, MissingRowsText(0)});
        return month;
    }
    const int daysInMonth = QDate(context.year, context.month, 1).daysInMonth();
    const DayRows rows(lines);
    // The day whose row each line is, as far as any is; -1 for a line that is no day's row.
    QList<int> dayOfLine(lines.size(), -1);
    QList<int> missing;
    bool endedEarly = false;
    for (int day = 1; day <= 31; ++day) {
        const DayRowPlace place = rows.find(day);
        if (place.finding == DayRowFinding::Duplicated) {
            QStringList where;
            QStringList shown;
            for (const qsizetype line : place.lines) {
                dayOfLine[line] = day;
                where << QStringLiteral("%1行目").arg(line + 1);
                shown << ShownLine(lines[line]);
            }
            month.looks.append({context.fileName, int(place.lines.first()) + 1, day,
                                LookReason::DuplicateRow,
                                QStringLiteral("%1日の行が %2 にあります: %3")
                                    .arg(QString::number(day), where.join(QStringLiteral("と")),
                                         shown.join(u' '))});
        } else if (place.finding == DayRowFinding::Missing) {
            if (day <= daysInMonth) {
                missing << day;
            }
        } else if (place.line >= lines.size()) {
            endedEarly = true;  // the clock's layout, cut short
        } else {
            dayOfLine[place.line] = day;
            // In the clock's layout an emptied row is the day's place, with nothing recorded.
            if (RowDay(lines[place.line])) {
                ReadDay(lines[place.line], place.line, day, context, daysInMonth, month);
            }
        }
    }
    // A line among the days that is no day's row: a row whose day number was typed over. Where
    // it stands in the place of the one day missing there, it is that day's row, unreadable.
    const auto isRow = [&dayOfLine](qsizetype i) { return dayOfLine[i] > 0; };
    qsizetype firstRow = -1;
    qsizetype lastRow = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (isRow(i)) {
            firstRow = firstRow < 0 ? i : firstRow;
            lastRow = i;
        }
    }
    int dayAbove = 0;
    for (qsizetype i = std::max<qsizetype>(firstRow, 0); i < lastRow; ++i) {
        if (isRow(i)) {
            dayAbove = std::max(dayAbove, dayOfLine[i]);
            continue;
        }
        if (IsEmptyRow(lines[i])) {
            continue;
        }
        qsizetype below = i + 1;
        while (!isRow(below)) {
            ++below;
        }
        QList<int> between;
        for (const int day : missing) {
            if (day > dayAbove && day < dayOfLine[below]) {
                between << day;
            }
        }
        LookItem look{context.fileName, int(i) + 1, 0, LookReason::UnreadableRow, {}};
        if (between.size() == 1) {
            look.day = between.first();
            missing.removeOne(look.day);
            look.detail = QStringLiteral("日付の欄が %1 ではありません: %2")
                              .arg(QString::number(look.day), ShownLine(lines[i]));
        } else {
            look.detail = QStringLiteral("どの日の行か分かりません: %1").arg(ShownLine(lines[i]));
        }
        month.looks.append(look);
    }
    if (endedEarly) {
        month.looks.append(
            {context.fileName, 0, 0, LookReason::MissingRows, MissingRowsText(int(lines.size()))});
    }
    if (!missing.isEmpty()) {
        month.looks.append({context.fileName, 0, 0, LookReason::MissingRows,
                            QStringLiteral("%1の行がありません").arg(DayRanges(missing))});
    }
    // In the order of the file's lines; what concerns the whole file last.
    std::stable_sort(month.looks.begin(), month.looks.end(),
                     [](const LookItem& a, const LookItem& b) {
                         return (a.line == 0 ? INT_MAX : a.line) < (b.line == 0 ? INT_MAX : b.line);
                     });
    return month;
}
