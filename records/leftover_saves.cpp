#include "leftover_saves.h"

#include "small_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

constexpr qint64 kLeftOverAfterSeconds = 60;

// The six characters a temporary file name ends in are letters. Six that read like a word a
// person chose (".backup", ".Backup", ".BACKUP") are left alone, and so is anything with a digit
// (a date-stamped copy): a leftover of those forms is rare, a person's copy is not.
bool IsLeftoverName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral(
        "^(?:.* [0-9]{1,2} [0-9]{1,2}\\.csv|omb\\.ini|temp1\\.txt)\\.([A-Za-z]{6})$"));
    static const QRegularExpression word(QStringLiteral("^(?:[A-Za-z][a-z]{5}|[A-Z]{6})$"));
    const auto match = pattern.match(name);
    return match.hasMatch() && !word.match(match.captured(1)).hasMatch();
}

}  // namespace

QStringList RemoveLeftoverSaveFiles(const QString& folder, const QDateTime& now) {
    QStringList removed;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString path = dir.filePath(name);
        if (!IsLeftoverName(name) || KindAt(path) != FileKind::Regular) {
            continue;
        }
        const QDateTime modified = QFileInfo(path).lastModified();
        if (modified.secsTo(now) > kLeftOverAfterSeconds && QFile::remove(path)) {
            removed << name;
        }
    }
    return removed;
}
