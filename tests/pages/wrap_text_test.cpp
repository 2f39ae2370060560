#include "pages/pdf_pages.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace {

// Lines never wider than the column, nothing lost or doubled, and a text too long for the lines
// allowed cut with a mark that counts exactly what it leaves out.
TEST(WrapText, linesFitTheColumnAndACutSaysHowMuchIsLeftOut) {
    const QFontMetricsF metrics(PdfFont(28));
    const double width = 400;
    const QString text = QStringLiteral("残業内容 部活動指導 ") + QString(3000, u'n') +
                         QStringLiteral(" 12\u00a0日 ") +
                         QStringLiteral("\U0001F600").repeated(200);
    const QStringList lines = WrapText(text, metrics, width);
    ASSERT_GT(lines.size(), 10);
    for (const QString& line : lines) {
        EXPECT_LE(metrics.horizontalAdvance(line), width) << line.toStdString();
        EXPECT_FALSE(line.back().isHighSurrogate());
    }
    EXPECT_EQ(lines.first(), QStringLiteral("残業内容 部活動指導"));
    EXPECT_EQ(lines.join(QString()).remove(u' '), QString(text).remove(u' '));
    // A no-break space holds a figure and its unit together.
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                            [](const QString& l) { return l.contains(u"12\u00a0日"); }));

    const QStringList cut = WrapText(text, metrics, width, 5);
    ASSERT_EQ(cut.size(), 5);
    EXPECT_EQ(cut.mid(0, 4), lines.mid(0, 4));
    EXPECT_LE(metrics.horizontalAdvance(cut.last()), width);
    const qsizetype mark = cut.last().indexOf(QStringLiteral("…【以下 "));
    ASSERT_GE(mark, 0) << cut.last().toStdString();
    // The blank after the first line's words is where it broke; the word below it has none.
    const qsizetype shown = cut.mid(0, 4).join(QString()).size() + 1 + mark;
    const QString omitted = cut.last().mid(mark).section(u' ', 1, 1).remove(u',');
    EXPECT_EQ(shown + omitted.toLongLong(), text.size()) << cut.last().toStdString();

    EXPECT_EQ(WrapText(QStringLiteral("a\n\nb"), metrics, width),
              (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
}

}  // namespace
