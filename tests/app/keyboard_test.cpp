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

const char kSheet[] = "Taro 17 7.csv";

class Keyboard : public FormFixture {
protected:
    Form1& StartActive() {
        Start();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return *form;
    }
    Form1& StartNamed() {
        WriteFile("omb.ini", "Taro\r\n");
        return StartActive();
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
        for (Key(Qt::Key_Tab); form->focusWidget() != form->Command1; Key(Qt::Key_Tab)) {
            stops << form->focusWidget();
            if (stops.size() > 20) {
                break;
            }
        }
        return stops;
    }
    QByteArray TodayOnDisk() const { return SheetRow(ReadFile(kSheet), 5); }

    static QString Said(QObject* control, QAccessible::Text what = QAccessible::Name) {
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
        return spoken ? spoken->text(what) : QStringLiteral("(none)");
    }
};

TEST_F(Keyboard, tabReachesOnlyWhatTheWindowShowsAndTheFocusShowsFromTheStart) {
    Form1& window = StartActive();
    QList<QWidget*> reasons;
    for (int index : {0, 1, 2, 3, 4, 5, 7, 6, 8, 9, 10}) {  // A to K
        reasons << window.Check2[size_t(index)];
    }
    ASSERT_EQ(window.focusWidget(), window.Command1);
    QStyleOption option;
    option.initFrom(window.Command1);
    EXPECT_TRUE(option.state & QStyle::State_HasFocus);
    EXPECT_TRUE(option.state & QStyle::State_KeyboardFocusChange);

    // 900 twips with the name box: the reasons lie below the window and are no stop.
    EXPECT_EQ(TabStops(), QList<QWidget*>({window.Command1, window.Command2, window.Check1,
                                           window.Command3, window.Text1}));
    window.Text1->setText("Taro");
    At(8, 0);
    Key(Qt::Key_Space);  // IN: the name box goes
    EXPECT_EQ(TabStops(),
              QList<QWidget*>({window.Command1, window.Command2, window.Check1, window.Command3}));

    // 3700 twips: every reason, A to K as they stand, before ×.
    At(17, 0);
    TabTo(window.Command2);
    Key(Qt::Key_Space);
    ASSERT_EQ(window.HeightTwips(), 3700);
    QList<QWidget*> tall{window.Command1, window.Command2, window.Check1};
    tall << reasons << window.Command3;
    EXPECT_EQ(TabStops(), tall);

    // 1000 twips after SAVE: A's top edge shows, but neither it nor the others take the focus.
    // A box in focus when the reasons go gives it to OUT.
    TabTo(window.Check2[0]);
    Key(Qt::Key_Space);
    window.Command2->click();
    ASSERT_EQ(window.HeightTwips(), 1000);
    EXPECT_EQ(window.focusWidget(), window.Command2);
    EXPECT_EQ(TabStops(),
              QList<QWidget*>({window.Command1, window.Command2, window.Check1, window.Command3}));
    EXPECT_TRUE(window.Check2[0]->isVisible());
    EXPECT_FALSE(window.Check2[1]->isVisible());
    EXPECT_EQ(window.State().ReasonCodes, "A");
    EXPECT_EQ(TodayOnDisk(), " 5,08,00,17,00,A");
}

TEST_F(Keyboard, aWholeDayBySpaceReturnAndEnterWithTheBytesOnDisk) {
    Form1& window = StartNamed();
    // Space on IN, Return on OUT within the regular day.
    At(8, 0);
    Key(Qt::Key_Space);
    EXPECT_EQ(TodayOnDisk(), " 5,08,00,,,");
    At(12, 0);
    TabTo(window.Command2);
    Key(Qt::Key_Return);
    EXPECT_EQ(TodayOnDisk(), " 5,08,00,12,00,");

    // The next morning: Return on IN; past the regular day keypad Enter on OUT shows the reasons.
    today = today.addDays(1);
    At(8, 30);
    TabTo(window.Command1);
    Key(Qt::Key_Return);
    const auto tomorrow = [this] { return SheetRow(ReadFile(kSheet), 6); };
    EXPECT_EQ(tomorrow(), " 6,08,30,,,");
    At(18, 5);
    TabTo(window.Command2);
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_EQ(window.HeightTwips(), 3700);
    EXPECT_EQ(tomorrow(), " 6,08,30,,,");
    // B by Space; Return on a box ticks nothing; Escape goes back to SAVE and changes nothing.
    TabTo(window.Check2[1]);
    Key(Qt::Key_Space);
    Key(Qt::Key_Tab);
    Key(Qt::Key_Return);
    Key(Qt::Key_Escape);
    EXPECT_EQ(window.focusWidget(), window.Command2);
    EXPECT_EQ(window.HeightTwips(), 3700);
    EXPECT_TRUE(window.State().ClockedIn);
    EXPECT_EQ(tomorrow(), " 6,08,30,,,");
    // A Return held down saves once.
    At(18, 7);
    QTest::keyPress(window.windowHandle(), Qt::Key_Return);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(window.windowHandle(), &repeat);
    QTest::keyRelease(window.windowHandle(), Qt::Key_Return);
    EXPECT_EQ(tomorrow(), " 6,08,30,18,07,B");
    EXPECT_EQ(window.HeightTwips(), 1000);
    EXPECT_EQ(TodayOnDisk(), " 5,08,00,12,00,");
    EXPECT_EQ(messages, QStringList());
}

