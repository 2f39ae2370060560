// Reading and writing the month sheet. Reading keeps every line's bytes so that a row nobody
// changed goes back to disk exactly as it came; writing builds the whole file in memory first and
// replaces the old one atomically, so a failed save leaves the previous sheet as it was.
#include "cp932.h"
#include "month_sheet.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

// A line as it came from disk: bytes up to LF, without the LF and one CR before it.
QByteArray WithoutLineEnd(QByteArray line) {
    if (line.endsWith('\n')) {
        line.chop(1);
        if (line.endsWith('\r')) {
            line.chop(1);
        }
    }
    return line;
}

}  // namespace

bool FileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo::exists(path);
}

SheetReadResult ReadSheetFile(const QString& path, SheetTable& lines) {
    SheetReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error =
            QStringLiteral("Cannot read the month sheet %1: %2").arg(path, file.errorString());
        result.fileError = file.error();
        return result;
    }
    result.opened = true;
    while (result.linesRead < kFileLineCount) {
        const QByteArray raw = file.readLine();
        if (raw.isEmpty()) {
            break;  // the end of the file, or a read that failed
        }
        const QByteArray bytes = WithoutLineEnd(raw);
        // Bytes that are not CP932 (or hold a control character) read as text no cut can use;
        // they are kept and written back as they were.
        const Cp932Result decoded = DecodeCp932(bytes);
        lines[result.linesRead] = SheetLine::fromDisk(bytes, decoded.ok ? decoded.text : QString());
        ++result.linesRead;
    }
    if (file.error() != QFileDevice::NoError) {
        // One arg() call: a '%1' in the path (the person's name) must stay as it is.
        result.error = QStringLiteral("Reading the month sheet %1 stopped after %2 lines: %3")
                           .arg(path, QString::number(result.linesRead), file.errorString());
        result.fileError = file.error();
    }
    return result;
}

SheetWriteResult WriteSheetFile(const QString& path, const SheetTable& lines) {
    // The whole file first: a row that cannot be stored stops the save before anything is opened.
    QByteArray content;
    for (int i = 0; i < kFileLineCount; ++i) {
        const SheetLine& line = lines[i];
        if (line.isFromDisk()) {
            if (line.originalBytes().contains('\n')) {
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

    // QSaveFile writes a temporary file beside the sheet and renames it over the sheet only when
    // everything was written; without the direct-write fallback a folder where no temporary file
    // can be made fails the save instead of truncating the sheet in place.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // Unbuffered, so that a write that fails (a full disk) fails here and not unseen in a flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return WriteFailure(path, file.errorString(), file.error());
    }
    // A short write is tried again for the rest, so that the system names its reason (a full
    // disk, a file size limit) on the attempt that writes nothing.
    for (qsizetype done = 0; done < content.size();) {
        const qint64 n = file.write(content.constData() + done, content.size() - done);
        if (n <= 0) {
            const QString reason = file.errorString();
            const QFileDevice::FileError error = file.error();
            file.cancelWriting();
            file.commit();  // removes the temporary file
            return WriteFailure(path, reason, error);
        }
        done += n;
    }
    if (!file.commit()) {
        return WriteFailure(path, file.errorString(), file.error());
    }
    return {true, path, {}, {}, QFileDevice::NoError, 0};
}

SheetReadResult ReadMonthSheet(WindowState& state, const QString& userName) {
    return ReadSheetFile(MonthSheetPath(state, userName), state.SheetLines);
}

SheetWriteResult WriteMonthSheet(const WindowState& state, const QString& userName) {
    const QString path = MonthSheetPath(state, userName);
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
    return WriteSheetFile(path, state.SheetLines);
}

bool LoadMonthSheet(WindowState& state, const QString& userName) {
    state.InHour.clear();
    state.InMinute.clear();
    const QString path = MonthSheetPath(state, userName);
    if (!FileExists(path)) {
        // The blank month lives only in memory until the next save. Index 0 keeps what it held.
        for (int day = kFileLineCount - 1; day >= 1; --day) {
            state.SheetLines[day] = ComposeDayRow(state, day);
        }
        return true;
    }
    // A sheet that cannot be read leaves the table as it was; a short one fills what it has. A
    // read that broke off part-way has not given the whole sheet either.
    const SheetReadResult read = ReadMonthSheet(state, userName);
    return read.opened && read.error.isEmpty();
}
