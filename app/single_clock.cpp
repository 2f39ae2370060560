#include "app/single_clock.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#ifdef Q_OS_LINUX
#include <QSocketNotifier>

#include <sys/inotify.h>
#include <unistd.h>
#else
#include <QFileSystemWatcher>
#endif

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

// The lock files this process holds through a SingleClock that is still alive.
QSet<QString>& LocksHeldHere() {
    static QSet<QString> held;
    return held;
}

// A lock that names this very process, which holds no such lock, is one an earlier clock left
// when it was killed or the PC lost power, and whose process number the system has since given
// to this one (Windows keeps the lock folder across a restart, and Wine hands out the same small
// numbers after every restart): its holder is gone. The lock folder is this PC's own, so the
// lock was made here.
bool LeftUnderThisProcesssNumber(QLockFile& lock, const QString& path) {
    qint64 pid = 0;
    QString host;
    QString program;
    return lock.getLockInfo(&pid, &host, &program) && pid == QCoreApplication::applicationPid() &&
           !LocksHeldHere().contains(path);
}

// A lock that cannot be made at all (a folder that is not writable) must not keep the clock from
// starting: only a lock another running clock holds does.
bool TakeLock(QLockFile& lock, const QString& path) {
    if (lock.tryLock(0) || lock.error() != QLockFile::LockFailedError) {
        return true;
    }
    return LeftUnderThisProcesssNumber(lock, path) && lock.removeStaleLockFile() &&
           (lock.tryLock(0) || lock.error() != QLockFile::LockFailedError);
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
    lockPath_ = QDir(place).filePath(key + QStringLiteral(".lock"));
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // Only a dead holder makes a lock stale, however long a clock has been running.
    lock_->setStaleLockTime(0);
    callFile_ = QDir(place).filePath(key + QStringLiteral(".call"));
    first_ = TakeLock(*lock_, lockPath_);
    if (first_) {
        LocksHeldHere().insert(lockPath_);
        WatchCallFile();
    } else {
        CallRunningClock();
    }
}

SingleClock::~SingleClock() {
    if (first_) {
        LocksHeldHere().remove(lockPath_);
    }
#ifdef Q_OS_LINUX
    if (inotify_ >= 0) {
        close(inotify_);
    }
#endif
}

void SingleClock::CallFileChanged(bool removed) {
    // A call file someone removed is made again, so that the next start still reaches us; its
    // removal is no call.
    if (removed) {
        WatchCallFile();
        return;
    }
    if (bringForward_) {
        bringForward_();
    }
}

#ifdef Q_OS_LINUX

void SingleClock::WatchCallFile() {
    // Made before it is watched: only a file that exists can be watched.
    QFile(callFile_).open(QIODevice::WriteOnly | QIODevice::Append);
    if (inotify_ < 0) {
        inotify_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (inotify_ < 0) {
            return;
        }
        auto* notifier = new QSocketNotifier(inotify_, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, &SingleClock::ReadCallFileEvents);
    }
    watch_ = inotify_add_watch(inotify_, QFile::encodeName(callFile_).constData(),
                               IN_MODIFY | IN_ATTRIB | IN_MOVE_SELF | IN_DELETE_SELF);
}

void SingleClock::ReadCallFileEvents() {
    bool changed = false;
    bool removed = false;
    alignas(inotify_event) char buffer[4096];
    ssize_t length = 0;
    while ((length = read(inotify_, buffer, sizeof buffer)) > 0) {
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->wd == watch_) {
                removed = removed || (event->mask & (IN_MOVE_SELF | IN_DELETE_SELF | IN_IGNORED));
                changed = true;
            }
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    if (removed && watch_ >= 0) {
        // A file moved away keeps its watch: it is let go before the new file is watched.
        inotify_rm_watch(inotify_, watch_);
        watch_ = -1;
    }
    if (changed) {
        CallFileChanged(removed);
    }
}

#else

void SingleClock::WatchCallFile() {
    // Made before it is watched: only a file that exists can be watched.
    QFile(callFile_).open(QIODevice::WriteOnly | QIODevice::Append);
    if (!watcher_) {
        watcher_ = new QFileSystemWatcher(this);
        connect(watcher_, &QFileSystemWatcher::fileChanged, this,
                [this] { CallFileChanged(!watcher_->files().contains(callFile_)); });
    }
    watcher_->addPath(callFile_);
}

#endif

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
        // Windows' watcher sees a change only in the file's time, which file systems keep to the
        // second (FAT: two): a call soon after another moves the time on itself.
        const QDateTime before = info.lastModified();
        const QDateTime now = QDateTime::currentDateTime();
        call.setFileTime(now > before.addSecs(2) ? now : before.addSecs(2),
                         QFileDevice::FileModificationTime);
    }
}
