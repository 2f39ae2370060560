#include "report/folder_listing.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace {

QString Reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// What an entry is, links not followed but looked through: a link to a folder is not walked.
FolderEntry::Kind KindOf(int folder, const dirent& entry) {
    unsigned char type = entry.d_type;
    struct stat info {};
    if (type == DT_UNKNOWN) {
        // Some file systems do not say; the entry itself does.
        if (fstatat(folder, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
            return FolderEntry::Kind::Other;
        }
        type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISLNK(info.st_mode) ? DT_LNK : DT_REG;
    }
    if (type == DT_DIR) {
        return FolderEntry::Kind::Folder;
    }
    if (type == DT_LNK && fstatat(folder, entry.d_name, &info, 0) == 0 && S_ISDIR(info.st_mode)) {
        return FolderEntry::Kind::LinkToFolder;
    }
    return FolderEntry::Kind::Other;
}

}  // namespace

FolderListing ListFolder(const QString& path) {
    FolderListing listing;
    DIR* folder = opendir(QFile::encodeName(path).constData());
    if (!folder) {
        listing.reason = Reason(errno);
        return listing;
    }
    const int fd = dirfd(folder);
    while (true) {
        errno = 0;
        const dirent* entry = readdir(folder);
        if (!entry) {
            // The end, or a folder that failed half-way (a share gone away): the latter is named.
            if (errno != 0) {
                listing.reason = Reason(errno);
            }
            break;
        }
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) {
            continue;
        }
        listing.entries.append({QFile::decodeName(entry->d_name), KindOf(fd, *entry)});
    }
    closedir(folder);
    return listing;
}

QString FolderOpenProblem(const QString& path) {
    DIR* folder = opendir(QFile::encodeName(path).constData());
    if (!folder) {
        return Reason(errno);
    }
    closedir(folder);
    return {};
}
