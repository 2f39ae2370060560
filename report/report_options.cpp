#include "report/report_options.h"

#include "records/cp932.h"
#include "report/sheet_files.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

namespace {

constexpr int kMaxBreakMinutes = 480;

// The options with a value, in the order the help lists them.
struct ValuedOption {
    const char* name;
    const char* valueName;
    const char* description;  // lines short enough for a terminal of 80 cells
};
const ValuedOption kValued[] = {
    {"user", "名前",
     "一人分を出します。省くとフォルダの全員を一人一行で出します\n"
     "例: --user Taro --month 2017-07 /srv/sheets"},
    {"month", "年-月", "集計する月 (省くと今月)。例: --month 2017-07"},
    {"year", "年度",
     "その年の 4 月から翌年 3 月までの年度を集計します\n"
     "(--month とは一緒に使えません)。例: --year 2017"},
    {"format", "形式",
     "text (既定、画面向けの表)、csv (CP932、Excel でそのまま開けます)、\n"
     "csv-utf8 (UTF-8、BOM 付き)、png (グラフ)、pdf (印刷用、A4)、\n"
     "xlsx (Excel のブック。時間は [h]:mm の数値で、そのまま合計できます)。\n"
     "png、pdf、xlsx には --output が要ります (- で標準出力へ)\n"
     "例: --format pdf --output 7月.pdf"},
    {"output", "ファイル",
     "出力先 (省くか - で標準出力)。ふつうのファイルにだけ書き、\n"
     "途中で失敗しても中途半端なファイルは残しません。月のシート\n"
     "(「名前 年 月.csv」) とそのリンク、時計の omb.ini と temp1.txt、\n"
     "学校カレンダー、学校設定.txt には書きません"},
    {"calendar", "ファイル",
     "学校カレンダー (省くとフォルダの「学校カレンダー.csv」があれば\n"
     "それ)。1 行に 1 日、「2017/10/7,出,運動会」「2017-08-14,休,閉庁日」\n"
     "(休: 学校の休日、出: 休日の出勤日、3 列目は備考で省けます)。\n"
     "CP932 か BOM 付き UTF-8、見出し行は 1 行目に置けます"},
    {"school", "学校名",
     "学校ごとのフォルダを集めたフォルダでは、その学校だけを集計\n"
     "(学校名かフォルダ名)。一つの学校のフォルダでは、印刷する表に\n"
     "載せる学校名 (省くと学校設定.txt の「学校名」)"},
    {"seals", "役職",
     "押印欄の役職を , か ・ で区切って (既定「本人・教頭・校長」、\n"
     "省くと学校設定.txt の「押印欄」)。例: --seals 本人,副校長,校長"},
    {"break-minutes", "分",
     "6 時間を超えた日に差し引く休憩 (既定 45 分)。シートには休憩の\n"
     "有無がないので、6 時間を超えた日には毎日この分を差し引きます"},
};

const char* const kDescription =
    "タイムレコーダーの月のシート (「名前 年 月.csv」) から残業を集計します。\n"
    "フォルダを省くと今のフォルダを読みます。シートは読むだけで、書き換えません。\n"
    "残業は、勤務日なら在校時間 (休憩を除く) のうち 7時間45分を超えた分、\n"
    "休日 (土日、祝日、振替休日、国民の休日、12/29～1/3、学校カレンダーの「休」)\n"
    "なら在校時間のすべてです。祝日が分かるのは 1970～2050 年です。";

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

void DefineOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(Text(kDescription));
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, Text("この説明を出します")});
    for (const ValuedOption& option : kValued) {
        parser.addOption({Text(option.name), Text(option.description), Text(option.valueName)});
    }
    parser.addOption({Text("recursive"),
                      Text("フォルダの中のフォルダ (何段でも) のシートも読みます。フォルダに\n"
                           "シートがなく、中のフォルダにある場合は付けなくても読みます")});
    parser.addPositionalArgument(
        Text("フォルダ"), Text("シートのあるフォルダ (省くと今のフォルダ)"), Text("[フォルダ]"));
}

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
    static const std::pair<const char16_t*, OutputFormat> formats[] = {
        {u"text", OutputFormat::Text},
        {u"csv", OutputFormat::Csv},
        {u"csv-utf8", OutputFormat::CsvUtf8},
        {u"png", OutputFormat::Png},
        {u"pdf", OutputFormat::Pdf},
        {u"xlsx", OutputFormat::Xlsx}};
    for (const auto& [name, format] : formats) {
        if (text == QStringView(name)) {
            options.format = format;
            return {};
        }
    }
    return QStringLiteral("「%1」は出力形式ではありません (text, csv, csv-utf8, png, pdf, xlsx)")
        .arg(text);
}

QString ReadBreak(const QString& text, ReportOptions& options) {
    const auto minutes = WholeNumber(text);
    if (!minutes || *minutes > kMaxBreakMinutes) {
        return QStringLiteral("--break-minutes には 0～%1 の分数を指定してください (「%2」)")
            .arg(QString::number(kMaxBreakMinutes), text);
    }
    options.breakMinutes = *minutes;
    options.breakMinutesGiven = true;
    return {};
}

