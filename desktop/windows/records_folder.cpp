#include "desktop/windows/records_folder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

QString FirstSettingLine(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    // Notepad writes UTF-8 (with or without its mark) or the system's code page; a line of ASCII
    // and the person's variables reads the same in all of them.
    QString text = QString::fromUtf8(file.read(64 * 1024));
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#'))) {
            return line;
        }
    }
    return {};
}

QString Expanded(QString folder, const RecordsFolderPlaces& places) {
    static const QRegularExpression variable(QStringLiteral("%([^%]+)%"));
    QString result;
    qsizetype from = 0;
    for (auto match = variable.globalMatch(folder); match.hasNext();) {
        const auto found = match.next();
        const QString value =
            places.environment ? places.environment(found.captured(1)) : QString();
        result += folder.mid(from, found.capturedStart() - from);
        result += value.isEmpty() ? found.captured() : value;
        from = found.capturedEnd();
    }
    folder = result + folder.mid(from);
    if (folder == QLatin1String("~")) {
        folder = places.home;
    } else if (folder.startsWith(QLatin1String("~/")) || folder.startsWith(QLatin1String("~\\"))) {
        folder = places.home + folder.mid(1);
    }
    folder.replace(QLatin1String("$USER"), places.user);
    folder.replace(QLatin1String("$HOME"), places.home);
    return QDir::cleanPath(QDir(places.home).absoluteFilePath(folder));
}

}  // namespace

QString ChooseRecordsFolder(const RecordsFolderPlaces& places) {
    if (!places.variable.isEmpty()) {
        return Expanded(places.variable, places);
    }
    for (const QString& file : places.settingsFiles) {
        if (const QString line = FirstSettingLine(file); !line.isEmpty()) {
            return Expanded(line, places);
        }
    }
    return QDir::cleanPath(QDir(places.documents).filePath(QStringLiteral("Ombrel")));
}
