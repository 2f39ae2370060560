#include "sheet_files.h"

#include "month_sheet.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace {

// A number as the sheet name writes it: decimal without leading zeros.
std::optional<int> PlainNumber(QStringView text, int digits) {
    if (text.isEmpty() || text.size() > digits || (text.size() > 1 && text[0] == u'0')) {
        return std::nullopt;
    }
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

}  // namespace

std::optional<SheetName> ParseSheetFileName(QStringView fileName) {
    const QStringView suffix = u".csv";
    if (!fileName.endsWith(suffix)) {
        return std::nullopt;
    }
    const QStringView stem = fileName.chopped(suffix.size());
    const qsizetype monthBlank = stem.lastIndexOf(u' ');
    if (monthBlank < 0) {
        return std::nullopt;
    }
    const qsizetype yearBlank = stem.first(monthBlank).lastIndexOf(u' ');
    if (yearBlank < 0) {
        return std::nullopt;
    }
    const auto month = PlainNumber(stem.sliced(monthBlank + 1), 2);
    const auto year = PlainNumber(stem.sliced(yearBlank + 1, monthBlank - yearBlank - 1), 2);
    if (!month || !year || *month < 1 || *month > 12) {
        return std::nullopt;
    }
    return SheetName{stem.first(yearBlank).toString(), kFirstSheetYear + *year, *month};
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

QString SheetFileName(const QString& person, int year, int month) {
    return person + NumberText(year % 100) + NumberText(month) + QStringLiteral(".csv");
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
                               const std::optional<QString>& person) {
    QHash<QString, qsizetype> indexOf;
    QList<PersonSheets> people;
    // System entries too: a FIFO or a dangling link named like a sheet is listed, and reported
    // as a sheet that cannot be read, rather than passed over in silence.
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        // "~$Taro 17 7.csv" is the lock file a spreadsheet keeps beside a sheet it has open.
        if (it.fileName().startsWith(u"~$")) {
            continue;
        }
        const auto name = ParseSheetFileName(it.fileName());
        if (!name || (person && name->person != *person)) {
            continue;
        }
        const MonthKey key = KeyOf(name->year, name->month);
        if (key < first || key > last) {
            continue;
        }
        auto found = indexOf.constFind(name->person);
        if (found == indexOf.constEnd()) {
            found = indexOf.insert(name->person, people.size());
            people.append({name->person, {}});
        }
        people[*found].months.append(key);
    }
    for (PersonSheets& p : people) {
        std::sort(p.months.begin(), p.months.end());
    }
    std::sort(people.begin(), people.end(),
              [](const PersonSheets& a, const PersonSheets& b) { return a.person < b.person; });
    return people;
}
