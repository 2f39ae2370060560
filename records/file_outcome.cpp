#include "records/file_outcome.h"

#include "records/cp932.h"

namespace {

QString NotAFileText(FileKind kind) {
    switch (kind) {
        case FileKind::Link:
            return QStringLiteral("ふつうのファイルではなくリンクです");
        case FileKind::Folder:
            return QStringLiteral("ふつうのファイルではなくフォルダです");
        case FileKind::Pipe:
            return QStringLiteral("ふつうのファイルではなくパイプ (FIFO) です");
        case FileKind::Device:
            return QStringLiteral("ふつうのファイルではなくデバイスです");
        default:
            return QStringLiteral("ふつうのファイルではありません");
    }
}

QString WriteErrorText(QFileDevice::FileError error) {
    switch (error) {
        case QFileDevice::PermissionsError:
            return QStringLiteral("書き込みが許されていません");
        case QFileDevice::ResourceError:
            return QStringLiteral("ディスクの空きが足りません");
        case QFileDevice::OpenError:
            return QStringLiteral("ファイルを作れません");
        case QFileDevice::RenameError:
            return QStringLiteral("ファイルを置き換えられません");
        default:
            return QStringLiteral("書き込めません");
    }
}

FileOutcome WithFailure(FileFailure failure, const QString& path) {
    FileOutcome outcome;
    outcome.failure = failure;
    outcome.path = path;
    return outcome;
}

}  // namespace

QString FileOutcome::why() const {
    switch (failure) {
        case FileFailure::None:
            return {};
        case FileFailure::Absent:
            return QStringLiteral("ファイルがありません");
        case FileFailure::NotAFile:
            return NotAFileText(found);
        case FileFailure::TooLarge:
            return QStringLiteral("%1 バイトあり、大きすぎます (%2 KiB まで)")
                .arg(QString::number(size), QString::number(limit / 1024));
        case FileFailure::Unreadable:
            return QStringLiteral("読めません (%1)").arg(systemReason);
        case FileFailure::NotText:
            return encoding == TextEncoding::Cp932
                       ? QStringLiteral("Shift_JIS (CP932) として読めない文字があります")
                       : QStringLiteral("UTF-8 として読めない文字か制御文字があります");
        case FileFailure::Unstorable:
            return QStringLiteral("%1 は保存できない文字です").arg(DescribeCharacter(character));
        case FileFailure::Unwritable:
            return QStringLiteral("%1 (%2)").arg(WriteErrorText(writeError), systemReason);
        case FileFailure::HeldOpen:
            return QStringLiteral(
                       "ほかのプログラム (Excel など) がこのファイルを開いているため、"
                       "置き換えられません (%1)")
                .arg(systemReason);
        case FileFailure::Busy: {
            const QString since = heldSince.isValid()
                                      ? heldSince.toLocalTime().toString(QStringLiteral("HH:mm:ss"))
                                      : QStringLiteral("?");
            return QStringLiteral("ほかの時計が保存しているところです (パソコン「%1」、%2 から)")
                .arg(holder.isEmpty() ? QStringLiteral("?") : holder, since);
        }
    }
    return {};
}

FileOutcome FileOutcome::done(const QString& path) {
    return WithFailure(FileFailure::None, path);
}

FileOutcome FileOutcome::absent(const QString& path) {
    return WithFailure(FileFailure::Absent, path);
}

FileOutcome FileOutcome::notAFile(const QString& path, FileKind found) {
    FileOutcome outcome = WithFailure(FileFailure::NotAFile, path);
    outcome.found = found;
    return outcome;
}

FileOutcome FileOutcome::tooLarge(const QString& path, qint64 size, qint64 limit) {
    FileOutcome outcome = WithFailure(FileFailure::TooLarge, path);
    outcome.size = size;
    outcome.limit = limit;
    return outcome;
}

FileOutcome FileOutcome::unreadable(const QString& path, const QString& systemReason) {
    FileOutcome outcome = WithFailure(FileFailure::Unreadable, path);
    outcome.systemReason = systemReason;
    return outcome;
}

FileOutcome FileOutcome::notText(const QString& path, TextEncoding encoding) {
    FileOutcome outcome = WithFailure(FileFailure::NotText, path);
    outcome.encoding = encoding;
    return outcome;
}

FileOutcome FileOutcome::unstorable(const QString& path, char32_t character) {
    FileOutcome outcome = WithFailure(FileFailure::Unstorable, path);
    outcome.character = character;
    return outcome;
}

FileOutcome FileOutcome::unwritable(const QString& path, QFileDevice::FileError error,
                                    const QString& systemReason) {
    FileOutcome outcome = WithFailure(FileFailure::Unwritable, path);
    outcome.writeError = error;
    outcome.systemReason = systemReason;
    return outcome;
}

FileOutcome FileOutcome::heldOpen(const QString& path, const QString& systemReason) {
    FileOutcome outcome = WithFailure(FileFailure::HeldOpen, path);
    outcome.systemReason = systemReason;
    return outcome;
}

FileOutcome FileOutcome::busy(const QString& path, const QString& holder, const QDateTime& since) {
    FileOutcome outcome = WithFailure(FileFailure::Busy, path);
    outcome.holder = holder;
    outcome.heldSince = since;
    return outcome;
}
