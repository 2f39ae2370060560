#include "overtime/school_settings.h"

#include "records/small_file.h"
#include "records/text_encoding.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {

// A few lines of text; anything far larger is another file.
constexpr qint64 kMaxSettingsBytes = 64 * 1024;
constexpr int kMaxBreakMinutes = 480;

// Notepad writes UTF-8, with or without a mark; Excel and older editors write CP932. The
// encoding is guessed as for every text file the programs read (text_encoding.h).
QString Decode(const QByteArray& bytes, bool& ok) {
    const TextEncoding encoding = DetectTextEncoding(bytes);
    const QByteArray body = bytes.mid(EncodingMark(encoding).size());
    if (encoding != TextEncoding::Cp932) {
        // Only read, never written back: a control character stays, for the warning to show.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(body);
        ok = !utf8.hasError();
        return text;
    }
    // CP932 is decoded a line at a time: the strict decoder takes line ends for control characters.
    QStringList lines;
    for (const QByteArray& line : body.split('\n')) {
        const Cp932Result decoded = DecodeCp932(line.endsWith('\r') ? line.chopped(1) : line);
        if (!decoded.ok) {
            ok = false;
            return {};
        }
        lines << decoded.text;
    }
    ok = true;
    return lines.join(u'\n');
}

QString Warning(const QString& file, int line, const QString& what) {
    return QStringLiteral("%1 の %2 行目: %3 (この行は使っていません)")
        .arg(file, QString::number(line), what);
}

}  // namespace

SchoolSettings ParseSchoolSettings(const QByteArray& bytes, const QString& file) {
    SchoolSettings settings;
    bool decoded = false;
    const QString text = Decode(bytes, decoded);
    if (!decoded) {
        settings.warnings << QStringLiteral(
                                 "%1 は CP932 としても UTF-8 としても読めません (使っていません)")
                                 .arg(file);
        return settings;
    }
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
            settings.warnings << Warning(file, number,
                                         QStringLiteral("「キー=値」の形ではありません"));
        } else if (key == u"学校名") {
            if (!settings.school) {
                settings.school = value;
            }
        } else if (key == u"押印欄") {
            if (!settings.seals) {
                settings.seals = SplitSeals(value);
            }
        } else if (key == u"休憩") {
            bool ok = false;
            const int minutes = value.toInt(&ok);
            if (!ok || minutes < 0 || minutes > kMaxBreakMinutes) {
                settings.warnings << Warning(file, number,
                                             QStringLiteral("休憩は 0～%1 の分数です (「%2」)")
                                                 .arg(QString::number(kMaxBreakMinutes), value));
            } else {
                settings.breakMinutes = minutes;
            }
        } else {
            settings.warnings << Warning(
                file, number,
                QStringLiteral("「%1」は知らないキーです (学校名、押印欄、休憩)").arg(key));
        }
    }
    return settings;
}

SchoolSettings ReadSchoolSettings(const QString& path) {
    const SmallFileRead file = ReadSmallFile(path, kMaxSettingsBytes, Links::Followed);
    if (file.outcome.failure == FileFailure::Absent) {
        return {};
    }
    if (!file.outcome.ok()) {
        SchoolSettings settings;
        settings.warnings << QStringLiteral("%1 を使えません: %2").arg(path, file.outcome.why());
        return settings;
    }
    return ParseSchoolSettings(file.bytes, path);
}

QStringList DefaultSeals() {
    return {QStringLiteral("本人"), QStringLiteral("教頭"), QStringLiteral("校長")};
}

QStringList SplitSeals(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[,、・，]"));
    QStringList seals;
    for (const QString& part : text.split(separators)) {
        if (!part.trimmed().isEmpty()) {
            seals << part.trimmed();
        }
    }
    return seals;
}
