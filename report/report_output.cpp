#include "report/report_output.h"

#include "overtime/school_calendar.h"
#include "records/name_file.h"
#include "records/start_time_file.h"
#include "records/whole_file_save.h"
#include "report/report_settings.h"
#include "report/sheet_files.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

QString Failed(const QString& path, const QString& reason) {
    return QStringLiteral("「%1」に書けません: %2").arg(path, reason);
}

// Links followed one after another; a longer chain is taken for a loop.
constexpr int kMaxLinkHops = 40;

// The file that writing `path` replaces: QSaveFile writes through a symbolic link, also one whose
// target does not exist yet, and the folders on the way may be links too.
QString LandingPath(const QString& path) {
    QString current = QFileInfo(path).absoluteFilePath();
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        const QFileInfo link(current);
        if (!link.isSymLink() || link.symLinkTarget().isEmpty()) {
            break;
        }
        current = link.symLinkTarget();
    }
    const QFileInfo target(current);
    if (target.exists()) {
        return target.canonicalFilePath();
    }
    const QString folder = QFileInfo(target.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? current : QDir(folder).filePath(target.fileName());
}

// Where names ignore case and trailing dots and blanks (Windows), these are the same file.
QString PlainName(QString name) {
    while (name.endsWith(u'.') || name.endsWith(u' ')) {
        name.chop(1);
    }
    return name.toCaseFolded();
}

// The files the clock and the report read in the sheets folder, besides the sheets.
bool ReadBesideTheSheets(const QString& fileName) {
    const QString name = PlainName(fileName);
    for (const QString& read :
         {kNameFileName, kStartTimeFileName, kSchoolCalendarFileName, kSchoolSettingsFileName}) {
        if (name == read.toCaseFolded()) {
            return true;
        }
    }
    return false;
}

}  // namespace

QString OutputPathProblem(const QString& path, const QStringList& keep) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return QStringLiteral("--output の「%1」はフォルダです").arg(path);
    }
    // A file named like a sheet, new or not, would be read by the clock as that person's month.
    if (ShapedLikeSheetFileName(info.fileName())) {
        return QStringLiteral(
                   "--output の「%1」は月のシートの名前 (「名前 年 月.csv」) です。"
                   "シートと取り違えないよう、別の名前にしてください")
            .arg(path);
    }
    const QString landing = LandingPath(path);
    if (ShapedLikeSheetFileName(QFileInfo(landing).fileName())) {
        return QStringLiteral(
                   "--output の「%1」は月のシート「%2」につながっています。"
                   "シートは上書きしません")
            .arg(path, landing);
    }
    if (ReadBesideTheSheets(info.fileName()) || ReadBesideTheSheets(QFileInfo(landing).fileName())) {
        return QStringLiteral(
                   "--output の「%1」は時計か集計が読むファイルの名前です。"
                   "取り違えないよう、別の名前にしてください")
            .arg(path);
    }
    for (const QString& read : keep) {
        if (!read.isEmpty() && landing == LandingPath(read)) {
            return QStringLiteral("--output の「%1」は読んでいる「%2」です。上書きしません")
                .arg(path, read);
        }
    }
    return {};
}

QString WriteOutput(const QString& path, const QByteArray& bytes) {
    const FileOutcome saved = SaveWholeFile(path, bytes);
    return saved.ok() ? QString() : Failed(path, saved.why());
}

QString WritePng(const QString& path, const QImage& image) {
    // The whole picture first, so that a file is written only once there is one to write.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        return Failed(path, QStringLiteral("PNG にできません"));
    }
    return WriteOutput(path, bytes);
}

QString WriteStandardOutput(const QByteArray& bytes) {
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()) ||
        std::fflush(stdout) != 0) {
        return QStringLiteral("標準出力に書けません");
    }
    return {};
}
