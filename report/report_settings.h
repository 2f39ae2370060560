#pragma once

#include "overtime/school_settings.h"
#include "report/report_options.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The school's settings file (overtime/school_settings.h) beside the sheets, under the command
// line: what the command line sets wins over the file.

// The folder's settings file, whether or not it exists.
QString ReportSettingsPath(const ReportOptions& options);

// Fills what the command line left unset from the settings file's bytes; `file` names it in the
// warnings, one for each line that was left out.
QStringList ApplyReportSettings(const QByteArray& bytes, const QString& file,
                                ReportOptions& options);

// The same from the folder's file, if there is one; a file that cannot be read is a warning.
QStringList ApplyFolderSettings(ReportOptions& options);
