// The printed pages as a reader of the PDF finds them, read back with poppler's pdftotext.
#include "pages/pdf_report.h"
#include "tests/support/files.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

namespace {

struct Word {
    double yMin = 0;
    double yMax = 0;
    QString text;
};
struct Page {
    double height = 0;
    QList<Word> words;
};

// Each page with its words, top to bottom as pdftotext finds them.
QList<Page> PagesOf(const QByteArray& pdf) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pages.pdf"));
    PutFileBytes(path, pdf);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished(60000));
    const QString boxes = QString::fromUtf8(pdftotext.readAllStandardOutput());
    const QRegularExpression part(QStringLiteral(
        R"re(<page width="[\d.]+" height="([\d.]+)">|yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<Page> pages;
    for (const auto& match : part.globalMatch(boxes)) {
        if (match.hasCaptured(1)) {
            pages.append(Page{match.captured(1).toDouble(), {}});
        } else if (!pages.isEmpty()) {
            pages.last().words.append(
                {match.captured(2).toDouble(), match.captured(3).toDouble(), match.captured(4)});
        }
    }
    return pages;
}

// A staff too long for one page runs over as many as it needs: every person once, the table's
// heading again above the people on each page, and nothing of the table over the page's foot
// (its title and "2 / 3 ページ") or past its bottom.
TEST(PdfLayout, aLongStaffRunsOverPagesWithItsHeadingOnEach) {
    StaffReport staff;
    staff.year = 2017;
    staff.month = 7;
    QStringList people;
    for (int p = 0; p < 150; ++p) {
        StaffRow row;
        row.person = QStringLiteral("教員%1").arg(p + 1, 3, 10, QLatin1Char('0'));
        row.overtimeSeconds = qint64(150 - p) * 3600;
        row.monthsPresent = 1;
        staff.rows.append(row);
        people << row.person;
    }
    const QList<Page> pages = PagesOf(StaffPdf(staff));
    ASSERT_GE(pages.size(), 3);
    // The list ends at the reasons' legend under it; the chart below names the highest again.
    bool listEnded = false;
    QStringList seen;
    for (qsizetype n = 0; n < pages.size(); ++n) {
        SCOPED_TRACE(testing::Message() << "page " << n + 1);
        const QList<Word>& words = pages[n].words;
        const auto foot = std::find_if(words.begin(), words.end(),
                                       [](const Word& w) { return w.text == u"ページ"; });
        ASSERT_NE(foot, words.end());
        double headingBottom = -1;
        double firstPerson = pages[n].height;
        QString footLine;
        for (const Word& word : words) {
            EXPECT_LE(word.yMax, pages[n].height) << word.text.toStdString();
            if (std::abs(word.yMin - foot->yMin) < 1) {
                footLine += word.text;
                continue;
            }
            EXPECT_LE(word.yMax, foot->yMin) << word.text.toStdString();
            if (word.text == u"氏名" && headingBottom < 0) {
                headingBottom = word.yMax;
            }
            listEnded = listEnded || word.text.startsWith(QStringLiteral("残業内容の記号"));
            if (!listEnded && people.contains(word.text)) {
                seen << word.text;
                firstPerson = std::min(firstPerson, word.yMin);
            }
        }
        EXPECT_TRUE(footLine.endsWith(QStringLiteral("%1/%2ページ").arg(n + 1).arg(pages.size())))
            << footLine.toStdString();
        if (firstPerson < pages[n].height) {
            EXPECT_GE(headingBottom, 0);
            EXPECT_LE(headingBottom, firstPerson);
        }
    }
    EXPECT_EQ(seen, people);
}

}  // namespace
