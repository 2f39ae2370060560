#include "records/whole_file_save.h"

#include "records/file_sync.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace {

const QString kTemporaryMark = QStringLiteral(".ombrel-");
constexpr int kRandomLength = 6;
// The longest name of one file: 255 bytes on the file systems of Linux and macOS, 255 UTF-16
// units on those of Windows.
constexpr qsizetype kMaxNameLength = 255;
// Names already taken are tried again with other letters, so many times at most.
constexpr int kNameAttempts = 100;

QString TemporaryName(const QString& fileName) {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString name = QLatin1Char('.') + fileName + kTemporaryMark;
    for (int i = 0; i < kRandomLength; ++i) {
        name +=
            QLatin1Char(kLetters[QRandomGenerator::system()->bounded(int(sizeof kLetters - 1))]);
    }
    return name;
}

// The file a save replaces: a link leads on to what it names, as far as the links go.
QString FinalPath(const QString& path) {
    QFileInfo file(path);
    for (int depth = 0; depth < 128 && file.isSymLink(); ++depth) {
        file.setFile(file.symLinkTarget());
    }
    return file.isSymLink() ? path : file.filePath();
}

#ifdef Q_OS_WIN

QString WindowsReason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    const QString reason = length > 0 ? QString::fromWCharArray(text, int(length)).trimmed()
                                      : QStringLiteral("Windows error %1").arg(error);
    LocalFree(text);
    return reason;
}

FileOutcome Failure(DWORD error, QFileDevice::FileError kind) {
    return FileOutcome::unwritable({}, kind, WindowsReason(error));
}

LPCWSTR Wide(const QString& path) {
    return reinterpret_cast<LPCWSTR>(path.utf16());
}

// A records folder and a name of up to 255 units make a path longer than the 260 characters the
// plain file functions take; written as \\?\C:\... or \\?\UNC\server\... they take 32,767.
QString LongPath(const QString& path) {
    const QString native =
        QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (native.startsWith(QLatin1String("\\\\?\\"))) {
        return native;
    }
    if (native.startsWith(QLatin1String("\\\\"))) {
        return QStringLiteral("\\\\?\\UNC\\") + native.mid(2);
    }
    return QStringLiteral("\\\\?\\") + native;
}

