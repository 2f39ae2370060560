// ombrel-start.exe, what the Start menu and "start with Windows" run: picks the person's records
// folder (records_folder.h), makes it when missing, and starts the clock there. A folder that can
// be neither made nor opened (a share that is not connected), or a setting that cannot be read, is
// told in a message box and the clock is not started, so that no day is written to the wrong
// place.
#include "desktop/windows/records_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <windows.h>

namespace {

QString Environment(const QString& name) {
    return qEnvironmentVariable(name.toLocal8Bit().constData());
}

void Tell(const QString& text) {
    MessageBoxW(nullptr, reinterpret_cast<LPCWSTR>(text.utf16()), L"Ombrel",
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    RecordsFolderPlaces places;
    places.variable = Environment(QStringLiteral("OMBREL_FOLDER"));
    for (const char* base : {"APPDATA", "ProgramData"}) {
        const QString folder = qEnvironmentVariable(base);
        if (!folder.isEmpty()) {
            places.settingsFiles << QDir(folder).filePath(QStringLiteral("Ombrel/folder"));
        }
    }
    places.home = QDir::homePath();
    places.user = Environment(QStringLiteral("USERNAME"));
    places.documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    places.environment = Environment;
    const RecordsFolderChoice choice = ChooseRecordsFolder(places);
    const QString& folder = choice.folder;
    if (!choice.unreadable.isEmpty() || !QDir().mkpath(folder) || !QFileInfo(folder).isDir() ||
        !QFileInfo(folder).isWritable()) {
        Tell(RecordsFolderProblem(choice));
        return 1;
    }
    const QString clock = QDir(QCoreApplication::applicationDirPath()).filePath("ombrel.exe");
    if (!QProcess::startDetached(clock, {}, folder)) {
        Tell(QStringLiteral("時計 (%1) を起動できません。").arg(QDir::toNativeSeparators(clock)));
        return 1;
    }
    return 0;
}
