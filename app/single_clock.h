#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QFileSystemWatcher;

#include <functional>
#include <memory>

// One clock per working folder. The first clock started in a folder holds a lock for it and
// watches a call file beside the lock; a later start finds the lock held, writes to the call file
// so that the running clock comes to the front, and ends without touching the folder. Both files
// live in the user's runtime folder, never in the working folder, and a lock left by a clock that
// crashed or was killed is taken over. The call file needs nothing beyond the file system, so the
// clock links no network library for it; on Linux it is watched through inotify itself, which is
// all Qt's file watcher would do there with more of Qt at every start.
class SingleClock : public QObject {
    Q_OBJECT

public:
    // `runtimeFolder` empty: the platform's place for such files.
    explicit SingleClock(const QString& workingFolder, const QString& runtimeFolder = QString());
    ~SingleClock() override;

    // Where the lock and call files go when no folder is given: the session's runtime folder, on
    // Windows the person's local application data folder.
    static QString PlaceForItsFiles();

    // True for the first clock of the folder. False when another one runs; it has then been
    // asked to come to the front.
    bool IsFirst() const { return first_; }

    // Called in the first clock each time a later start asks for it.
    void OnAskedForward(std::function<void()> bringForward) {
        bringForward_ = std::move(bringForward);
    }

private:
    void WatchCallFile();
    // A change of the call file is a call; its removal is none, and it is made again.
    void CallFileChanged(bool removed);
    void CallRunningClock() const;

    QString lockPath_;
    QString callFile_;
    std::unique_ptr<QLockFile> lock_;
#ifdef Q_OS_LINUX
    void ReadCallFileEvents();
    int inotify_ = -1;
    int watch_ = -1;
#else
    QFileSystemWatcher* watcher_ = nullptr;
#endif
    std::function<void()> bringForward_;
    bool first_ = false;
};
