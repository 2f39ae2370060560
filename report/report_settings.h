#pragma once

#include "report/report_options.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The school's own words for the printed pages, set once in a file beside the sheets:
//
//   学校名=○○市立△△中学校
//   押印欄=本人,教頭,校長
//   休憩=45
//
// One "key=value" a line, in CP932 or UTF-8 (with or without a byte-order mark); a line that
// starts with '#' or ';' is a comment. The command line wins over the file, and a missing file
// or key leaves the pages as they are without it.

inline const QString kReportSettingsFileName = QStringLiteral("学校設定.txt");

// The folder's settings file, whether or not it exists.
QString ReportSettingsPath(const ReportOptions& options);

// Fills what the command line left unset from the settings file's bytes; `file` names it in the
// warnings, one for each line that was left out.
QStringList ApplyReportSettings(const QByteArray& bytes, const QString& file,
                                ReportOptions& options);

// The same from the folder's file, if there is one; a file that cannot be read is a warning.
QStringList ApplyFolderSettings(ReportOptions& options);
