#include "report/report_settings.h"

#include <QDir>

namespace {

// The command line wins over the file.
void Apply(const SchoolSettings& settings, ReportOptions& options) {
    if (!options.school) {
        options.school = settings.school;
    }
    if (!options.seals) {
        options.seals = settings.seals;
    }
    if (settings.breakMinutes && !options.breakMinutesGiven) {
        options.breakMinutes = *settings.breakMinutes;
    }
}

}  // namespace

QString ReportSettingsPath(const ReportOptions& options) {
    return QDir(options.folder).filePath(kSchoolSettingsFileName);
}

QStringList ApplyReportSettings(const QByteArray& bytes, const QString& file,
                                ReportOptions& options) {
    const SchoolSettings settings = ParseSchoolSettings(bytes, file);
    Apply(settings, options);
    return settings.warnings;
}

QStringList ApplyFolderSettings(ReportOptions& options) {
    const SchoolSettings settings = ReadSchoolSettings(ReportSettingsPath(options));
    Apply(settings, options);
    return settings.warnings;
}
