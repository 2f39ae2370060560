#include "single_clock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
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

constexpr int kAnswerMilliseconds = 2000;

}  // namespace

SingleClock::SingleClock(const QString& workingFolder, const QString& runtimeFolder) {
    QString place = runtimeFolder.isEmpty()
                        ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
                        : runtimeFolder;
    if (place.isEmpty()) {
        place = QDir::tempPath();
    }
    QDir().mkpath(place);
    const QString key = QStringLiteral("ombrel-") + FolderKey(workingFolder);
    lock_ = std::make_unique<QLockFile>(QDir(place).filePath(key + QStringLiteral(".lock")));
    // Only a dead holder makes a lock stale, however long a clock has been running.
    lock_->setStaleLockTime(0);
#ifdef Q_OS_WIN
    socketName_ = key;  // a named pipe of this user's session
#else
    socketName_ = QDir(place).filePath(key + QStringLiteral(".socket"));
#endif
    // A lock that cannot be made at all (a runtime folder that is not writable) must not keep the
    // clock from starting: only a lock another running clock holds does.
    first_ = lock_->tryLock(0) || lock_->error() != QLockFile::LockFailedError;
    if (first_) {
        Listen();
    } else {
        AskRunningClockForward();
    }
}

SingleClock::~SingleClock() = default;

void SingleClock::Listen() {
    // A socket a killed clock left behind would stop the listening; the lock says it is stale.
    QLocalServer::removeServer(socketName_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(socketName_);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromServer();
            if (bringForward_) {
                bringForward_();
            }
        }
    });
}

void SingleClock::AskRunningClockForward() const {
    // The running clock comes forward on the connection itself; nothing needs to be sent.
    QLocalSocket socket;
    socket.connectToServer(socketName_);
    if (socket.waitForConnected(kAnswerMilliseconds)) {
        socket.waitForDisconnected(kAnswerMilliseconds);
    }
}
