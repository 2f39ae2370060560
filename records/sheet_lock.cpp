#include "records/sheet_lock.h"

#include "records/small_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QThread>

namespace {

const QString kLockMark = QStringLiteral(".ombrel-lock");
// A hold's file is a few dozen bytes; anything larger is nobody's hold.
constexpr qint64 kMaxLockBytes = 1024;

// What a hold's file says: the PC, the time it was taken (UTC), and a mark of this one taking, so
// that no two holds read alike.
QByteArray HoldContent() {
    return QSysInfo::machineHostName().toUtf8() + "\r\n" +
           QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toLatin1() + "\r\n" +
           QByteArray::number(QCoreApplication::applicationPid()) + ' ' +
           QByteArray::number(QRandomGenerator::system()->generate64(), 16) + "\r\n";
}

struct Holder {
    bool readable = false;  // a regular file whose bytes could be read
    QByteArray content;
    QString pc;
    QDateTime taken;     // as the file says; invalid while its maker has not written it yet
    QDateTime modified;  // as the file system says
};

Holder ReadHolder(const QString& path) {
    Holder holder;
    const SmallFileRead file = ReadSmallFile(path, kMaxLockBytes);
    if (!file.outcome.ok()) {
        return holder;
    }
    holder.readable = true;
    holder.content = file.bytes;
    const QList<QByteArray> lines = file.bytes.split('\n');
    holder.pc = QString::fromUtf8(lines.value(0).trimmed());
    holder.taken =
        QDateTime::fromString(QString::fromLatin1(lines.value(1).trimmed()), Qt::ISODateWithMs);
    holder.modified = QFileInfo(path).lastModified();
    return holder;
}

// Both the maker's clock and the file server's must say it is old: a PC whose clock runs behind
// does not take a hold away from a save still under way.
bool IsStale(const Holder& holder) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const qint64 limit = kSheetLockStaleAfter.count();
    const bool oldByFile = holder.modified.isValid() && holder.modified.secsTo(now) > limit;
    const bool oldByContent = !holder.taken.isValid() || holder.taken.secsTo(now) > limit;
    return oldByFile && oldByContent;
}

// Removes the hold's file only while it still holds `content`: a hold taken over meanwhile by
// another save stays. (Between the read and the removal lie microseconds.)
bool RemoveIfStill(const QString& path, const QByteArray& content) {
    const SmallFileRead now = ReadSmallFile(path, kMaxLockBytes);
    return now.outcome.ok() && now.bytes == content && QFile::remove(path);
}

}  // namespace

QString SheetLockPath(const QString& sheetPath) {
    const QFileInfo sheet(sheetPath);
    return QDir(sheet.path()).filePath(QLatin1Char('.') + sheet.fileName() + kLockMark);
}

SheetLock::SheetLock(const QString& sheetPath, std::chrono::milliseconds wait)
    : path_(SheetLockPath(sheetPath)) {
    const QDeadlineTimer deadline(wait);
    int pause = 5;
    bool goneBefore = false;
    while (true) {
        QFile file(path_);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            content_ = HoldContent();
            file.write(content_);
            file.close();
            held_ = true;
            outcome_ = FileOutcome::done(sheetPath);
            return;
        }
        const FileKind kind = KindAt(path_);
        if (kind == FileKind::Absent) {
            // Let go of between the attempt and the look: once more at once. Still nothing there:
            // the folder takes no file (gone, read-only), and the save could not write either.
            if (goneBefore) {
                outcome_ =
                    FileOutcome::unwritable(sheetPath, QFileDevice::OpenError, file.errorString());
                return;
            }
            goneBefore = true;
            continue;
        }
        goneBefore = false;
        if (kind != FileKind::Regular) {
            // A folder or a link under the hold's name is no save's; it never goes by itself.
            outcome_ = FileOutcome::notAFile(path_, kind);
            return;
        }
        const Holder holder = ReadHolder(path_);
        if (holder.readable && IsStale(holder) && RemoveIfStill(path_, holder.content)) {
            continue;
        }
        if (deadline.hasExpired()) {
            outcome_ = FileOutcome::busy(sheetPath, holder.pc,
                                         holder.taken.isValid() ? holder.taken : holder.modified);
            return;
        }
        QThread::msleep(ulong(pause));
        pause = qMin(pause * 2, 100);
    }
}

SheetLock::~SheetLock() {
    if (held_) {
        RemoveIfStill(path_, content_);
    }
}
