// Reading and writing the month sheet. Reading keeps every line's bytes so that a row nobody
// changed goes back to disk exactly as it came; writing builds the whole file in memory first and
// replaces the old one atomically, so a failed save leaves the previous sheet as it was.
#include "records/cp932.h"
#include "records/month_sheet.h"
#include "records/sheet_layout.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

// The end of the line that starts at `from`: the position of its CR or LF, or the end of the text.
// `next` is where the following line starts.
qsizetype LineEnd(const QByteArray& bytes, qsizetype from, qsizetype& next) {
    qsizetype at = from;
    while (at < bytes.size() && bytes[at] != '\r' && bytes[at] != '\n') {
        ++at;
    }
    next = at;
    if (next < bytes.size()) {
        next += bytes[next] == '\r' && next + 1 < bytes.size() && bytes[next + 1] == '\n' ? 2 : 1;
    }
    return at;
}

}  // namespace

bool FileExists(const QString& path) {
    return KindAt(path) != FileKind::Absent;
}

namespace {

// Reads the sheet's bytes, without its byte-order mark, and says in which encoding its lines are.
SheetReadResult OpenSheet(const QString& path, QByteArray& bytes) {
    SheetReadResult result;
    SmallFileRead file = ReadSmallFile(path, kMaxSheetBytes);
    result.outcome = file.outcome;
    if (!result.outcome.ok()) {
        return result;
    }
    result.encoding = DetectTextEncoding(file.bytes);
    bytes = std::move(file.bytes);
    bytes.remove(0, EncodingMark(result.encoding).size());
    return result;
}

// Splits up to `maxLines` lines off the bytes, from the start, handing each to `take` with its
// end; gives where the lines not taken begin.
template <typename Take>
qsizetype SplitLines(const QByteArray& bytes, qsizetype maxLines, TextEncoding encoding,
                     Take take) {
    qsizetype from = 0;
    for (qsizetype count = 0; count < maxLines && from < bytes.size(); ++count) {
        qsizetype next = 0;
        const qsizetype end = LineEnd(bytes, from, next);
        const QByteArray line = bytes.mid(from, end - from);
        // Bytes that do not decode (or hold a control character) read as text no cut can use;
        // they are kept and written back as they were.
        const Cp932Result decoded = DecodeLine(line, encoding);
        take(SheetLine::fromDisk(line, decoded.ok ? decoded.text : QString()),
             bytes.mid(end, next - end));
        from = next;
    }
    return from;
}

}  // namespace

SheetReadResult ReadSheetFile(const QString& path, SheetTable& lines) {
    QByteArray bytes;
    SheetReadResult result = OpenSheet(path, bytes);
    if (!result.outcome.ok()) {
        return result;
    }
    const qsizetype rest =
        SplitLines(bytes, kSheetFileLines, result.encoding, [&](SheetLine line, const QByteArray&) {
            lines[size_t(result.linesRead++)] = std::move(line);
        });
    result.rest = bytes.mid(rest);
    return result;
}

SheetFile ReadWholeSheet(const QString& path) {
    SheetFile sheet;
    QByteArray bytes;
    sheet.read = OpenSheet(path, bytes);
    if (sheet.read.outcome.ok()) {
        // Room for a sheet as the clock writes it, header and 31 days, with a line to spare.
        sheet.lines.reserve(kSheetFileLines + 1);
        sheet.ends.reserve(kSheetFileLines + 1);
        SplitLines(bytes, bytes.size(), sheet.read.encoding,
                   [&sheet](SheetLine line, const QByteArray& end) {
                       sheet.lines.append(std::move(line));
                       sheet.ends.append(end);
                   });
        sheet.read.linesRead = int(qMin<qsizetype>(sheet.lines.size(), kSheetFileLines));
    }
    return sheet;
}

int FillTable(const SheetFile& sheet, SheetTable& lines) {
    const int count = int(qMin<qsizetype>(sheet.lines.size(), kSheetFileLines));
    for (int i = 0; i < count; ++i) {
        lines[size_t(i)] = sheet.lines[i];
    }
    return count;
}

namespace {

// The bytes of a sheet: its mark, then each line with CR LF for the first 32 and its own end for
// the others. A line read from disk goes back with its own bytes; any other is encoded, and one
// that cannot be fails the whole save before anything is written.
std::optional<FileOutcome> SheetBytes(const QString& path, const QList<SheetLine>& lines,
                                      const QList<QByteArray>& ends, TextEncoding encoding,
                                      QByteArray& content) {
    content = EncodingMark(encoding);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const SheetLine& line = lines[i];
        if (line.isFromDisk()) {
            // A line break inside one line would shift every later day.
            for (const char end : {'\n', '\r'}) {
                if (line.originalBytes().contains(end)) {
                    return FileOutcome::unstorable(path, char32_t(end));
                }
            }
            content += line.originalBytes();
        } else {
            const Cp932Result encoded = EncodeLine(line.text(), encoding);
            if (!encoded.ok) {
                return FileOutcome::unstorable(path, encoded.character);
            }
            content += encoded.bytes;
        }
        content += i < kSheetFileLines ? QByteArray("\r\n") : ends.value(i);
    }
    return std::nullopt;
}

}  // namespace

FileOutcome WriteSheetFile(const QString& path, const SheetTable& lines, const QByteArray& rest,
                           TextEncoding encoding) {
    // The whole file first: a row that cannot be stored stops the save before anything is opened.
    const QList<SheetLine> fileLines(lines.begin(), lines.begin() + kSheetFileLines);
    QByteArray content;
    if (auto refused = SheetBytes(path, fileLines, {}, encoding, content)) {
        return *refused;
    }
    return SaveSmallFile(path, content + rest);
}

FileOutcome WriteWholeSheet(const QString& path, const SheetFile& sheet) {
    QByteArray content;
    if (auto refused = SheetBytes(path, sheet.lines, sheet.ends, sheet.read.encoding, content)) {
        return *refused;
    }
    return SaveSmallFile(path, content);
}

std::optional<FileOutcome> SeparatorInName(const QString& path, const QString& userName) {
    // A separator in the name would put the sheet into another folder (or out of the working one).
    for (const QChar separator : {QLatin1Char('/'), QLatin1Char('\\')}) {
        if (userName.contains(separator)) {
            return FileOutcome::unstorable(path, separator.unicode());
        }
    }
    return std::nullopt;
}

FileOutcome LoadMonthSheet(WindowState& state, SheetTable& lines, const QString& userName) {
    state.InHour.clear();
    state.InMinute.clear();
    const QString path = MonthSheetPath(state, userName);
    if (!FileExists(path)) {
        // The blank month lives only in memory until the next save. Index 0 keeps what it held.
        for (int day = kSheetFileLines - 1; day >= 1; --day) {
            lines[size_t(day)] = ComposeDayRow(state, day);
        }
        return FileOutcome::done(path);
    }
    // A sheet that cannot be read leaves the table as it was; a short one fills what it has.
    return ReadSheetFile(path, lines).outcome;
}
