// The window from the keyboard alone and as a screen reader reads it: the Tab stops in each
// window height, Space, Return and Enter on the buttons, the menu's keys, and the controls' names.
#include "app/clock_menu.h"
#include "app/month_window.h"
#include "tests/support/form_fixture.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyleOption>
#include <QTableWidget>
#include <QTest>

namespace {

class Keyboard : public FormFixture {
protected:
    Form1& StartActive(const QByteArray& nameFile = QByteArray()) {
        if (!nameFile.isEmpty()) {
            WriteFile("omb.ini", nameFile);
        }
        Start();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return *form;
    }
    // Keys go in where a person's do: to the window, which hands them to the control in focus.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(form->windowHandle(), key, modifiers);
    }
    void TabTo(QWidget* control) {
        for (int i = 0; i < 20 && form->focusWidget() != control; ++i) {
            Key(Qt::Key_Tab);
        }
        ASSERT_EQ(form->focusWidget(), control) << control->objectName().toStdString();
    }
    // The controls Tab reaches, once round from IN.
    QList<QWidget*> TabStops() {
        TabTo(form->Command1);
        QList<QWidget*> stops{form->Command1};
        for (Key(Qt::Key_Tab); form->focusWidget() != form->Command1 && stops.size() < 20;
             Key(Qt::Key_Tab)) {
            stops << form->focusWidget();
        }
        return stops;
    }
    QByteArray Row(int day) const { return SheetRow(ReadFile("Taro 17 7.csv"), day); }
    static QString Said(QObject* control, QAccessible::Text what = QAccessible::Name) {
        return QAccessible::queryAccessibleInterface(control)->text(what);
    }
};

TEST_F(Keyboard, tabReachesOnlyWhatTheWindowShowsAndTheFocusShowsFromTheStart) {
    Form1& window = StartActive();
    QStyleOption option;
    option.initFrom(window.Command1);
    EXPECT_TRUE(option.state & QStyle::State_HasFocus);
    EXPECT_TRUE(option.state & QStyle::State_KeyboardFocusChange);

    // 900 twips, with the name box and without: the reasons lie below the window.
    const QList<QWidget*> compact{window.Command1, window.Command2, window.Check1, window.Command3};
    EXPECT_EQ(TabStops(), compact + QList<QWidget*>{window.Text1});
    window.Text1->setText("Taro");
    At(8, 0);
    Key(Qt::Key_Space);
    EXPECT_EQ(TabStops(), compact);

    // 3700 twips: every reason, A to K as they stand, before ×.
    At(17, 0);
    TabTo(window.Command2);
    Key(Qt::Key_Space);
    ASSERT_EQ(window.HeightTwips(), 3700);
    QList<QWidget*> tall{window.Command1, window.Command2, window.Check1};
    for (int index : {0, 1, 2, 3, 4, 5, 7, 6, 8, 9, 10}) {
        tall << window.Check2[size_t(index)];
    }
    EXPECT_EQ(TabStops(), tall << window.Command3);

    // 1000 twips after SAVE: A's top edge shows, yet takes no focus; a box in focus as the
    // reasons go gives the focus to OUT.
    TabTo(window.Check2[0]);
    Key(Qt::Key_Space);
    window.Command2->click();
    ASSERT_EQ(window.HeightTwips(), 1000);
    EXPECT_EQ(window.focusWidget(), window.Command2);
    EXPECT_EQ(TabStops(), compact);
    EXPECT_EQ(Row(5), " 5,08,00,17,00,A");
}

TEST_F(Keyboard, spaceReturnAndEnterPressTheButtonsAndEscapeOnlyGoesBackToSave) {
    Form1& window = StartActive("Taro\r\n");
    At(8, 0);
    Key(Qt::Key_Space);  // IN
    EXPECT_EQ(Row(5), " 5,08,00,,,");
    At(12, 0);
    TabTo(window.Command2);
    Key(Qt::Key_Return);
    EXPECT_EQ(Row(5), " 5,08,00,12,00,");

    // The next morning Return on IN; past the regular day keypad Enter on OUT shows the reasons.
    today = today.addDays(1);
    At(8, 30);
    TabTo(window.Command1);
    Key(Qt::Key_Return);
    EXPECT_EQ(Row(6), " 6,08,30,,,");
    At(18, 5);
    TabTo(window.Command2);
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_EQ(window.HeightTwips(), 3700);
    // B by Space; Return on a box ticks nothing; Escape goes to SAVE and changes nothing else.
    TabTo(window.Check2[1]);
    Key(Qt::Key_Space);
    Key(Qt::Key_Tab);
    Key(Qt::Key_Return);
    Key(Qt::Key_Escape);
    EXPECT_EQ(window.focusWidget(), window.Command2);
    EXPECT_EQ(window.HeightTwips(), 3700);
    EXPECT_EQ(Row(6), " 6,08,30,,,");
    // Return held down saves once.
    At(18, 7);
    QTest::keyPress(window.windowHandle(), Qt::Key_Return);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(window.windowHandle(), &repeat);
    QTest::keyRelease(window.windowHandle(), Qt::Key_Return);
    EXPECT_EQ(Row(6), " 6,08,30,18,07,B");
    EXPECT_EQ(Row(5), " 5,08,00,12,00,");
    EXPECT_EQ(messages, QStringList());
}