// Whether a replace failed because another program holds the file open without letting anyone
// delete it, as a spreadsheet holds the sheet it shows. Windows says so as a sharing violation or,
// for a rename over it, as access denied, which permissions give too: asking for the right to
// delete the file tells the two apart.
bool HeldByAnotherProgram(DWORD error, const QString& target) {
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) {
        return true;
    }
    if (error != ERROR_ACCESS_DENIED) {
        return false;
    }
    const HANDLE probe = CreateFileW(Wide(LongPath(target)), DELETE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

// CreateFileW with CREATE_NEW makes the temporary file only where no file is; the data goes to the
// disk with FlushFileBuffers (through SyncFileData), and MoveFileExW puts it in place.
FileOutcome WriteAndReplace(const QString& folder, const QString& fileName, const QString& target,
                            const QByteArray& bytes) {
    HANDLE file = INVALID_HANDLE_VALUE;
    QString temporary;
    for (int attempt = 0; attempt < kNameAttempts && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = LongPath(QDir(folder).filePath(TemporaryName(fileName)));
        file = CreateFileW(Wide(temporary), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        const DWORD error = GetLastError();
        if (file == INVALID_HANDLE_VALUE && error != ERROR_FILE_EXISTS &&
            error != ERROR_ALREADY_EXISTS) {
            return Failure(error, QFileDevice::OpenError);
        }
    }
    if (file == INVALID_HANDLE_VALUE) {
        return Failure(ERROR_FILE_EXISTS, QFileDevice::OpenError);
    }
    const auto abandon = [&](DWORD error, QFileDevice::FileError kind) {
        CloseHandle(file);
        DeleteFileW(Wide(temporary));
        return Failure(error, kind);
    };
    for (qsizetype done = 0; done < bytes.size();) {
        const auto chunk = DWORD(qMin<qsizetype>(bytes.size() - done, 1 << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.constData() + done, chunk, &written, nullptr) || written == 0) {
            const DWORD error = GetLastError();
            const bool full = error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL;
            return abandon(error, full ? QFileDevice::ResourceError : QFileDevice::WriteError);
        }
        done += written;
    }
    if (SyncFileData(file) != 0) {
        return abandon(GetLastError(), QFileDevice::WriteError);
    }
    if (!CloseHandle(file)) {
        const DWORD error = GetLastError();
        DeleteFileW(Wide(temporary));
        return Failure(error, QFileDevice::WriteError);
    }
    if (!MoveFileExW(Wide(temporary), Wide(LongPath(target)),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(Wide(temporary));
        if (HeldByAnotherProgram(error, target)) {
            return FileOutcome::heldOpen({}, WindowsReason(error));
        }
        return Failure(error, QFileDevice::RenameError);
    }
    return {};
}

#else

FileOutcome Failure(int error, QFileDevice::FileError kind) {
    return FileOutcome::unwritable({}, kind, QString::fromLocal8Bit(std::strerror(error)));
}

bool IsFull(int error) {
#ifdef EDQUOT
    return error == ENOSPC || error == EDQUOT;
#else
    return error == ENOSPC;
#endif
}

// The temporary file is opened exclusively, so that no file already there (nor a link planted in
// its name) is written into; written, flushed with SyncFileData, closed, and renamed into place.
FileOutcome WriteAndReplace(const QString& folder, const QString& fileName, const QString& target,
                            const QByteArray& bytes) {
    const QByteArray targetName = QFile::encodeName(target);
    struct stat old {};
    const bool replacing = stat(targetName.constData(), &old) == 0;
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < kNameAttempts && fd < 0; ++attempt) {
        temporary = QFile::encodeName(QDir(folder).filePath(TemporaryName(fileName)));
        // Nobody else may read what is being written until the old file's permissions are
        // copied; a new file gets those the process gives new files.
        fd = open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                  replacing ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST) {
            return Failure(errno, QFileDevice::OpenError);
        }
    }
    if (fd < 0) {
        return Failure(EEXIST, QFileDevice::OpenError);
    }
    const auto abandon = [&](int error, QFileDevice::FileError kind) {
        close(fd);
        unlink(temporary.constData());
        return Failure(error, kind);
    };
    if (replacing && fchmod(fd, old.st_mode & 07777) != 0) {
        return abandon(errno, QFileDevice::PermissionsError);
    }
    // A short write is tried again for the rest, so that the system names its reason (a full
    // disk, a file size limit) on the attempt that writes nothing.
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            return abandon(error,
                           IsFull(error) ? QFileDevice::ResourceError : QFileDevice::WriteError);
        }
        done += n;
    }
    if (SyncFileData(fd) != 0) {
        return abandon(errno, QFileDevice::WriteError);
    }
    if (close(fd) != 0) {
        const int error = errno;
        unlink(temporary.constData());
        return Failure(error, QFileDevice::WriteError);
    }
    if (rename(temporary.constData(), targetName.constData()) != 0) {
        const int error = errno;
        unlink(temporary.constData());
        return Failure(error, QFileDevice::RenameError);
    }
    return {};
}

#endif

}  // namespace

FileOutcome SaveWholeFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(FinalPath(path));
    if (target.isDir()) {
        return FileOutcome::notAFile(path, FileKind::Folder);
    }
    if (target.exists() && !target.isWritable()) {
        return FileOutcome::unwritable(path, QFileDevice::PermissionsError,
                                       QStringLiteral("%1 is read-only").arg(target.filePath()));
    }
    FileOutcome outcome =
        WriteAndReplace(target.absolutePath(), target.fileName(), target.filePath(), bytes);
    outcome.path = path;
    return outcome;
}

// Matched by hand: a regular expression here would load the expression engine into every start of
// the clock for one look at the folder. A name holding a line break is never one of ours.
bool IsTemporarySaveName(const QString& name) {
    const qsizetype tail = kTemporaryMark.size() + kRandomLength;
    if (name.size() < 2 + tail || !name.startsWith(QLatin1Char('.')) ||
        name.contains(QLatin1Char('\n')) ||
        !QStringView(name).right(tail).startsWith(kTemporaryMark)) {
        return false;
    }
    return std::all_of(name.end() - kRandomLength, name.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9');
    });
}

bool FileNameCanBeSaved(const QString& fileName) {
    const QString longest =
        QLatin1Char('.') + fileName + kTemporaryMark + QString(kRandomLength, QLatin1Char('x'));
#ifdef Q_OS_WIN
    return longest.size() <= kMaxNameLength;
#else
    return QFile::encodeName(longest).size() <= kMaxNameLength;
#endif
}
