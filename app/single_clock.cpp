#include "single_clock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The same folder reached by another path (a link, "..") is the same folder. Windows and macOS
// compare file names without regard to case.
QString FolderKey(const QString& folder) {
    QString path = QDir(folder).canonicalPath();
    if (path.isEmpty()) {
        path = QDir(folder).absolutePath();
    }
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    path = path.toLower();
#endif
    return QString::fromLatin1(
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(24));
}

}  // namespace

QString SingleClock::PlaceForItsFiles() {
#ifdef Q_OS_WIN
    // Windows has no runtime folder (Qt answers with the home folder, which may roam to other
    // PCs): the local application data folder is the person's own on this PC.
    const QString local = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return local.isEmpty() ? QString() : QDir(local).filePath(QStringLiteral("Ombrel"));
#else
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
}

SingleClock::SingleClock(const QString& workingFolder, const QString& runtimeFolder) {
    QString place = runtimeFolder.isEmpty() ? PlaceForItsFiles() : runtimeFolder;
    if (place.isEmpty()) {
        place = QDir::tempPath();
    }
    QDir().mkpath(place);
    const QString key = QStringLiteral("ombrel-") + FolderKey(workingFolder);
    lock_ = std::make_unique<QLockFile>(QDir(place).filePath(key + QStringLiteral(".lock")));
    // Only a dead holder makes a lock stale, however long a clock has been running.
    lock_->setStaleLockTime(0);
    callFile_ = QDir(place).filePath(key + QStringLiteral(".call"));
    // A lock that cannot be made at all (a runtime folder that is not writable) must not keep the
    // clock from starting: only a lock another running clock holds does.
    first_ = lock_->tryLock(0) || lock_->error() != QLockFile::LockFailedError;
    if (first_) {
        WatchCallFile();
    } else {
        CallRunningClock();
    }
}

SingleClock::~SingleClock() = default;

void SingleClock::WatchCallFile() {
    // Made before it is watched: only a file that exists can be watched.
    QFile(callFile_).open(QIODevice::WriteOnly | QIODevice::Append);
    watcher_.addPath(callFile_);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] {
        // A call file someone removed is made again, so that the next start still reaches us;
        // its removal is no call.
        if (!watcher_.files().contains(callFile_)) {
            QFile(callFile_).open(QIODevice::WriteOnly | QIODevice::Append);
            watcher_.addPath(callFile_);
            return;
        }
        if (bringForward_) {
            bringForward_();
        }
    });
}

void SingleClock::CallRunningClock() const {
    // Any write is the call; the file is kept at one byte however often it is called. Only the
    // running clock's own file is written: never through a link someone put in its place.
    const QFileInfo info(callFile_);
    if (info.isSymLink() || !info.isFile()) {
        return;
    }
    QFile call(callFile_);
    if (call.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        call.write("1", 1);
    }
}