QString ReadFile(const QString& name, const QString& value, std::optional<QString>& into) {
    if (value.isEmpty()) {
        return QStringLiteral("%1 のファイル名が空です").arg(name);
    }
    into = value;
    return {};
}

QString ReadValue(const QString& name, const QString& value, ReportOptions& options) {
    if (name == u"user") {
        if (const QString problem = PersonNameProblem(value); !problem.isEmpty()) {
            return QStringLiteral("--user の「%1」: %2").arg(value, problem);
        }
        options.user = value;
        return {};
    }
    if (name == u"school") {
        options.school = value.trimmed();
        return {};
    }
    if (name == u"seals") {
        options.seals = SplitSeals(value);
        return {};
    }
    if (name == u"month") {
        return ReadMonth(value, options);
    }
    if (name == u"year") {
        return ReadSchoolYear(value, options);
    }
    if (name == u"format") {
        return ReadFormat(value, options);
    }
    if (name == u"output") {
        return ReadFile(QStringLiteral("--output"), value, options.output);
    }
    if (name == u"calendar") {
        return ReadFile(QStringLiteral("--calendar"), value, options.calendar);
    }
    return ReadBreak(value, options);
}

// What the parser refused, in words: an unknown option, a value missing at the end, or a value
// given to --help.
QString Refusal(const QCommandLineParser& parser, const QStringList& arguments) {
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().first();
        return QStringLiteral("「%1%2」は知らないオプションです")
            .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
    }
    const qsizetype end = arguments.indexOf(QStringLiteral("--"));
    const QString last = end < 0 ? arguments.last() : arguments.value(end - 1);
    if (last.startsWith(u"--") && !last.contains(u'=')) {
        return QStringLiteral("%1 には値が要ります").arg(last);
    }
    return QStringLiteral("--help には値を付けられません");
}

// "--user --month 2017-07" forgot the name; a value that does begin with '-' can still be given
// as "--user=-5".
QString ValueLikeAnOption(const QStringList& arguments) {
    for (qsizetype i = 0; i + 1 < arguments.size() && arguments[i] != u"--"; ++i) {
        for (const ValuedOption& option : kValued) {
            const QString& value = arguments[i + 1];
            if (arguments[i] == QStringLiteral("--") + Text(option.name) && value.size() > 1 &&
                value.startsWith(u'-')) {
                return QStringLiteral(
                           "%1 の値「%2」はオプションのようです "
                           "(その値のままなら %1=%2 と書いてください)")
                    .arg(arguments[i], value);
            }
        }
    }
    return {};
}

}  // namespace

OptionsParse ParseOptions(const QStringList& arguments, QDate today) {
    QCommandLineParser parser;
    DefineOptions(parser);
    if (!parser.parse(QStringList{QStringLiteral("ombrel-report")} + arguments)) {
        return Failure(Refusal(parser, arguments));
    }
    OptionsParse parse;
    if (parser.isSet(QStringLiteral("help"))) {
        parse.outcome = OptionsParse::Outcome::Help;
        return parse;
    }
    if (const QString problem = ValueLikeAnOption(arguments); !problem.isEmpty()) {
        return Failure(problem);
    }
    parse.options.year = today.year();
    parse.options.month = today.month();
    for (const ValuedOption& option : kValued) {
        const QString name = Text(option.name);
        const QStringList values = parser.values(name);
        if (values.size() > 1) {
            return Failure(QStringLiteral("--%1 が二度指定されています").arg(name));
        }
        if (values.isEmpty()) {
            continue;
        }
        if (const QString error = ReadValue(name, values.first(), parse.options);
            !error.isEmpty()) {
            return Failure(error);
        }
    }
    const QStringList folders = parser.positionalArguments();
    if (folders.size() > 1) {
        return Failure(QStringLiteral("フォルダは一つだけ指定できます (「%1」と「%2」)")
                           .arg(folders[0], folders[1]));
    }
    if (parser.isSet(QStringLiteral("month")) && parser.isSet(QStringLiteral("year"))) {
        return Failure(QStringLiteral("--month と --year は同時に指定できません"));
    }
    const OutputFormat format = parse.options.format;
    const bool binary = format == OutputFormat::Png || format == OutputFormat::Pdf ||
                        format == OutputFormat::Xlsx;
    if (binary && !parse.options.output) {
        return Failure(
            QStringLiteral("png、pdf、xlsx の出力には --output でファイル名を指定してください"
                           " (標準出力へは --output -)"));
    }
    parse.options.recursive = parser.isSet(QStringLiteral("recursive"));
    if (!folders.isEmpty()) {
        parse.options.folder = folders.first();
    }
    parse.outcome = OptionsParse::Outcome::Run;
    return parse;
}

QString PersonNameProblem(const QString& name) {
    if (name.trimmed().isEmpty()) {
        return QStringLiteral("名前が空です");
    }
    static const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
    for (const QChar c : name) {
        if (kForbidden.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7F) {
            return QStringLiteral("名前に %1 は使えません (フォルダの区切りかファイル名に使えない文字です)")
                .arg(DescribeCharacter(c.unicode()));
        }
    }
    if (name.contains(QStringLiteral(".."))) {
        return QStringLiteral("名前に .. は使えません");
    }
    return {};
}

QString HelpText() {
    QCommandLineParser parser;
    DefineOptions(parser);
    return FramedHelp(parser);
}
