#include "report/sheet_files.h"

#include "records/name_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <numeric>

bool ShapedLikeSheetFileName(QStringView fileName) {
    while (fileName.endsWith(u'.') || fileName.endsWith(u' ')) {
        fileName.chop(1);
    }
    const QStringView suffix = u".csv";
    if (!fileName.endsWith(suffix, Qt::CaseInsensitive)) {
        return false;
    }
    return ParseSheetFileName(fileName.chopped(suffix.size()).toString() + suffix.toString())
        .has_value();
}

QString FolderProblem(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.exists()) {
        return QStringLiteral("フォルダ「%1」がありません").arg(folder);
    }
    if (!info.isDir()) {
        return QStringLiteral("「%1」はフォルダではありません").arg(folder);
    }
    if (!info.isReadable() || !QDir(folder).isReadable()) {
        return QStringLiteral("フォルダ「%1」を読めません (権限がありません)").arg(folder);
    }
    return {};
}

QList<PersonSheets> ScanFolder(const QString& folder, MonthKey first, MonthKey last,
                               const std::optional<QString>& person, bool subfolders) {
    struct Found {
        QString path;  // from the folder read
        int depth = 0;
        bool ownFolder = false;  // in the person's own folder
        SheetName name;
    };
    QList<Found> found;
    // Whose clock each folder is, by its name file: read once a folder.
    QHash<QString, std::optional<QString>> clockOf;
    const auto ownersName = [&clockOf](const QString& dir) {
        auto known = clockOf.constFind(dir);
        if (known == clockOf.constEnd()) {
            known = clockOf.insert(dir, ReadNameFile(QDir(dir).filePath(kNameFileName)).name);
        }
        return *known;
    };
    const QDir top(folder);
    // System entries too: a FIFO or a dangling link named like a sheet is listed, and reported
    // as a sheet that cannot be read, rather than passed over in silence.
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    subfolders ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext()) {
        it.next();
        // "~$Taro 17 7.csv" is the lock file a spreadsheet keeps beside a sheet it has open.
        if (it.fileName().startsWith(u"~$")) {
            continue;
        }
        auto name = ParseSheetFileName(it.fileName());
        if (!name || (person && name->person != *person)) {
            continue;
        }
        const MonthKey key = KeyOf(name->year, name->month);
        if (key < first || key > last) {
            continue;
        }
        QString path = it.fileName();
        int depth = 0;
        if (subfolders) {
            path = top.relativeFilePath(it.filePath());
            const QStringList parts = path.split(u'/');
            depth = int(parts.size()) - 1;
            // A hidden folder (a trash, a snapshot) holds no one's records.
            if (std::any_of(parts.begin(), parts.end() - 1,
                            [](const QString& part) { return part.startsWith(u'.'); })) {
                continue;
            }
        }
        // The person's own folder: one of their name, or the one their clock keeps its name in.
        const bool own = subfolders && ((depth > 0 && path.section(u'/', -2, -2) == name->person) ||
                                        ownersName(it.fileInfo().path()) == name->person);
        found.append({path, depth, own, std::move(*name)});
    }
    if (subfolders) {
        // The sheet counted of a month found twice: the one in the person's own folder, else
        // the one nearest the top, else the first by path.
        std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
            if (a.ownFolder != b.ownFolder) {
                return a.ownFolder;
            }
            return a.depth != b.depth ? a.depth < b.depth : a.path < b.path;
        });
    }
    QHash<QString, qsizetype> indexOf;
    QHash<std::pair<qsizetype, MonthKey>, QString> counted;
    QList<PersonSheets> people;
    for (const Found& f : found) {
        auto index = indexOf.constFind(f.name.person);
        if (index == indexOf.constEnd()) {
            index = indexOf.insert(f.name.person, people.size());
            people.append({f.name.person, {}, {}, {}});
        }
        PersonSheets& p = people[*index];
        const MonthKey key = KeyOf(f.name.year, f.name.month);
        if (subfolders) {
            const auto earlier = counted.constFind({*index, key});
            if (earlier != counted.constEnd()) {
                p.duplicates.append({*earlier, f.path});
                continue;
            }
            counted.insert({*index, key}, f.path);
        }
        p.months.append(key);
        p.files.append(f.path);
    }
    for (PersonSheets& p : people) {
        // Months ascending, each file with its month.
        QList<qsizetype> order(p.months.size());
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(),
                  [&p](qsizetype a, qsizetype b) { return p.months[a] < p.months[b]; });
        PersonSheets sorted{p.person, {}, {}, std::move(p.duplicates)};
        for (const qsizetype i : order) {
            sorted.months.append(p.months[i]);
            sorted.files.append(p.files[i]);
        }
        p = std::move(sorted);
    }
    std::sort(people.begin(), people.end(),
              [](const PersonSheets& a, const PersonSheets& b) { return a.person < b.person; });
    return people;
}

bool NoSheetAtTop(const QString& folder) {
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        if (!it.fileName().startsWith(u"~$") && ParseSheetFileName(it.fileName())) {
            return false;
        }
    }
    return true;
}
