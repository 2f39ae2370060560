#include "report_output.h"

#include "sheet_files.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

QString Failed(const QString& path, const QString& reason) {
    return QStringLiteral("「%1」に書けません: %2").arg(path, reason);
}

}  // namespace

QString OutputPathProblem(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return QStringLiteral("--output の「%1」はフォルダです").arg(path);
    }
    if (info.exists() && ParseSheetFileName(info.fileName())) {
        return QStringLiteral("--output の「%1」は月のシートです。シートは上書きしません")
            .arg(path);
    }
    return {};
}

QString WriteOutput(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Failed(path, file.errorString());
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Failed(path, reason);
    }
    if (!file.commit()) {
        return Failed(path, file.errorString());
    }
    return {};
}

QString WritePng(const QString& path, const QImage& image) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Failed(path, file.errorString());
    }
    if (!image.save(&file, "PNG")) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Failed(path, reason.isEmpty() ? QStringLiteral("PNG にできません") : reason);
    }
    if (!file.commit()) {
        return Failed(path, file.errorString());
    }
    return {};
}

QString WriteStandardOutput(const QByteArray& bytes) {
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()) ||
        std::fflush(stdout) != 0) {
        return QStringLiteral("標準出力に書けません");
    }
    return {};
}
