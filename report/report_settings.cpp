#include "report/report_settings.h"

#include "records/cp932.h"
#include "records/small_file.h"

#include <QDir>
#include <QStringDecoder>

namespace {

// A few lines of text; anything far larger is another file.
constexpr qint64 kMaxSettingsBytes = 64 * 1024;
constexpr int kMaxBreakMinutes = 480;

// Notepad writes UTF-8, with or without a mark; Excel and older editors write CP932. CP932's
// Japanese text is almost never valid UTF-8, so valid UTF-8 is taken as UTF-8.
QString Decode(const QByteArray& bytes, bool& ok) {
    const QByteArray bom("\xEF\xBB\xBF");
    const QByteArray body = bytes.startsWith(bom) ? bytes.mid(bom.size()) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(body);
    if (!utf8.hasError()) {
        ok = true;
        return text;
    }
    // CP932 is decoded a line at a time: the strict decoder takes line ends for control characters.
    QStringList lines;
    for (const QByteArray& line : body.split('\n')) {
        const Cp932Result cp932 = DecodeCp932(line.endsWith('\r') ? line.chopped(1) : line);
        if (!cp932.ok) {
            ok = false;
            return {};
        }
        lines << cp932.text;
    }
    ok = true;
    return lines.join(u'\n');
}

QString Warning(const QString& file, int line, const QString& what) {
    return QStringLiteral("%1 の %2 行目: %3 (この行は使っていません)")
        .arg(file, QString::number(line), what);
}

}  // namespace

QString ReportSettingsPath(const ReportOptions& options) {
    return QDir(options.folder).filePath(kReportSettingsFileName);
}

QStringList ApplyReportSettings(const QByteArray& bytes, const QString& file,
                                ReportOptions& options) {
    bool decoded = false;
    const QString text = Decode(bytes, decoded);
    if (!decoded) {
        return {QStringLiteral("%1 は CP932 としても UTF-8 としても読めません (使っていません)")
                    .arg(file)};
    }
    QStringList warnings;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = int(i + 1);
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u';')) {
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (equals < 0) {
            warnings << Warning(file, number, QStringLiteral("「キー=値」の形ではありません"));
        } else if (key == u"学校名") {
            options.school = options.school.value_or(value);
        } else if (key == u"押印欄") {
            options.seals = options.seals.value_or(SplitSeals(value));
        } else if (key == u"休憩") {
            bool ok = false;
            const int minutes = value.toInt(&ok);
            if (!ok || minutes < 0 || minutes > kMaxBreakMinutes) {
                warnings << Warning(file, number,
                                    QStringLiteral("休憩は 0～%1 の分数です (「%2」)")
                                        .arg(QString::number(kMaxBreakMinutes), value));
            } else if (!options.breakMinutesGiven) {
                options.breakMinutes = minutes;
            }
        } else {
            warnings << Warning(
                file, number,
                QStringLiteral("「%1」は知らないキーです (学校名、押印欄、休憩)").arg(key));
        }
    }
    return warnings;
}

QStringList ApplyFolderSettings(ReportOptions& options) {
    const QString path = ReportSettingsPath(options);
    const SmallFileRead file = ReadSmallFile(path, kMaxSettingsBytes, Links::Followed);
    if (file.outcome.failure == FileFailure::Absent) {
        return {};
    }
    if (!file.outcome.ok()) {
        return {QStringLiteral("%1 を使えません: %2").arg(path, file.outcome.why())};
    }
    return ApplyReportSettings(file.bytes, path, options);
}
