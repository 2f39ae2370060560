#include "report/report_output.h"

#include "overtime/school_calendar.h"
#include "records/name_file.h"
#include "records/start_time_file.h"
#include "records/whole_file_save.h"
#include "report/report_settings.h"
#include "report/sheet_files.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

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

// What stands at the path, links followed, when it is there and no regular file: a device, a
// FIFO, a socket; an empty text otherwise.
QString NotAFile(const QString& path) {
#ifdef Q_OS_WIN
    // CON, NUL, COM1, LPT1 and the like are devices in every folder, whatever follows a dot.
    static const QStringList devices{
        QStringLiteral("con"),  QStringLiteral("prn"),    QStringLiteral("aux"),
        QStringLiteral("nul"),  QStringLiteral("conin$"), QStringLiteral("conout$"),
        QStringLiteral("com1"), QStringLiteral("com2"),   QStringLiteral("com3"),
        QStringLiteral("com4"), QStringLiteral("com5"),   QStringLiteral("com6"),
        QStringLiteral("com7"), QStringLiteral("com8"),   QStringLiteral("com9"),
        QStringLiteral("lpt1"), QStringLiteral("lpt2"),   QStringLiteral("lpt3"),
        QStringLiteral("lpt4"), QStringLiteral("lpt5"),   QStringLiteral("lpt6"),
        QStringLiteral("lpt7"), QStringLiteral("lpt8"),   QStringLiteral("lpt9")};
    const QString base = QFileInfo(path).fileName().section(u'.', 0, 0).trimmed().toLower();
    if (QDir::toNativeSeparators(path).startsWith(QLatin1String("\\\\.\\")) ||
        devices.contains(base)) {
        return QStringLiteral("デバイス");
    }
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir()
               ? QStringLiteral("ふつうのファイルではないもの")
               : QString();
#else
    struct stat target {};
    if (stat(QFile::encodeName(path).constData(), &target) != 0 || S_ISREG(target.st_mode)) {
        return {};
    }
    if (S_ISDIR(target.st_mode)) {
        return QStringLiteral("フォルダ");
    }
    if (S_ISCHR(target.st_mode) || S_ISBLK(target.st_mode)) {
        return QStringLiteral("デバイス");
    }
    if (S_ISFIFO(target.st_mode)) {
        return QStringLiteral("パイプ (FIFO)");
    }
    if (S_ISSOCK(target.st_mode)) {
        return QStringLiteral("ソケット");
    }
    return QStringLiteral("ふつうのファイルではないもの");
#endif
}

}  // namespace

bool ToStandardOutput(const std::optional<QString>& output) {
    if (!output || *output == u"-") {
        return true;
    }
#ifdef Q_OS_WIN
    return false;
#else
    // Names of the process's own standard output, whatever it is (a pipe, a terminal).
    return *output == u"/dev/stdout" || *output == u"/dev/fd/1" || *output == u"/proc/self/fd/1";
#endif
}

QString OutputPathProblem(const QString& path, const QStringList& keep) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return QStringLiteral("--output の「%1」はフォルダです").arg(path);
    }
    if (const QString kind = NotAFile(path); !kind.isEmpty()) {
        return QStringLiteral(
                   "--output の「%1」は%2です。書き出すのはふつうのファイルだけです"
                   " (標準出力へは --output -)")
            .arg(path, kind);
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
    // Looked at again as it is written: what was a file when the run began may not be now.
    if (const QString kind = NotAFile(path); !kind.isEmpty()) {
        return Failed(path, QStringLiteral("%1です").arg(kind));
    }
    const FileOutcome saved = SaveWholeFile(path, bytes);
    return saved.ok() ? QString() : Failed(path, saved.why());
}

QByteArray PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

QString WriteStandardOutput(const QByteArray& bytes) {
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()) ||
        std::fflush(stdout) != 0) {
        const int error = errno;
        return error != 0 ? QStringLiteral("標準出力に書けません (%1)")
                                .arg(QString::fromLocal8Bit(std::strerror(error)))
                          : QStringLiteral("標準出力に書けません");
    }
    return {};
}
