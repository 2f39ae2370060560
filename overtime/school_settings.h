#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The school's own settings, set once in a file beside the sheets: its name and the titles of the
// seal boxes for the printed pages, and the break a long day is counted with.
//
//   学校名=○○市立△△中学校
//   押印欄=本人,教頭,校長
//   休憩=45
//
// One "key=value" a line, in CP932 or UTF-8 (with or without a byte-order mark); a line that
// starts with '#' or ';' is a comment. A missing file or key leaves everything as it is without it.

inline const QString kSchoolSettingsFileName = QStringLiteral("学校設定.txt");

struct SchoolSettings {
    std::optional<QString> school;
    std::optional<QStringList> seals;
    std::optional<int> breakMinutes;
    // One for each line that was left out, or one for a file that cannot be used at all.
    QStringList warnings;
};

// From the file's bytes; `file` names it in the warnings.
SchoolSettings ParseSchoolSettings(const QByteArray& bytes, const QString& file);

// From the file at `path`: nothing set and no warning when there is none.
SchoolSettings ReadSchoolSettings(const QString& path);

// The seal boxes of a page a principal signs, when nothing else is set.
QStringList DefaultSeals();

// "本人,教頭,校長" or "本人・教頭・校長": the titles in order, blanks trimmed, empty ones dropped.
QStringList SplitSeals(const QString& text);
