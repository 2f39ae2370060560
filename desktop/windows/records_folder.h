#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The folder a person's records live in, chosen by the launcher the Start menu starts (the
// clock keeps its name file and month sheets in the folder it starts in). First found:
//   1. the environment variable OMBREL_FOLDER;
//   2. the first line, neither blank nor a # comment, of the first settings file there is: the
//      person's own (%APPDATA%\Ombrel\folder), then the machine's (%ProgramData%\Ombrel\folder);
//   3. Documents\Ombrel.
// A settings file is read as UTF-8 when its bytes are UTF-8 (with or without the mark Notepad
// writes), else in the system's code page, which is what a batch file's `echo` writes (932 on a
// Japanese Windows). In the folder %NAME% stands for the environment variable NAME (%USERNAME%),
// and as on Linux a leading ~ and the words $USER and $HOME for the person's own; a relative
// folder is taken from the home folder.
struct RecordsFolderPlaces {
    QString variable;           // OMBREL_FOLDER's value, empty when it is not set
    QStringList settingsFiles;  // the person's first, then the machine's
    QString home;
    QString user;
    QString documents;
    std::function<QString(const QString& name)> environment;
    unsigned codePage = 0;  // of a settings file that is not UTF-8; 0 is the system's own
};

enum class RecordsFolderOrigin { Variable, SettingsFile, Documents };

struct RecordsFolderChoice {
    QString folder;  // absolute; empty when a settings file could not be read
    RecordsFolderOrigin origin = RecordsFolderOrigin::Documents;
    QString settingsFile;  // the file the folder came from, or the one that could not be read
    QString unreadable;    // why that file could not be read, empty when it was
};

// A settings file that is there but cannot be read stops the choice there: the next place would
// put the records somewhere the person did not choose.
RecordsFolderChoice ChooseRecordsFolder(const RecordsFolderPlaces& places);

// What the launcher tells the person when it does not start the clock: the settings file it could
// not read, or the folder it could neither make nor open, with the setting that chose it and what
// to look at (the network drive or share it lies on).
QString RecordsFolderProblem(const RecordsFolderChoice& choice);
