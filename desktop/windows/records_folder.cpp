#include "desktop/windows/records_folder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

#include <windows.h>

#include <optional>

namespace {

constexpr qint64 kMostRead = 64 * 1024;

// UTF-8 when the bytes are UTF-8, else the code page; nothing when they are neither.
std::optional<QString> SettingText(const QByteArray& bytes, unsigned codePage) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar(0xFEFF))) {
            text.remove(0, 1);
        }
        return text;
    }
    const int size = int(bytes.size());
    const int length =
        MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.constData(), size, nullptr, 0);
    if (length <= 0) {
        return std::nullopt;
    }
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.constData(), size, wide.data(),
                        length);
    return QString::fromStdWString(wide);
}

struct SettingLine {
    QString line;        // empty when the file holds none, or is not there
    QString unreadable;  // why the file could not be read
};

SettingLine FirstSettingLine(const QString& path, unsigned codePage) {
    QFile file(path);
    if (!file.exists()) {
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, file.errorString()};
    }
    const std::optional<QString> text = SettingText(file.read(kMostRead), codePage);
    if (!text) {
        return {{},
                QStringLiteral("UTF-8 としても、このパソコンの文字コードとしても読めない文字が"
                               "あります")};
    }
    for (QString line : text->split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#'))) {
            return {line, {}};
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

// The drive or the share a folder lies on, as the person would look for it: "S:" or
// "\\server\share".
QString DriveOf(const QString& folder) {
    const QString native = QDir::toNativeSeparators(folder);
    if (native.startsWith(QLatin1String("\\\\"))) {
        return native.section(QLatin1Char('\\'), 0, 3);
    }
    return native.left(2);
}

}  // namespace

RecordsFolderChoice ChooseRecordsFolder(const RecordsFolderPlaces& places) {
    if (!places.variable.isEmpty()) {
        return {Expanded(places.variable, places), RecordsFolderOrigin::Variable, {}, {}};
    }
    for (const QString& file : places.settingsFiles) {
        const SettingLine setting = FirstSettingLine(file, places.codePage);
        if (!setting.unreadable.isEmpty()) {
            return {{}, RecordsFolderOrigin::SettingsFile, file, setting.unreadable};
        }
        if (!setting.line.isEmpty()) {
            return {Expanded(setting.line, places), RecordsFolderOrigin::SettingsFile, file, {}};
        }
    }
    return {QDir::cleanPath(QDir(places.documents).filePath(QStringLiteral("Ombrel"))),
            RecordsFolderOrigin::Documents,
            {},
            {}};
}

QString RecordsFolderProblem(const RecordsFolderChoice& choice) {
    if (!choice.unreadable.isEmpty()) {
        return QStringLiteral(
                   "記録のフォルダーの設定「%1」を読めないため、時計を起動しませんでした。\n"
                   "理由: %2\n\n設定のファイルを直してから、もう一度起動してください。")
            .arg(QDir::toNativeSeparators(choice.settingsFile), choice.unreadable);
    }
    QString origin;
    switch (choice.origin) {
        case RecordsFolderOrigin::Variable:
            origin = QStringLiteral("このフォルダーは環境変数 OMBREL_FOLDER の設定です。");
            break;
        case RecordsFolderOrigin::SettingsFile:
            origin = QStringLiteral("このフォルダーは「%1」の設定です。")
                         .arg(QDir::toNativeSeparators(choice.settingsFile));
            break;
        case RecordsFolderOrigin::Documents:
            origin = QStringLiteral("このフォルダーは、設定がないときの既定の場所です。");
            break;
    }
    return QStringLiteral(
               "記録のフォルダー「%1」を作ることも開くこともできないため、時計を起動しません"
               "でした。\n\n%2%3 がつながっているか (ネットワークドライブなら、エクスプローラーで"
               "開けるか) と、設定が正しいかを確かめてから、もう一度起動してください。")
        .arg(QDir::toNativeSeparators(choice.folder), origin, DriveOf(choice.folder));
}