TEST_F(Keyboard, theMenuKeysOpenTheMenuAtTheWindowAndARightClickAtThePointer) {
    Form1& window = StartNamed();
    QMenu* menu = window.Menu().Menu;
    QCursor::setPos(700, 500);  // the pointer far from the window
    const auto below = [](QWidget* control) {
        return control->mapToGlobal(QPoint(0, control->height()));
    };
    Key(Qt::Key_Menu);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), below(window.Command1));
    EXPECT_EQ(menu->activeAction(), window.Menu().MonthRecord);
    menu->hide();

    TabTo(window.Command2);
    Key(Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), below(window.Command2));
    menu->hide();

    // The platform's own request from the keyboard names the pointer's place; the window's is
    // taken instead. A right click opens where it was made.
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(600, 400), QPoint(700, 500));
    QApplication::sendEvent(window.windowHandle(), &request);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), below(window.Command2));
    menu->hide();
    const QPoint at(170, 40);
    QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, at);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), window.mapToGlobal(at));
    menu->hide();
    EXPECT_EQ(window.focusWidget(), window.Command2);
}

TEST_F(Keyboard, everyControlIsNamedAndTheColoursAreSaidInWords) {
    Form1& window = StartActive();
    EXPECT_EQ(Said(window.Label1), "日付");
    EXPECT_EQ(Said(window.Label2), "名前");
    EXPECT_EQ(Said(window.Text1), "名前");
    EXPECT_EQ(Said(window.Text1, QAccessible::Value), "input Your Name");
    EXPECT_EQ(Said(window.Command1), "IN (出勤)");
    EXPECT_EQ(Said(window.Command2), "OUT (退勤)");
    EXPECT_EQ(Said(window.Command3), "閉じる");
    EXPECT_EQ(Said(window.Check1), "休憩アリ");
    EXPECT_EQ(Said(window.Check2[7]), "G:研究発表など");
    EXPECT_EQ(Said(&window), "Ombrel");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Window);

    window.Text1->setText("Taro");
    At(8, 0);
    Key(Qt::Key_Return);
    EXPECT_EQ(Said(window.Label1), "日付 7月5日 水曜日");
    EXPECT_EQ(Said(window.Command1, QAccessible::Description), "出勤を記録しました");
    // The time to the minute, and the worked time the colour stands for: 45 minutes of break
    // come off, and past 7:45 the overtime is said with it. Within the minute nothing changes.
    const struct {
        int hour, minute, second;
        const char* name;
        const char* description;
    } ticks[] = {
        {8, 0, 1, "時刻 8時0分", "勤務 0時間0分、残業なし"},
        {16, 30, 0, "時刻 16時30分", "勤務 7時間45分、残業なし"},
        {16, 30, 1, "時刻 16時30分", "勤務 7時間45分、残業 1分未満"},
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
    Key(Qt::Key_Space);
    EXPECT_EQ(Said(window.Command2), "OUT (退勤)");
    EXPECT_EQ(Said(window.Command2, QAccessible::Description), "退勤を記録しました");

    // The month window: the days, today's row in words, each day's button with its day.
    WriteFile(kSheet, Sheet({{3, " 3,08,00,,,"}, {5, SheetRow(ReadFile(kSheet), 5)}}));
    window.Menu().MonthRecord->trigger();
    MonthWindow* month = window.Menu().Month();
    ASSERT_NE(month, nullptr);
    EXPECT_EQ(Said(month->Days), "毎日の記録");
    auto* table = QAccessible::queryAccessibleInterface(month->Days)->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->cellAt(4, 0)->text(QAccessible::Name), "7/5(水) 今日");
    EXPECT_EQ(table->cellAt(4, 3)->text(QAccessible::Description), "今日");
    EXPECT_EQ(table->cellAt(3, 0)->text(QAccessible::Name), "7/4(火)");
    EXPECT_EQ(month->Days->currentRow(), 4);
    ASSERT_EQ(month->LookButtons.size(), 1);
    EXPECT_EQ(Said(month->LookButtons[0]), "7月3日の終業時刻を入力…");
    EXPECT_EQ(Said(month->Close), "閉じる");

    // Nothing a screen reader can reach in either window goes unnamed.
    for (QWidget* top : std::initializer_list<QWidget*>{&window, month}) {
        QList<QAccessibleInterface*> todo{QAccessible::queryAccessibleInterface(top)};
        while (!todo.isEmpty()) {
            QAccessibleInterface* node = todo.takeFirst();
            const QAccessible::Role role = node->role();
            const bool control = role == QAccessible::PushButton || role == QAccessible::CheckBox ||
                                 role == QAccessible::EditableText ||
                                 role == QAccessible::StaticText || role == QAccessible::Table ||
                                 role == QAccessible::Grouping || role == QAccessible::Pane ||
                                 role == QAccessible::Client;
            if (control && !node->state().invisible && !node->state().offscreen) {
                EXPECT_FALSE(node->text(QAccessible::Name).isEmpty())
                    << top->objectName().toStdString() << ": role " << role << " "
                    << (node->object() ? node->object()->metaObject()->className() : "") << " in "
                    << (node->parent() && node->parent()->object()
                            ? node->parent()->object()->metaObject()->className()
                            : "");
            }
            if (role == QAccessible::Table) {
                continue;  // its cells are read through the table, above
            }
            for (int i = 0; i < node->childCount(); ++i) {
                todo << node->child(i);
            }
        }
    }
}

}  // namespace
