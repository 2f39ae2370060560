#include "report/folder_listing.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

namespace {

// The system's words for the error, as Qt gets them from FormatMessage.
QString Reason(DWORD error) {
    return qt_error_string(int(error));
}

// "\\?\C:\..." or "\\?\UNC\server\...": a folder deep in a share may be longer than the 260
// characters the plain form allows.
QString LongPattern(const QString& path) {
    const QString native =
        QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    QString longPath = native.startsWith(QLatin1String("\\\\?\\")) ? native
                       : native.startsWith(QLatin1String("\\\\"))
                           ? QStringLiteral("\\\\?\\UNC\\") + native.mid(2)
                           : QStringLiteral("\\\\?\\") + native;
    if (!longPath.endsWith(QLatin1Char('\\'))) {
        longPath += QLatin1Char('\\');
    }
    return longPath + QLatin1Char('*');
}

}  // namespace

FolderListing ListFolder(const QString& path) {
    FolderListing listing;
    WIN32_FIND_DATAW data;
    const QString pattern = LongPattern(path);
    const HANDLE find =
        FindFirstFileExW(reinterpret_cast<LPCWSTR>(pattern.utf16()), FindExInfoBasic, &data,
                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        // A drive's root that holds nothing lists no "." either.
        if (error != ERROR_FILE_NOT_FOUND) {
            listing.reason = Reason(error);
        }
        return listing;
    }
    do {
        const QString name = QString::fromWCharArray(data.cFileName);
        if (name == QLatin1String(".") || name == QLatin1String("..")) {
            continue;
        }
        const DWORD attributes = data.dwFileAttributes;
        FolderEntry::Kind kind = FolderEntry::Kind::Other;
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            kind = attributes & FILE_ATTRIBUTE_REPARSE_POINT ? FolderEntry::Kind::LinkToFolder
                                                             : FolderEntry::Kind::Folder;
        }
        listing.entries.append({name, kind});
    } while (FindNextFileW(find, &data));
    const DWORD error = GetLastError();
    if (error != ERROR_NO_MORE_FILES) {
        listing.reason = Reason(error);
    }
    FindClose(find);
    return listing;
}

QString FolderOpenProblem(const QString& path) {
    WIN32_FIND_DATAW data;
    const QString pattern = LongPattern(path);
    const HANDLE find = FindFirstFileExW(reinterpret_cast<LPCWSTR>(pattern.utf16()),
                                         FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? QString() : Reason(error);
    }
    FindClose(find);
    return {};
}
