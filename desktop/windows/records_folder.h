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
// In that folder %NAME% stands for the environment variable NAME (%USERNAME%), and as on Linux a
// leading ~ and the words $USER and $HOME for the person's own; a relative folder is taken from
// the home folder.
struct RecordsFolderPlaces {
    QString variable;           // OMBREL_FOLDER's value, empty when it is not set
    QStringList settingsFiles;  // the person's first, then the machine's
    QString home;
    QString user;
    QString documents;
    std::function<QString(const QString& name)> environment;
};

QString ChooseRecordsFolder(const RecordsFolderPlaces& places);
