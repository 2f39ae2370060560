#include "platform/runtime_folder.h"

#include <QDir>
#include <QFile>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#include <unistd.h>
#endif

void ProvideRuntimeFolder() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Qt takes the folder only when it is the user's own and closed to others.
    const auto usable = [](const QByteArray& path) {
        struct stat info {};
        return !path.isEmpty() && lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
               info.st_uid == getuid() && (info.st_mode & 0777) == 0700;
    };
    if (usable(qgetenv("XDG_RUNTIME_DIR"))) {
        return;
    }
    const QByteArray own =
        QFile::encodeName(QDir::temp().filePath(QStringLiteral("ombrel-%1").arg(getuid())));
    mkdir(own.constData(), 0700);
    // A folder someone else made in its place is left alone, and Qt finds its own way.
    if (usable(own)) {
        qputenv("XDG_RUNTIME_DIR", own);
    }
#endif
}