TEST_F(Keyboard, theMenuKeysOpenTheMenuAtTheWindowAndARightClickAtThePointer) {
    Form1& window = StartActive("Taro\r\n");
    QMenu* menu = window.Menu().Menu;
    QCursor::setPos(700, 500);  // the pointer far from the window
    const auto opened = [menu](QWidget* below) {
        const bool there =
            menu->isVisible() && menu->pos() == below->mapToGlobal(QPoint(0, below->height()));
        menu->hide();
        return there;
    };
    Key(Qt::Key_Menu);
    EXPECT_EQ(menu->activeAction(), window.Menu().MonthRecord);
    EXPECT_TRUE(opened(window.Command1));
    TabTo(window.Command2);
    Key(Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(opened(window.Command2));
    // The platform's own request from the keyboard names the pointer's place.
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(600, 400), QPoint(700, 500));
    QApplication::sendEvent(window.windowHandle(), &request);
    EXPECT_TRUE(opened(window.Command2));

    QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, QPoint(170, 40));
    EXPECT_EQ(menu->pos(), window.mapToGlobal(QPoint(170, 40)));
}

TEST_F(Keyboard, everyControlIsNamedAndTheColoursAreSaidInWords) {
    Form1& window = StartActive();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Window);
    EXPECT_EQ(Said(window.Label1), "日付");
    EXPECT_EQ(Said(window.Text1), "名前");
    EXPECT_EQ(Said(window.Text1, QAccessible::Value), "input Your Name");
    EXPECT_EQ(Said(window.Command3), "閉じる");

    window.Text1->setText("Taro");
    At(8, 0);
    Key(Qt::Key_Return);
    EXPECT_EQ(Said(window.Label1), "日付 7月5日 水曜日");
    EXPECT_EQ(Said(window.Command1, QAccessible::Description), "出勤を記録しました");
    // The time to the minute, and the worked time the colour stands for, less the break.
    const struct {
        int hour, minute, second;
        const char* name;
        const char* description;
    } ticks[] = {
        {16, 30, 0, "時刻 16時30分", "勤務 7時間45分、残業なし"},
        {16, 57, 0, "時刻 16時57分", "勤務 8時間12分、残業 27分"},
        {16, 57, 59, "時刻 16時57分", "勤務 8時間12分、残業 27分"},
        {19, 3, 0, "時刻 19時3分", "勤務 10時間18分、残業 2時間33分"},
    };
    for (const auto& t : ticks) {
        At(t.hour, t.minute, t.second);
        Tick();
        EXPECT_EQ(Said(window.Label2), QString::fromUtf8(t.name)) << t.hour << ":" << t.minute;
        EXPECT_EQ(Said(window.Label2, QAccessible::Description), QString::fromUtf8(t.description))
            << t.hour << ":" << t.minute;
    }
    TabTo(window.Command2);
    Key(Qt::Key_Space);
    EXPECT_EQ(Said(window.Command2), "SAVE (残業の理由を保存)");

    // The month window: today's row in words, each day's button with its day.
    WriteFile("Taro 17 7.csv", Sheet({{3, " 3,08,00,,,"}, {5, " 5,08,00,,,"}}));
    window.Menu().MonthRecord->trigger();
    MonthWindow* month = window.Menu().Month();
    auto* table = QAccessible::queryAccessibleInterface(month->Days)->tableInterface();
    EXPECT_EQ(table->cellAt(4, 0)->text(QAccessible::Name), "7/5(水) 今日");
    EXPECT_EQ(table->cellAt(3, 0)->text(QAccessible::Name), "7/4(火)");
    EXPECT_EQ(month->Days->currentRow(), 4);
    ASSERT_EQ(month->LookButtons.size(), 1);
    EXPECT_EQ(Said(month->LookButtons[0]), "7月3日の終業時刻を入力…");

    // Nothing a screen reader can reach in either window goes unnamed, panels included.
    const QList<QAccessible::Role> named{QAccessible::PushButton,   QAccessible::CheckBox,
                                         QAccessible::EditableText, QAccessible::StaticText,
                                         QAccessible::Table,        QAccessible::Grouping,
                                         QAccessible::Client,       QAccessible::Window};
    for (QWidget* top : std::initializer_list<QWidget*>{&window, month}) {
        QList<QAccessibleInterface*> todo{QAccessible::queryAccessibleInterface(top)};
        while (!todo.isEmpty()) {
            QAccessibleInterface* node = todo.takeFirst();
            if (named.contains(node->role()) && !node->state().invisible) {
                EXPECT_FALSE(node->text(QAccessible::Name).isEmpty())
                    << node->object()->metaObject()->className() << " in "
                    << top->objectName().toStdString();
            }
            for (int i = 0; node->role() != QAccessible::Table && i < node->childCount(); ++i) {
                todo << node->child(i);
            }
        }
    }
}

}  // namespace
