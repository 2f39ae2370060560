// Reading and writing the month sheet. Reading keeps every line's bytes so that a row nobody
// changed goes back to disk exactly as it came; writing builds the whole file in memory first and
// replaces the old one atomically, so a failed save leaves the previous sheet as it was.
#include "cp932.h"
#include "month_sheet.h"
#include "whole_file_save.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The table's rows that live on disk: the header and days 1 to 31. Entry 32 never does.
constexpr int kFileLineCount = 32;

QString RowName(int index) {
    return index == 0 ? QStringLiteral("the header row")
                      : QStringLiteral("the row of day %1").arg(index);
}

SheetWriteResult WriteFailure(const QString& path, const QString& reason,
                              QFileDevice::FileError fileError = QFileDevice::NoError,
                              char32_t unstorable = 0) {
    return {
        false,  path,      QStringLiteral("Cannot save the month sheet %1: %2").arg(path, reason),
        reason, fileError, unstorable};
}

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

SheetReadResult ReadSheetFile(const QString& path, SheetTable& lines) {
    SheetReadResult result;
    const SmallFileRead file = ReadSmallFile(path, kMaxSheetBytes);
    result.outcome = file.outcome;
    result.kind = file.kind;
    result.size = file.size;
    switch (file.outcome) {
        case SmallFileRead::Outcome::Read:
            break;
        case SmallFileRead::Outcome::Absent:
            result.error = QStringLiteral("The month sheet %1 is not there").arg(path);
            return result;
        case SmallFileRead::Outcome::NotRegular:
            result.error = QStringLiteral("The month sheet %1 is not a regular file").arg(path);
            return result;
        case SmallFileRead::Outcome::TooLarge:
            result.error =
                QStringLiteral("The month sheet %1 is far too large for a sheet").arg(path);
            return result;
        case SmallFileRead::Outcome::Failed:
            result.error =
                QStringLiteral("Cannot read the month sheet %1: %2").arg(path, file.reason);
            return result;
    }
    result.opened = true;
    const QByteArray& bytes = file.bytes;
    qsizetype from = 0;
    while (result.linesRead < kFileLineCount && from < bytes.size()) {
        qsizetype next = 0;
        const QByteArray line = bytes.mid(from, LineEnd(bytes, from, next) - from);
        // Bytes that are not CP932 (or hold a control character) read as text no cut can use;
        // they are kept and written back as they were.
        const Cp932Result decoded = DecodeCp932(line);
        lines[size_t(result.linesRead)] =
            SheetLine::fromDisk(line, decoded.ok ? decoded.text : QString());
        ++result.linesRead;
        from = next;
    }
    result.rest = bytes.mid(from);
    return result;
}

SheetWriteResult WriteSheetFile(const QString& path, const SheetTable& lines,
                                const QByteArray& rest) {
    // The whole file first: a row that cannot be stored stops the save before anything is opened.
    QByteArray content;
    for (int i = 0; i < kFileLineCount; ++i) {
        const SheetLine& line = lines[size_t(i)];
        if (line.isFromDisk()) {
            if (line.originalBytes().contains('\n') || line.originalBytes().contains('\r')) {
                return WriteFailure(path, RowName(i) + QStringLiteral(" holds a line break"));
            }
            content += line.originalBytes();
        } else {
            const Cp932Result encoded = EncodeCp932(line.text());
            if (!encoded.ok) {
                return WriteFailure(path, RowName(i) + QStringLiteral(": ") + encoded.error,
                                    QFileDevice::NoError, encoded.unstorable);
            }
            content += encoded.bytes;
        }
        content += "\r\n";
    }
    content += rest;

    // A save through a link would replace whatever the link leads to, outside the folder.
    if (const FileKind kind = KindAt(path); kind != FileKind::Absent && kind != FileKind::Regular) {
        SheetWriteResult refused = WriteFailure(
            path, QStringLiteral("something other than a regular file is in its place"),
            QFileDevice::OpenError);
        refused.refusedKind = kind;
        return refused;
    }

    const WholeFileSave saved = SaveWholeFile(path, content);
    if (!saved.ok) {
        return WriteFailure(path, saved.reason, saved.error);
    }
    return {true, path, {}, {}, QFileDevice::NoError, 0, FileKind::Absent};
}

SheetReadResult ReadMonthSheet(const WindowState& state, const QString& userName,
                               SheetTable& lines) {
    return ReadSheetFile(MonthSheetPath(state, userName), lines);
}

std::optional<SheetWriteResult> SeparatorInName(const QString& path, const QString& userName) {
    // A separator in the name would put the sheet into another folder (or out of the working one).
    for (const QChar separator : {QLatin1Char('/'), QLatin1Char('\\')}) {
        if (userName.contains(separator)) {
            return WriteFailure(path,
                                QStringLiteral("the name \"%1\" holds \"%2\", which a file "
                                               "name may not hold")
                                    .arg(userName, separator),
                                QFileDevice::NoError, separator.unicode());
        }
    }
    return std::nullopt;
}

SheetWriteResult WriteMonthSheet(const WindowState& state, const QString& userName,
                                 const SheetTable& lines) {
    const QString path = MonthSheetPath(state, userName);
    if (auto refused = SeparatorInName(path, userName)) {
        return *refused;
    }
    return WriteSheetFile(path, lines);
}

bool LoadMonthSheet(WindowState& state, SheetTable& lines, const QString& userName) {
    state.InHour.clear();
    state.InMinute.clear();
    const QString path = MonthSheetPath(state, userName);
    if (!FileExists(path)) {
        // The blank month lives only in memory until the next save. Index 0 keeps what it held.
        for (int day = kFileLineCount - 1; day >= 1; --day) {
            lines[size_t(day)] = ComposeDayRow(state, day);
        }
        return true;
    }
    // A sheet that cannot be read leaves the table as it was; a short one fills what it has. A
    // read that broke off part-way has not given the whole sheet either.
    const SheetReadResult read = ReadMonthSheet(state, userName, lines);
    return read.opened && read.error.isEmpty();
}
