#include "report_options.h"

#include "sheet_files.h"

#include <QRegularExpression>
#include <QSet>

namespace {

constexpr int kMaxBreakMinutes = 480;

OptionsParse Failure(const QString& error) {
    OptionsParse parse;
    parse.error = error;
    return parse;
}

std::optional<int> WholeNumber(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,4}$"));
    if (!digits.match(text).hasMatch()) {
        return std::nullopt;
    }
    return text.toInt();
}

// "2017-07" or "2017-7".
QString ReadMonth(const QString& text, ReportOptions& options) {
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{4})-([0-9]{1,2})$"));
    const auto match = pattern.match(text);
    const int year = match.hasMatch() ? match.captured(1).toInt() : 0;
    const int month = match.hasMatch() ? match.captured(2).toInt() : 0;
    if (!match.hasMatch() || month < 1 || month > 12) {
        return QStringLiteral("「%1」は月として読めません (例: --month 2017-07)").arg(text);
    }
    if (year < kFirstSheetYear || year > kLastSheetYear) {
        return QStringLiteral("%1年はシートのファイル名で表せません (%2～%3年)")
            .arg(year)
            .arg(kFirstSheetYear)
            .arg(kLastSheetYear);
    }
    options.year = year;
    options.month = month;
    return {};
}

QString ReadSchoolYear(const QString& text, ReportOptions& options) {
    const auto year = text.size() == 4 ? WholeNumber(text) : std::nullopt;
    if (!year) {
        return QStringLiteral("「%1」は年度として読めません (例: --year 2017)").arg(text);
    }
    // March of the next year must still fit the two-digit year of the sheet names.
    if (*year < kFirstSheetYear || *year >= kLastSheetYear) {
        return QStringLiteral("%1年度はシートのファイル名で表せません (%2～%3年度)")
            .arg(*year)
            .arg(kFirstSheetYear)
            .arg(kLastSheetYear - 1);
    }
    options.schoolYear = *year;
    return {};
}

QString ReadFormat(const QString& text, ReportOptions& options) {
    if (text == u"text") {
        options.format = OutputFormat::Text;
    } else if (text == u"csv") {
        options.format = OutputFormat::Csv;
    } else if (text == u"csv-utf8") {
        options.format = OutputFormat::CsvUtf8;
    } else if (text == u"png") {
        options.format = OutputFormat::Png;
    } else {
        return QStringLiteral("「%1」は出力形式ではありません (text, csv, csv-utf8, png)")
            .arg(text);
    }
    return {};
}

QString ReadBreak(const QString& text, ReportOptions& options) {
    const auto minutes = WholeNumber(text);
    if (!minutes || *minutes > kMaxBreakMinutes) {
        return QStringLiteral("--break-minutes には 0～%1 の分数を指定してください (「%2」)")
            .arg(QString::number(kMaxBreakMinutes), text);
    }
    options.breakMinutes = *minutes;
    return {};
}

QString ReadValue(const QString& name, const QString& value, ReportOptions& options) {
    if (name == u"--user") {
        options.user = value;
        return {};
    }
    if (name == u"--month") {
        return ReadMonth(value, options);
    }
    if (name == u"--year") {
        return ReadSchoolYear(value, options);
    }
    if (name == u"--format") {
        return ReadFormat(value, options);
    }
    if (name == u"--output") {
        if (value.isEmpty()) {
            return QStringLiteral("--output のファイル名が空です");
        }
        options.output = value;
        return {};
    }
    return ReadBreak(value, options);
}

}  // namespace

OptionsParse ParseOptions(const QStringList& arguments, QDate today) {
    static const QSet<QString> valued{
        QStringLiteral("--user"),   QStringLiteral("--month"),  QStringLiteral("--year"),
        QStringLiteral("--format"), QStringLiteral("--output"), QStringLiteral("--break-minutes")};
    OptionsParse parse;
    parse.options.year = today.year();
    parse.options.month = today.month();
    QSet<QString> seen;
    std::optional<QString> folder;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!optionsEnded && (argument == u"--help" || argument == u"-h")) {
            parse.outcome = OptionsParse::Outcome::Help;
            return parse;
        }
        if (!optionsEnded && argument == u"--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !argument.startsWith(u'-') || argument == u"-") {
            if (folder) {
                return Failure(QStringLiteral("フォルダは一つだけ指定できます (「%1」と「%2」)")
                                   .arg(*folder, argument));
            }
            folder = argument;
            continue;
        }
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = equals < 0 ? argument : argument.first(equals);
        if (!valued.contains(name)) {
            return Failure(QStringLiteral("「%1」は知らないオプションです").arg(name));
        }
        if (seen.contains(name)) {
            return Failure(QStringLiteral("%1 が二度指定されています").arg(name));
        }
        seen.insert(name);
        QString value;
        if (equals >= 0) {
            value = argument.sliced(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
            // "--user --month 2017-07" forgot the name; a value that does begin with '-' can
            // still be given as "--user=-5".
            if (value.size() > 1 && value.startsWith(u'-')) {
                return Failure(QStringLiteral("%1 の値「%2」はオプションのようです "
                                              "(その値のままなら %1=%2 と書いてください)")
                                   .arg(name, value));
            }
        } else {
            return Failure(QStringLiteral("%1 には値が要ります").arg(name));
        }
        if (const QString error = ReadValue(name, value, parse.options); !error.isEmpty()) {
            return Failure(error);
        }
    }
    if (seen.contains(QStringLiteral("--month")) && seen.contains(QStringLiteral("--year"))) {
        return Failure(QStringLiteral("--month と --year は同時に指定できません"));
    }
    if (parse.options.format == OutputFormat::Png && !parse.options.output) {
        return Failure(QStringLiteral("png の出力には --output でファイル名を指定してください"));
    }
    if (folder) {
        parse.options.folder = *folder;
    }
    parse.outcome = OptionsParse::Outcome::Run;
    return parse;
}
