// The help of ombrel-report around what the parser writes from the options themselves.

#include "clock/reason_captions.h"
#include "pages/text_table.h"
#include "report/report_options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>

namespace {

const char* const kClosing =
    "\n"
    "一人の月: 日ごとの始業・終業・在校時間・残業・時計の色の帯・残業内容と、月の合計、\n"
    "  休日に出た日とその残業、45時間 (目標 30時間、80時間、100時間) との差、月末までの\n"
    "  見込みを出します。見込みは済んだ日のペースで、今日は OUT を記録してから数えます。\n"
    "  pdf は 1 枚に日ごとの表、合計、グラフと押印欄を載せます。\n"
    "  時間はすべて分単位 (見込みと平均は四捨五入) で、上限との比較も表示した値で行います。\n"
    "一人の年度: 月ごとの残業、年間 360時間・720時間、45時間を超えた月の数 (6 か月まで)、\n"
    "  2～6か月平均 (80時間まで)、100時間以上の月を出します。平均は年度をまたいで、\n"
    "  前年度の 11月～3月のシートがあればそれも使います。\n"
    "全員: 残業の多い順に、区分 (45時間以下 / 45時間超 / 80時間超 / 100時間以上) と\n"
    "  区分ごとの人数を出します。\n"
    "終業のない日、終業が始業より前の日、読めない行は「要確認」として挙げ、合計には\n"
    "含めません。残業内容に %1 以外の文字 (「部活動」など) がある日は時間を数え、\n"
    "その欄を「要確認」に挙げます。学校カレンダーの読めない行は使わずに挙げます。\n"
    "\n"
    "学校設定.txt: シートのフォルダに置くと、印刷する表に使います。1 行に「キー=値」で\n"
    "  学校名=○○市立△△中学校 / 押印欄=本人,教頭,校長 / 休憩=45 (CP932 か UTF-8)。\n"
    "  オプションで指定したものが優先します。\n"
    "\n"
    "学校を集めたフォルダ (学校ごとに学校設定.txt と教員ごとのフォルダ): 学校ごとに\n"
    "  全員の表、続けて学校ごとのまとめと合計を出します。二つの学校の同じ名前は別の人\n"
    "  です。--user の名前が二つ以上の学校にあれば学校を挙げて終わるので、--school で\n"
    "  選びます。\n"
    "\n"
    "CSV を LibreOffice で開くときは、文字コードを番号 64 (日本語 Shift-JIS、60 でも可。\n"
    "  csv-utf8 は 76) で指定します: soffice --infilter=\"CSV:44,34,64\" 2017.csv\n"
    "\n"
    "終了コード: 0 成功、2 入力の誤り (知らないオプション、ありえない月、ないフォルダ、\n"
    "  シートのない名前、読めない学校カレンダー、祝日の分からない年、書けない出力先など。\n"
    "  理由は標準エラーに出します)\n"
    "\n"
    "例:\n"
    "  ombrel-report --user Taro --month 2017-07\n"
    "  ombrel-report --user Taro --month 2017-07 --format pdf --output taro-7月.pdf\n"
    "  ombrel-report --user Taro --year 2017 --format png --output taro-2017.png\n"
    "  ombrel-report --year 2017 --format csv --output 2017年度.csv /srv/sheets\n"
    "  ombrel-report --year 2017 --format xlsx --output 2017年度.xlsx /mnt/staff/ombrel\n";

// The few words of the parser's own help frame, in the language of the rest.
class HelpWords : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (qstrcmp(context, "QCommandLineParser") != 0) {
            return {};
        }
        static const std::pair<const char*, const char*> words[] = {{"Usage: %1", "使い方: %1"},
                                                                    {"[options]", "[オプション]"},
                                                                    {"Options:", "オプション:"},
                                                                    {"Arguments:", "引数:"}};
        for (const auto& [english, japanese] : words) {
            if (qstrcmp(source, english) == 0) {
                return QString::fromUtf8(japanese);
            }
        }
        return {};
    }
};

// The parser pads the option column by characters; a Japanese character takes two cells in a
// terminal. The descriptions, their continued lines too, are moved to one column that clears the
// widest name as a terminal shows it.
QString AlignWideNames(const QString& help) {
    static const QRegularExpression named(QStringLiteral("^(  \\S.*?)  +(\\S.*)$"));
    static const QRegularExpression continued(QStringLiteral("^( {8,})(\\S.*)$"));
    QStringList lines = help.split(u'\n');
    int column = 0;
    for (const QString& line : lines) {
        if (const auto match = named.match(line); match.hasMatch()) {
            column = std::max(column, DisplayWidth(match.captured(1)) + 2);
        }
    }
    for (QString& line : lines) {
        if (const auto match = named.match(line); match.hasMatch()) {
            const QString name = match.captured(1);
            line = name + QString(column - DisplayWidth(name), u' ') + match.captured(2);
        } else if (const auto more = continued.match(line); more.hasMatch()) {
            line = QString(column, u' ') + more.captured(2);
        }
    }
    return lines.join(u'\n');
}

}  // namespace

QString FramedHelp(const QCommandLineParser& parser) {
    HelpWords words;
    QCoreApplication::installTranslator(&words);
    const QString help = AlignWideNames(parser.helpText());
    QCoreApplication::removeTranslator(&words);
    return help + QString::fromUtf8(kClosing).arg(ReasonRange());
}
