#include "report/sheet_files.h"

#include "overtime/school_settings.h"
#include "records/name_file.h"
#include "report/folder_listing.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

QString ResolveFolder(const QString& given) {
    const QFileInfo info(given.isEmpty() ? QStringLiteral(".") : given);
    // The system's own reading of "..", through links; a folder that is not there keeps the
    // words it was given, made absolute, for the message that says so.
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QString ResolvePath(const QString& given) {
    const QFileInfo info(given);
    return QDir(ResolveFolder(info.path())).filePath(info.fileName());
}

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

std::optional<SheetName> SheetNameOf(QStringView fileName) {
    auto name = ParseSheetFileName(fileName);
    if (name) {
        name->person = name->person.normalized(QString::NormalizationForm_C);
    }
    return name;
}

QString FolderProblem(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.exists()) {
        return QStringLiteral("フォルダ「%1」がありません").arg(folder);
    }
    if (!info.isDir()) {
        return QStringLiteral("「%1」はフォルダではありません").arg(folder);
    }
    if (const QString reason = FolderOpenProblem(folder); !reason.isEmpty()) {
        return QStringLiteral("フォルダ「%1」を読めません (%2)").arg(folder, reason);
    }
    return {};
}

namespace {

QString Joined(const QString& folder, const QString& name) {
    return folder.isEmpty() ? name : folder + u'/' + name;
}

}  // namespace

QString FolderOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash);
}

FolderWalk WalkSheetFolder(const QString& folder, bool subfolders) {
    FolderWalk walk;
    QStringList pending{QString()};
    while (!pending.isEmpty()) {
        const QString here = pending.takeLast();
        const FolderListing listing = ListFolder(here.isEmpty() ? folder : folder + u'/' + here);
        if (!listing.reason.isEmpty()) {
            walk.unopened.append({here.isEmpty() ? QStringLiteral(".") : here, listing.reason});
        }
        for (const FolderEntry& entry : listing.entries) {
            if (entry.kind == FolderEntry::Kind::Other && entry.name == kSchoolSettingsFileName) {
                walk.settingsFolders.append(here);
            } else if (entry.kind == FolderEntry::Kind::Other && entry.name == kNameFileName) {
                walk.nameFileFolders.append(here);
            }
            // A hidden folder (a trash, a snapshot) holds no one's records.
            if (subfolders && entry.kind == FolderEntry::Kind::Folder &&
                !entry.name.startsWith(u'.')) {
                pending.append(Joined(here, entry.name));
            }
            if (entry.name.startsWith(u"~$")) {
                continue;
            }
            if (auto name = SheetNameOf(entry.name)) {
                walk.sheets.append({Joined(here, entry.name), std::move(*name)});
            }
        }
    }
    const auto byPath = [](const auto& a, const auto& b) { return a.path < b.path; };
    std::sort(walk.sheets.begin(), walk.sheets.end(), byPath);
    std::sort(walk.unopened.begin(), walk.unopened.end(), byPath);
    walk.settingsFolders.sort();
    walk.nameFileFolders.sort();
    return walk;
}

namespace {

// Whose clock each folder is, by its name file: read once a folder.
class FolderOwners {
public:
    explicit FolderOwners(const QString& top) : top_(top) {}

