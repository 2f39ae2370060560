#pragma once

#include <QList>
#include <QString>

// What one folder holds, as the system lists it, or why it could not be opened. The report walks
// folders of sheets only through this, so that a folder it may not open is named with the
// system's reason instead of being passed over as if it were empty.

struct FolderEntry {
    enum class Kind {
        Folder,        // a folder of its own, to be walked into
        LinkToFolder,  // a link or junction that leads to a folder: never followed
        Other,         // a file, a link to one or to nothing, a FIFO, a device
    };
    QString name;
    Kind kind = Kind::Other;
};

struct FolderListing {
    QString reason;  // the system's words, when it could not be opened or listed to its end
    QList<FolderEntry> entries;
};

// Every entry of the folder at `path` but "." and "..".
FolderListing ListFolder(const QString& path);

// Why the folder at `path` cannot be opened for listing, in the system's words; an empty text
// when it can. Nothing of it is listed.
QString FolderOpenProblem(const QString& path);
