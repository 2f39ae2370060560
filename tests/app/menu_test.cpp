// The window's context menu: opened by a right click or the Menu key and by nothing else, the
// month as the report counts it with the days that need a look, the month's page as PDF, and the
// entries that only open something.
#include "app/clock_menu.h"
#include "app/colours.h"
#include "app/month_window.h"
#include "app/open_day_dialog.h"
#include "tests/support/form_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

const char kJuly[] = "Taro 17 7.csv";
const char kJune[] = "Taro 17 6.csv";

class Menu : public FormFixture {
protected:
    // Saturday the 1st worked (a day off: all of it counts), OUT forgotten on the 3rd, overtime on
    // the 4th; today is Wednesday the 5th. June's last day had overtime too.
    Form1& StartWithMonth() {
        WriteFile("omb.ini", "Taro\r\n");
        WriteFile(kJuly, July());
        QByteArray june = Sheet({{30, " 30,08,00,18,00,"}});
        june[1] = '6';
        WriteFile(kJune, june);
        return Start();
    }
    static QByteArray July(const QByteArray& third = " 3,08,00,,,") {
        return Sheet({{1, " 1,09,00,12,00,F"}, {3, third}, {4, " 4,08,00,19,00,AB"}});
    }
    QString Cell(int day, int column) const {
        return form->Menu().Month()->Days->item(day - 1, column)->text();
    }
    // Everything a person can see of the window, and of the folder.
    QStringList Looks() const {
        QStringList seen{form->Label1->text(),
                         form->Label2->text(),
                         form->Text1->text(),
                         QString::number(form->Text1->isVisible()),
                         form->Command2->text(),
                         QString::number(BackColour(form->Command1)),
                         QString::number(BackColour(form->Command2)),
                         form->Check1->text(),
                         QString::number(form->Check1->isChecked()),
                         QString::number(form->HeightTwips()),
                         QString::number(form->pos().x()),
                         QString::number(form->pos().y()),
                         form->focusWidget() ? form->focusWidget()->objectName() : QString()};
        for (QCheckBox* box : form->Check2) {
            seen << QString::number(box->isChecked());
        }
        for (const QString& file : FilesInFolder()) {
            seen << file << QString::fromLatin1(ReadFile(file).toHex());
        }
        return seen;
    }
};

TEST_F(Menu, aRightClickOrTheMenuKeyOpensTheMenuAndChangesNothingElse) {
    Form1& window = StartWithMonth();
    // IN asks nothing: the latest earlier day, the 4th, was closed.
    Click(window.Command1);
    ASSERT_TRUE(window.State().ClockedIn);
    const QStringList before = Looks();
    for (QWidget* control : QList<QWidget*>{window.Command1, window.Command2, window.Check1,
                                            window.Command3, window.Label2, &window}) {
        const QPoint at = control->mapTo(&window, control->rect().center());
        QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, at);
        ASSERT_TRUE(window.Menu().Menu->isVisible()) << control->objectName().toStdString();
        window.Menu().Menu->hide();
        EXPECT_EQ(Looks(), before) << control->objectName().toStdString();
    }
    QTest::keyClick(window.windowHandle(), Qt::Key_Menu);
    EXPECT_TRUE(window.Menu().Menu->isVisible());
    QStringList entries;
    for (const QAction* action : window.Menu().Menu->actions()) {
        if (!action->isSeparator()) {
            entries << action->text();
        }
    }
    EXPECT_EQ(entries, QStringList({"今月の記録…", "記録フォルダを開く", "この月を PDF で保存…",
                                    "使い方", "バージョン情報"}));
    window.Menu().Menu->hide();
    EXPECT_EQ(Looks(), before);
    EXPECT_EQ(messages, QStringList());
}