    std::optional<QString> of(const QString& folder) {
        auto known = owners_.constFind(folder);
        if (known == owners_.constEnd()) {
            auto name = ReadNameFile(QDir(Joined(top_, folder)).filePath(kNameFileName)).name;
            if (name) {
                *name = name->normalized(QString::NormalizationForm_C);
            }
            known = owners_.insert(folder, name);
        }
        return *known;
    }

private:
    QString top_;
    QHash<QString, std::optional<QString>> owners_;
};

// The person a folder that could not be opened belongs to: the owner of a folder it lies in, by
// its name file or its one person's sheets, nearest first; else the name of its top folder.
QString OwnerOfUnopened(const QString& path, const QString& folder, const FolderWalk& walk,
                        FolderOwners& owners) {
    const bool isTop = path == u".";
    QString here = isTop ? QString() : FolderOf(path);
    while (true) {
        if (const auto owner = owners.of(here)) {
            return *owner;
        }
        QSet<QString> people;
        for (const FoundSheet& sheet : walk.sheets) {
            if (FolderOf(sheet.path) == here) {
                people.insert(sheet.name.person);
            }
        }
        if (people.size() == 1) {
            return *people.begin();
        }
        if (here.isEmpty()) {
            break;
        }
        here = FolderOf(here);
    }
    return isTop ? QFileInfo(folder).fileName() : path.section(u'/', 0, 0);
}

// A sheet of a month asked for, with what decides which one counts of a month found twice.
struct Candidate {
    const FoundSheet* sheet = nullptr;
    MonthKey month = 0;
    int depth = 0;
    bool ownFolder = false;   // in the person's own folder
    bool clocksName = false;  // the file name as the clock writes it, not decomposed
};

// Whether `a` counts rather than `b` when both are the same person's month.
bool CountsBefore(const Candidate& a, const Candidate& b) {
    if (a.ownFolder != b.ownFolder) {
        return a.ownFolder;
    }
    if (a.depth != b.depth) {
        return a.depth < b.depth;
    }
    if (a.clocksName != b.clocksName) {
        return a.clocksName;
    }
    return a.sheet->path < b.sheet->path;
}

// The walk's sheets from `first` to `last` (of `wanted` alone when set), the one that counts of
// a month found twice before the others.
QList<Candidate> CandidatesIn(const FolderWalk& walk, MonthKey first, MonthKey last,
                              const std::optional<QString>& wanted, bool subfolders,
                              FolderOwners& owners) {
    QList<Candidate> found;
    for (const FoundSheet& sheet : walk.sheets) {
        const MonthKey month = KeyOf(sheet.name.year, sheet.name.month);
        if ((wanted && sheet.name.person != *wanted) || month < first || month > last) {
            continue;
        }
        const QString here = FolderOf(sheet.path);
        const int depth = int(sheet.path.count(u'/'));
        // The person's own folder: one of their name, or the one their clock keeps its name in.
        const bool own =
            subfolders && ((depth > 0 && here.section(u'/', -1) == sheet.name.person) ||
                           owners.of(here) == sheet.name.person);
        const QString fileName = sheet.path.section(u'/', -1);
        found.append({&sheet, month, depth, own,
                      fileName == fileName.normalized(QString::NormalizationForm_C)});
    }
    std::sort(found.begin(), found.end(), CountsBefore);
    return found;
}

// The person's month counted from this sheet, or, when a sheet that counts before it was
// counted already, this one left out beside it.
void Count(PersonSheets& person, const Candidate& c) {
    const auto earlier =
        std::find_if(person.months.cbegin(), person.months.cend(),
                     [&c](const MonthSheet& counted) { return counted.month == c.month; });
    if (earlier != person.months.cend()) {
        person.duplicates.append({earlier->path, c.sheet->path});
    } else {
        person.months.append({c.month, c.sheet->path});
    }
}

// Everyone listed, each found again by name.
class PeopleList {
public:
    PersonSheets& at(const QString& name) {
        auto index = indexOf_.constFind(name);
        if (index == indexOf_.constEnd()) {
            index = indexOf_.insert(name, people_.size());
            people_.append({name, {}, {}, {}});
        }
        return people_[*index];
    }

    // By name, each person's months ascending.
    QList<PersonSheets> takeSorted() {
        for (PersonSheets& p : people_) {
            std::sort(p.months.begin(), p.months.end(),
                      [](const MonthSheet& a, const MonthSheet& b) { return a.month < b.month; });
        }
        std::sort(people_.begin(), people_.end(),
                  [](const PersonSheets& a, const PersonSheets& b) { return a.person < b.person; });
        indexOf_.clear();
        return std::move(people_);
    }

private:
    QHash<QString, qsizetype> indexOf_;
    QList<PersonSheets> people_;
};

}  // namespace

QList<PersonSheets> ScanFolder(const QString& folder, MonthKey first, MonthKey last,
                               const std::optional<QString>& person, bool subfolders) {
    return ChooseSheets(WalkSheetFolder(folder, subfolders), folder, first, last, person,
                        subfolders);
}

QList<PersonSheets> ChooseSheets(const FolderWalk& walk, const QString& folder, MonthKey first,
                                 MonthKey last, const std::optional<QString>& person,
                                 bool subfolders) {
    const std::optional<QString> wanted =
        person ? std::optional<QString>(person->normalized(QString::NormalizationForm_C))
               : std::nullopt;
    FolderOwners owners(folder);
    PeopleList people;
    for (const Candidate& c : CandidatesIn(walk, first, last, wanted, subfolders, owners)) {
        Count(people.at(c.sheet->name.person), c);
    }
    for (const UnopenedFolder& place : walk.unopened) {
        const QString owner = OwnerOfUnopened(place.path, folder, walk, owners);
        if (!wanted || owner == *wanted) {
            people.at(owner).unopened.append(place);
        }
    }
    return people.takeSorted();
}
