#include "report/sheet_hints.h"

#include "overtime/month_key.h"

#include <QDir>
#include <QStandardPaths>

namespace {

// Full-width letters and half-width kana fold to their usual forms, then letter case is dropped.
QString FoldedName(const QString& name) {
    return name.normalized(QString::NormalizationForm_KC).toCaseFolded();
}

QList<PersonSheets> EveryoneIn(const QString& folder, bool subfolders) {
    if (!FolderProblem(folder).isEmpty()) {
        return {};
    }
    return ScanFolder(folder, KeyOf(kFirstSheetYear, 1), KeyOf(kLastSheetYear, 12), std::nullopt,
                      subfolders);
}

// The folder the clock's launcher starts it in when nothing else is set.
QString UsualFolder() {
#ifdef Q_OS_WIN
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QString() : QDir(documents).filePath(QStringLiteral("Ombrel"));
#else
    return QDir::home().filePath(QStringLiteral("Ombrel"));
#endif
}

}  // namespace

QStringList PeopleNamedAlike(const QList<PersonSheets>& people, const QString& person) {
    const QString folded = FoldedName(person);
    QStringList alike;
    for (const PersonSheets& sheets : people) {
        if (sheets.person != person && FoldedName(sheets.person) == folded) {
            alike << sheets.person;
        }
    }
    return alike;
}

QString WhereSheetsUsuallyAre(const QString& folderRead) {
#ifdef Q_OS_WIN
    QString text = QStringLiteral(
        "シートは時計を起動したフォルダーにあります。スタートメニューから起動した時計なら"
        "「ドキュメント\\Ombrel」か、%APPDATA%\\Ombrel\\folder または "
        "%ProgramData%\\Ombrel\\folder に書かれた学校のフォルダーです。");
#else
    QString text = QStringLiteral(
        "シートは時計を起動したフォルダーにあります。メニューから起動した時計なら ~/Ombrel か、"
        "~/.config/ombrel/folder または /etc/xdg/ombrel/folder に書かれた学校のフォルダーです。");
#endif
    QStringList places;
    if (!qEnvironmentVariableIsEmpty("OMBREL_FOLDER")) {
        places << qEnvironmentVariable("OMBREL_FOLDER");
    }
    places << UsualFolder();
    const QString read = QDir(folderRead).absolutePath();
    for (const QString& place : places) {
        if (!place.isEmpty() && QDir(place).absolutePath() != read &&
            !EveryoneIn(place, true).isEmpty()) {
            text += QStringLiteral("\n「%1」にはシートがあります。")
                        .arg(QDir::toNativeSeparators(place));
        }
    }
    return text;
}

QString NothingFoundHint(const QString& folder, const std::optional<QString>& person,
                         bool subfolders) {
    const QList<PersonSheets> everyone = EveryoneIn(folder, subfolders);
    if (person) {
        const QStringList alike = PeopleNamedAlike(everyone, *person);
        if (!alike.isEmpty()) {
            return QStringLiteral("名前の大文字・小文字や全角・半角だけが違う人のシートがあります: "
                                  "「%1」 (--user にはシートの名前のとおりに)")
                .arg(alike.join(QStringLiteral("」「")));
        }
    }
    return everyone.isEmpty() ? WhereSheetsUsuallyAre(folder) : QString();
}
