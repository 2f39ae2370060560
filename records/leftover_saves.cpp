#include "records/leftover_saves.h"

#include "records/small_file.h"
#include "records/whole_file_save.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr qint64 kLeftOverAfterSeconds = 60;

}  // namespace

QStringList RemoveLeftoverSaveFiles(const QString& folder, const QDateTime& now) {
    QStringList removed;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString path = dir.filePath(name);
        if (!IsTemporarySaveName(name) || KindAt(path) != FileKind::Regular) {
            continue;
        }
        const QDateTime modified = QFileInfo(path).lastModified();
        if (modified.secsTo(now) > kLeftOverAfterSeconds && QFile::remove(path)) {
            removed << name;
        }
    }
    return removed;
}
