// The month window on a small laptop screen, 1366 x 768, at 100 % and at 150 % (a device-pixel
// ratio of 1.5, as Japanese laptops ship): it stays within the screen the clock stands on, the
// days and the days that need a look scroll, and its buttons stay in view. This program starts
// the offscreen platform with those two screens side by side.
#include "app/clock_menu.h"
#include "app/month_window.h"
#include "platform/runtime_folder.h"
#include "tests/support/form_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

class MonthOnScreen : public FormFixture {};

TEST_F(MonthOnScreen, fitsTheLaptopScreenAtEitherScaleWithTheButtonsInView) {
    // 22 forgotten OUTs in a month of 31 days.
    std::map<int, QByteArray> rows;
    for (int day = 1; day <= 22; ++day) {
        rows[day] = QByteArray::number(day).rightJustified(2, ' ') + ",08,00,,,";
    }
    WriteFile("omb.ini", "Taro\r\n");
    WriteFile("Taro 17 7.csv", Sheet(rows));
    clock.set(QDateTime(QDate(2017, 7, 31), QTime(9, 0)));
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2);
    EXPECT_EQ(screens[1]->devicePixelRatio(), 1.5);
    for (QScreen* screen : screens) {
        const std::string which = screen->name().toStdString();
        Form1& clockWindow = Start();
        clockWindow.move(screen->geometry().topLeft() + QPoint(20, 20));
        clockWindow.Menu().MonthRecord->trigger();
        MonthWindow* month = clockWindow.Menu().Month();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(month)) << which;
        QCoreApplication::processEvents();
        ASSERT_EQ(month->LookButtons.size(), 22) << which;
        const QRect area = screen->availableGeometry();
        EXPECT_TRUE(area.contains(month->frameGeometry()))
            << which << ": " << month->frameGeometry().width() << "x"
            << month->frameGeometry().height() << " on " << area.width() << "x" << area.height();
        for (const QPushButton* button : {month->SavePdf, month->Close}) {
            EXPECT_TRUE(
                month->rect().contains(QRect(button->mapTo(month, QPoint()), button->size())))
                << which;
        }
        EXPECT_GT(month->Days->verticalScrollBar()->maximum(), 0) << which;
        EXPECT_GT(month->LooksArea->verticalScrollBar()->maximum(), 0) << which;
        // Tab through the looks: the button with the keyboard's focus scrolls into view.
        month->LookButtons[20]->setFocus();
        QTest::keyClick(month->LookButtons[20], Qt::Key_Tab);
        QPushButton* last = month->LookButtons.last();
        ASSERT_EQ(month->focusWidget(), last) << which;
        const QWidget* viewport = month->LooksArea->viewport();
        EXPECT_TRUE(viewport->rect().contains(QRect(last->mapTo(viewport, QPoint()), last->size())))
            << which;
        month->close();
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    // Two laptop screens side by side, the second one scaled to 150 %: the platform gives its
    // 1366 x 768 pixels as 910 x 512 device-independent ones. The platform's options are split at
    // colons, so the file is named from its own folder, without a Windows drive.
    QTemporaryDir configFolder;
    const QString started = QDir::currentPath();
    QFile file(configFolder.filePath(QStringLiteral("screens.json")));
    if (!configFolder.isValid() || !file.open(QIODevice::WriteOnly) ||
        !QDir::setCurrent(configFolder.path())) {
        std::fprintf(stderr, "cannot write the screens' file in %s\n",
                     qPrintable(configFolder.path()));
        return 2;
    }
    file.write(R"({"screens": [
        {"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 768, "dpr": 1.0},
        {"name": "laptop-150", "x": 1366, "y": 0, "width": 910, "height": 512, "dpr": 1.5}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=screens.json");
    ProvideRuntimeFolder();
    QApplication app(argc, argv);
    QDir::setCurrent(started);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
