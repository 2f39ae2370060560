#include "records/cp932.h"
#include "report/report_options.h"
#include "report/report_settings.h"

#include <gtest/gtest.h>

namespace {

const QDate kToday(2017, 7, 20);

OptionsParse Parse(const QStringList& arguments) {
    return ParseOptions(arguments, kToday);
}

TEST(ReportOptions, defaultsToThisMonthTheWholeStaffAndTheCurrentFolder) {
    const OptionsParse parse = Parse({});
    ASSERT_EQ(parse.outcome, OptionsParse::Outcome::Run);
    EXPECT_EQ(parse.options.year, 2017);
    EXPECT_EQ(parse.options.month, 7);
    EXPECT_FALSE(parse.options.user.has_value());
    EXPECT_FALSE(parse.options.schoolYear.has_value());
    EXPECT_EQ(parse.options.folder, QStringLiteral("."));
    EXPECT_EQ(parse.options.format, OutputFormat::Text);
    EXPECT_EQ(parse.options.breakMinutes, 45);
}

TEST(ReportOptions, readsEveryOptionInBothSpellings) {
    const OptionsParse parse = Parse(
        {QStringLiteral("--user"), QStringLiteral("Mary Ann"), QStringLiteral("--month=2009-1"),
         QStringLiteral("--format"), QStringLiteral("csv-utf8"), QStringLiteral("--output=out.csv"),
         QStringLiteral("--break-minutes"), QStringLiteral("0"), QStringLiteral("--"),
         QStringLiteral("-sheets")});
    ASSERT_EQ(parse.outcome, OptionsParse::Outcome::Run) << parse.error.toStdString();
    EXPECT_EQ(parse.options.user, QStringLiteral("Mary Ann"));
    EXPECT_EQ(parse.options.year, 2009);
    EXPECT_EQ(parse.options.month, 1);
    EXPECT_EQ(parse.options.format, OutputFormat::CsvUtf8);
    EXPECT_EQ(parse.options.output, QStringLiteral("out.csv"));
    EXPECT_EQ(parse.options.breakMinutes, 0);
    EXPECT_EQ(parse.options.folder, QStringLiteral("-sheets"));

    const OptionsParse year =
        Parse({QStringLiteral("--year"), QStringLiteral("2017"), QStringLiteral("/srv/sheets")});
    EXPECT_EQ(year.options.schoolYear, 2017);
    EXPECT_EQ(year.options.folder, QStringLiteral("/srv/sheets"));
    EXPECT_EQ(Parse({QStringLiteral("--user=-5")}).options.user, QStringLiteral("-5"));
    EXPECT_EQ(Parse({QStringLiteral("-x"), QStringLiteral("--help")}).outcome,
              OptionsParse::Outcome::Error);
    EXPECT_EQ(Parse({QStringLiteral("--user"), QStringLiteral("a"), QStringLiteral("-h")}).outcome,
              OptionsParse::Outcome::Help);
}

TEST(ReportOptions, badInputIsNamedInTheMessage) {
    struct Case {
        QStringList arguments;
        QString named;  // the message must hold this
    };
    const Case cases[] = {
        {{QStringLiteral("--colour")}, QStringLiteral("--colour")},
        {{QStringLiteral("--month"), QStringLiteral("2017-13")}, QStringLiteral("2017-13")},
        {{QStringLiteral("--month"), QStringLiteral("2017-00")}, QStringLiteral("2017-00")},
        {{QStringLiteral("--month"), QStringLiteral("17-07")}, QStringLiteral("17-07")},
        {{QStringLiteral("--month"), QStringLiteral("1999-07")}, QStringLiteral("1999")},
        {{QStringLiteral("--year"), QStringLiteral("17")}, QStringLiteral("17")},
        {{QStringLiteral("--year"), QStringLiteral("2099")}, QStringLiteral("2099")},
        {{QStringLiteral("--format"), QStringLiteral("xls")}, QStringLiteral("xls")},
        {{QStringLiteral("--break-minutes"), QStringLiteral("-5")}, QStringLiteral("-5")},
        {{QStringLiteral("--break-minutes"), QStringLiteral("481")}, QStringLiteral("481")},
        {{QStringLiteral("--user")}, QStringLiteral("--user")},
        {{QStringLiteral("--user=a"), QStringLiteral("--user=b")}, QStringLiteral("--user")},
        {{QStringLiteral("--month=2017-07"), QStringLiteral("--year=2017")},
         QStringLiteral("--year")},
        {{QStringLiteral("--format=png")}, QStringLiteral("--output")},
        {{QStringLiteral("a"), QStringLiteral("b")}, QStringLiteral("b")},
        {{QStringLiteral("--output=")}, QStringLiteral("--output")},
        {{QStringLiteral("--user"), QStringLiteral("--month"), QStringLiteral("2017-07")},
         QStringLiteral("--user=--month")},
    };
    for (const Case& c : cases) {
        const OptionsParse parse = Parse(c.arguments);
        EXPECT_EQ(parse.outcome, OptionsParse::Outcome::Error)
            << c.arguments.join(u' ').toStdString();
        EXPECT_TRUE(parse.error.contains(c.named))
            << parse.error.toStdString() << " / " << c.named.toStdString();
    }
}

// The settings file as Notepad saves it, in UTF-8 or in the Japanese code page, CR LF either way.
TEST(ReportSettings, theSchoolsWordsReadInEitherEncoding) {
    const QByteArray school = EncodeCp932(QStringLiteral("学校名=北町立北中学校")).bytes;
    const QByteArray seals = EncodeCp932(QStringLiteral("押印欄=本人・校長")).bytes;
    const QString file = QStringLiteral("学校設定.txt");
    for (const QByteArray& bytes :
         {QStringLiteral("学校名=北町立北中学校\r\n押印欄=本人・校長\r\n").toUtf8(),
          school + "\r\n" + seals + "\r\n", school + '\n' + seals, seals + "\r\n" + school}) {
        ReportOptions options;
        const QStringList warnings = ApplyReportSettings(bytes, file, options);
        EXPECT_TRUE(warnings.isEmpty()) << warnings.join(u' ').toStdString();
        EXPECT_EQ(options.school, QStringLiteral("北町立北中学校"));
        EXPECT_EQ(options.seals, (QStringList{QStringLiteral("本人"), QStringLiteral("校長")}));
    }
    // Bytes that are text in neither are named once, and nothing of the file is used.
    ReportOptions options;
    EXPECT_EQ(ApplyReportSettings(school + "\r\n\x81\x20", file, options).size(), 1);
    EXPECT_FALSE(options.school);
}

}  // namespace