TEST_F(Menu, theMonthShowsAsTheReportCountsItAndAForgottenOutIsAskedForThere) {
    Form1& window = StartWithMonth();
    window.Menu().MonthRecord->trigger();
    MonthWindow* month = window.Menu().Month();
    ASSERT_NE(month, nullptr);
    EXPECT_TRUE(month->isVisible());
    EXPECT_FALSE(month->isModal());
    EXPECT_EQ(month->Days->rowCount(), 31);
    // Date, kind, in, out, at school, overtime, band, reasons, note.
    EXPECT_EQ(Cell(1, 0), "7/1(土)");
    EXPECT_EQ(Cell(1, 1), "休日");
    EXPECT_EQ(Cell(1, 5), "3:00");
    EXPECT_EQ(Cell(4, 4), "10:15");
    EXPECT_EQ(Cell(4, 5), "2:30");
    EXPECT_EQ(Cell(4, 7), "AB");
    EXPECT_TRUE(Cell(3, 8).contains("終業時刻がありません")) << Cell(3, 8).toStdString();
    EXPECT_TRUE(month->MonthLine->text().contains("5:30"));
    EXPECT_TRUE(month->MonthLine->text().contains("45時間"));
    EXPECT_TRUE(month->YearLine->text().contains("2017年4月～7月"));
    EXPECT_TRUE(month->YearLine->text().contains("7:00"));
    EXPECT_TRUE(month->YearLine->text().contains("360時間"));
    ASSERT_EQ(month->LookButtons.size(), 1);

    // By the keyboard: Tab from the days to the day's button, Return asks the clock's own
    // question, and only the 3rd's row is written.
    const QByteArray june = ReadFile(kJune);
    month->Days->setFocus();
    QTest::keyClick(month->Days, Qt::Key_Tab);
    ASSERT_EQ(month->focusWidget(), month->LookButtons[0]);
    WhenAskedType("1730");
    QTest::keyClick(month->LookButtons[0], Qt::Key_Return);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(ReadFile(kJuly), July(" 3,08,00,17,30,"));
    EXPECT_EQ(ReadFile(kJune), june);
    EXPECT_EQ(Cell(3, 3), "17:30");
    EXPECT_TRUE(month->LookButtons.isEmpty());
    EXPECT_TRUE(month->MonthLine->text().contains("6:30"));

    QTest::keyClick(month, Qt::Key_Escape);
    EXPECT_FALSE(month->isVisible());
    EXPECT_EQ(messages, QStringList());
}

// The band is the colour the clock's time took: named as the printed month's legend names it,
// and no number on a day without overtime.
TEST_F(Menu, theBandColumnSaysWhatEachBandMeansAndADayWithoutOvertimeHasNone) {
    WriteFile("omb.ini", "Taro\r\n");
    WriteFile(kJuly, Sheet({{3, " 3,08,00,16,00,"}, {4, " 4,08,00,19,00,AB"}}));
    Form1& window = Start();
    window.Menu().MonthRecord->trigger();
    const QTableWidget* days = window.Menu().Month()->Days;
    const int band = 6;
    ASSERT_EQ(days->horizontalHeaderItem(band)->text(), "帯");
    const QString legend = days->horizontalHeaderItem(band)->toolTip();
    for (const char* words : {"帯1 残業なし", "帯2 ～1h", "帯9 ～8h", "帯10 8h超"}) {
        EXPECT_TRUE(legend.contains(QString::fromUtf8(words))) << legend.toStdString();
    }
    EXPECT_EQ(Cell(3, 5), "0:00");
    EXPECT_EQ(Cell(3, band), "");
    EXPECT_EQ(days->item(2, band)->toolTip(), "帯1 残業なし");
    EXPECT_EQ(Cell(4, 5), "2:30");
    EXPECT_EQ(Cell(4, band), "4");
    EXPECT_EQ(days->item(3, band)->toolTip(), "帯4 ～3h");
    EXPECT_EQ(Cell(5, band), "");
}

