#include "report/schools.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <climits>

namespace {

int DepthOf(const QString& folder) {
    return folder.isEmpty() ? 0 : int(folder.count(u'/')) + 1;
}

// The path from a school's folder of a path from the top inside it.
QString InSchool(const QString& school, const QString& path) {
    return school.isEmpty() ? path : path.mid(school.size() + 1);
}

// Which school each folder of the walk belongs to, by the rules of schools.h.
class SchoolOfFolder {
public:
    SchoolOfFolder(const QStringList& schoolFolders, const QStringList& personFolders)
        : schools_(schoolFolders.begin(), schoolFolders.end()),
          people_(personFolders.begin(), personFolders.end()) {
        depth_ = INT_MAX;
        for (const QString& folder : schoolFolders) {
            depth_ = std::min(depth_, DepthOf(folder));
        }
    }

    QString of(const QString& folder) {
        // The sheets of a folder come one after another: most questions are the last one.
        if (!known_ || folder != lastFolder_) {
            lastFolder_ = folder;
            lastSchool_ = find(folder);
            known_ = true;
        }
        return lastSchool_;
    }

private:
    QString find(const QString& folder) const {
        for (QString here = folder; !here.isEmpty(); here = FolderOf(here)) {
            if (schools_.contains(here)) {
                return here;
            }
        }
        if (DepthOf(folder) < depth_) {
            return {};
        }
        const QString level = folder.section(u'/', 0, depth_ - 1);
        return people_.contains(level) ? QString() : level;
    }

    QSet<QString> schools_;
    QSet<QString> people_;
    int depth_ = 0;
    bool known_ = false;
    QString lastFolder_;
    QString lastSchool_;
};

QString Composed(const QString& text) {
    return text.normalized(QString::NormalizationForm_C);
}

}  // namespace

Board FindSchools(FolderWalk walk, const QString& folder) {
    Board board;
    const QSet<QString> personFolders(walk.nameFileFolders.begin(), walk.nameFileFolders.end());
    // Schools do not nest: a settings file inside a school's folder (a copy in a teacher's
    // folder, for the clock's printed month) is the school's. The walk's folders come sorted, so
    // a folder comes after the one it lies in.
    QStringList nested;
    for (const QString& place : walk.settingsFolders) {
        const bool inside = std::any_of(nested.begin(), nested.end(), [&place](const QString& s) {
            return place.startsWith(s + u'/');
        });
        if (!place.isEmpty() && !personFolders.contains(place) && !inside) {
            nested << place;
        }
    }
    const bool topSettings = walk.settingsFolders.contains(QString());
    if (nested.isEmpty()) {
        board.schools.append({QString(), folder, QString(), topSettings, {}, std::move(walk), {}});
    } else {
        SchoolOfFolder schoolOf(nested, walk.nameFileFolders);
        QHash<QString, qsizetype> indexOf;
        const auto schoolAt = [&board, &indexOf, &folder](const QString& place) -> School& {
            auto index = indexOf.constFind(place);
            if (index == indexOf.constEnd()) {
                index = indexOf.insert(place, board.schools.size());
                School school;
                school.folder = place;
                school.path = place.isEmpty() ? folder : folder + u'/' + place;
                board.schools.append(std::move(school));
            }
            return board.schools[*index];
        };
        for (FoundSheet& sheet : walk.sheets) {
            const QString place = schoolOf.of(FolderOf(sheet.path));
            schoolAt(place).walk.sheets.append(
                {InSchool(place, sheet.path), std::move(sheet.name)});
        }
        for (UnopenedFolder& closed : walk.unopened) {
            const QString path = closed.path == u"." ? QString() : closed.path;
            const QString place = schoolOf.of(path);
            if (place == path) {
                schoolAt(place).unopened = closed.reason;
            } else {
                schoolAt(place).walk.unopened.append(
                    {InSchool(place, path), std::move(closed.reason)});
            }
        }
        walk = {};
        const QSet<QString> withSettings(nested.begin(), nested.end());
        for (School& school : board.schools) {
            school.hasSettings =
                school.folder.isEmpty() ? topSettings : withSettings.contains(school.folder);
            if (!school.hasSettings) {
                continue;
            }
            school.settings =
                ReadSchoolSettings(QDir(school.path).filePath(kSchoolSettingsFileName));
            // The board's own file is read as a single school's always was, and its warnings told
            // there.
            if (!school.folder.isEmpty()) {
                board.warnings << school.settings.warnings;
            }
        }
        std::sort(board.schools.begin(), board.schools.end(),
                  [](const School& a, const School& b) { return a.folder < b.folder; });
    }
    QHash<QString, int> uses;
    for (School& school : board.schools) {
        const QString own = school.settings.school.value_or(QString()).trimmed();
        school.name = !own.isEmpty() ? own
                      : school.folder.isEmpty() ? QFileInfo(folder).fileName()
                                                : school.folder.section(u'/', -1);
        ++uses[school.name];
    }
    for (School& school : board.schools) {
        if (uses.value(school.name) > 1) {
            school.name += QStringLiteral(" (%1)").arg(school.folder.isEmpty() ? QStringLiteral(".")
                                                                               : school.folder);
        }
    }
    return board;
}

QList<const School*> SchoolsNamed(const Board& board, const QString& given) {
    QString wanted = Composed(given.trimmed());
    while (wanted.size() > 1 && wanted.endsWith(u'/')) {
        wanted.chop(1);
    }
    QList<const School*> found;
    for (const School& school : board.schools) {
        const QStringList names{Composed(school.name),
                                Composed(school.settings.school.value_or(QString()).trimmed()),
                                Composed(school.folder), Composed(school.folder.section(u'/', -1))};
        if (!wanted.isEmpty() && names.contains(wanted)) {
            found << &school;
        }
    }
    return found;
}

QList<const School*> SchoolsWith(const QList<const School*>& among, const QString& person,
                                 MonthKey first, MonthKey last) {
    const QString wanted = Composed(person);
    QList<const School*> found;
    for (const School* school : among) {
        const bool has = std::any_of(
            school->walk.sheets.begin(), school->walk.sheets.end(), [&](const FoundSheet& sheet) {
                const MonthKey key = KeyOf(sheet.name.year, sheet.name.month);
                return sheet.name.person == wanted && key >= first && key <= last;
            });
        if (has) {
            found << school;
        }
    }
    return found;
}

QString SchoolList(const QList<const School*>& schools) {
    QStringList named;
    for (const School* school : schools) {
        const QString folder = school->folder.isEmpty() ? QStringLiteral(".") : school->folder;
        named << (school->name.endsWith(QStringLiteral(" (%1)").arg(folder))
                      ? school->name
                      : QStringLiteral("%1 (%2)").arg(school->name, folder));
    }
    return named.join(QStringLiteral("、"));
}
