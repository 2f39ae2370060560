// The month window reads a sheet edited in a spreadsheet as the clock records into it and the
// report counts it: by each row's day number, wherever the row stands.
#include "app/clock_menu.h"
#include "app/month_window.h"
#include "tests/support/form_fixture.h"

#include <QLabel>
#include <QTableWidget>

namespace {

class MonthRows : public FormFixture {
protected:
    // What the window shows of the month: the month's line and every day's cells.
    QStringList Shown(const QByteArray& sheet) {
        WriteFile("omb.ini", "Taro\r\n");
        WriteFile("Taro 17 7.csv", sheet);
        Form1& window = Start();
        window.Menu().MonthRecord->trigger();
        MonthWindow* month = window.Menu().Month();
        QStringList shown{month->MonthLine->text()};
        for (int row = 0; row < month->Days->rowCount(); ++row) {
            for (int column = 0; column < month->Days->columnCount(); ++column) {
                const QTableWidgetItem* item = month->Days->item(row, column);
                shown << (item ? item->text() : QString());
            }
        }
        month->close();
        return shown;
    }
};

TEST_F(MonthRows, aTitleAboveTheHeaderOrNoHeaderShowsTheCleanSheetsMonth) {
    const QByteArray clean =
        Sheet({{1, " 1,09,00,12,00,F"}, {3, " 3,08,00,17,30,"}, {4, " 4,08,00,19,00,AB"}});
    const QStringList expected = Shown(clean);
    ASSERT_TRUE(expected.first().contains("6:30")) << expected.first().toStdString();
    const QByteArray withoutHeader = clean.mid(clean.indexOf("\r\n") + 2);
    EXPECT_EQ(Shown("2017\x94\x4e 7\x8c\x8e \x8f\x6f\x8b\xce\x95\xeb\r\n" + clean), expected);
    EXPECT_EQ(Shown(withoutHeader), expected);
}

}  // namespace