TEST_F(Menu, anEndBeforeTheStartIsNamedInTheQuestionAndPutRight) {
    WriteFile("omb.ini", "Taro\r\n");
    WriteFile(kJuly, July(" 3,08,00,07,30,C"));
    Form1& window = Start();
    window.Menu().MonthRecord->trigger();
    MonthWindow* month = window.Menu().Month();
    ASSERT_EQ(month->LookButtons.size(), 1);
    QString heading;
    WhenAsked([&heading](OpenDayDialog& dialog) {
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            heading += label->text();
        }
        QTest::keyClicks(dialog.focusWidget(), "1730");
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    });
    month->LookButtons[0]->click();
    EXPECT_TRUE(heading.contains("始業より前の 07:30")) << heading.toStdString();
    EXPECT_FALSE(heading.contains("記録されていません"));
    EXPECT_EQ(ReadFile(kJuly), July(" 3,08,00,17,30,C"));
    EXPECT_EQ(messages, QStringList());
}

TEST_F(Menu, theMonthsPageIsSavedAsAPdfWhereChosenAndNeverOverASheet) {
    Form1& window = StartWithMonth();
    QTemporaryDir elsewhere;
    QStringList suggested;
    QString chosen = elsewhere.filePath("taro-july");
    whereToSave = [&](const QString& offered) {
        suggested << offered;
        return chosen;
    };
    window.Menu().SavePdf->trigger();
    ASSERT_EQ(suggested.size(), 1);
    EXPECT_EQ(suggested[0], Path("Taro 2017年7月.pdf"));
    QFile saved(elsewhere.filePath("taro-july.pdf"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.read(5) == "%PDF-");
#ifndef Q_OS_WIN  // poppler's pdftotext, and links, are this side's
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {saved.fileName(), "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* shown : {"勤務時間と残業の記録", "2017年7月", "Taro", "7/4(火)", "2:30",
                              "5:30", "終業時刻がありません"}) {
        EXPECT_TRUE(page.contains(QString::fromUtf8(shown))) << shown;
    }

    // A link by a PDF's name that leads to the sheet is refused, even when the person would
    // replace what is there; the sheet stays as it was.
    answer = QMessageBox::Yes;
    chosen = elsewhere.filePath("link.pdf");
    ASSERT_TRUE(QFile::link(Path(kJuly), chosen));
    window.Menu().SavePdf->trigger();
    EXPECT_EQ(ReadFile(kJuly), July());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("link.pdf"));
#endif
}

TEST_F(Menu, theFolderTheGuideAndTheVersionOpenBesideTheClock) {
    Form1& window = StartWithMonth();
    QList<QUrl> opened;
    openFolder = [&opened](const QUrl& url) {
        opened << url;
        return true;
    };
    window.Menu().OpenFolder->trigger();
    EXPECT_EQ(opened, QList<QUrl>({QUrl::fromLocalFile(folder.path())}));
    openFolder = [](const QUrl&) { return false; };
    window.Menu().OpenFolder->trigger();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QDir::toNativeSeparators(folder.path())));

    window.Menu().Guide->trigger();
    window.Menu().Version->trigger();
    for (QDialog* shown : {window.Menu().GuideWindow(), window.Menu().VersionWindow()}) {
        ASSERT_NE(shown, nullptr);
        EXPECT_TRUE(shown->isVisible());
        EXPECT_FALSE(shown->isModal());
    }
    const auto text = [](QDialog* shown) {
        QString all;
        for (const QLabel* label : shown->findChildren<QLabel*>()) {
            all += label->text();
        }
        return all;
    };
    for (const char* word : {"IN", "OUT", "休憩アリ", "omb.ini", "Taro 17 7.csv", "7:45"}) {
        EXPECT_TRUE(text(window.Menu().GuideWindow()).contains(QString::fromUtf8(word))) << word;
    }
    // The licence, where the source of this very build is, and Qt's own licence.
    const QString version = text(window.Menu().VersionWindow());
    for (const char* word : {"GPL-3.0-or-later", "LGPL-3", OMBREL_SOURCE_URL, OMBREL_VERSION}) {
        EXPECT_TRUE(version.contains(QString::fromUtf8(word))) << word;
    }
}

}  // namespace
