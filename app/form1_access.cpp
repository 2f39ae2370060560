// The window for the keyboard and for screen readers: focus only on what the window shows, the
// keys a person expects, and words for what shows in figures and colour alone.
#include "app/clock_menu.h"
#include "app/colours.h"
#include "app/form1.h"
#include "app/spoken_words.h"
#include "clock/working_day.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

const QString kBreakWords =
    QStringLiteral("チェックがある間は、勤務時間から休憩の 45 分を引いて時刻の色を決めます");

void Describe(QWidget* control, const QString& description) {
    // Said again only when it changes: a screen reader hears of every change it is told of.
    if (control->accessibleDescription() != description) {
        control->setAccessibleDescription(description);
    }
}

void Name(QWidget* control, const QString& name) {
    if (control->accessibleName() != name) {
        control->setAccessibleName(name);
    }
}

// The clock is a window of its own to a screen reader, announced by its title as it comes to the
// front, not a pane inside something else.
QAccessibleInterface* ClockWindowAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("Form1") && object && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

}  // namespace

void Form1::NameControls() {
    static const bool windowRole = (QAccessible::installFactory(&ClockWindowAccessible), true);
    Q_UNUSED(windowRole);
    setAccessibleDescription(QStringLiteral("出退勤の時計: IN で出勤、OUT で退勤を記録します"));
    Name(Text1, QStringLiteral("名前"));
    Describe(Text1, QStringLiteral("自分の名前を入力して IN を押します"));
    Name(Command3, QStringLiteral("閉じる"));
    Describe(Command3,
             QStringLiteral("時計を閉じます。開いている日は、この時刻を終業として保存します"));
    Describe(Check1, kBreakWords);
    for (QCheckBox* box : Check2) {
        Describe(box, QStringLiteral("残業の理由"));
    }
    SpeakDay();
    SpeakPhase();
}

// The date label reads the date in words; the time label the time to the minute and, while the
// day runs, the worked time the colour stands for. Both change at most once a minute, not with
// every tick.
void Form1::SpeakDay() {
    const QString shown = Label2->text();
    const bool isTime = shown.size() == 8 && shown.at(2) == u':' && shown.at(5) == u':';
    const QStringView minuteShown = isTime ? QStringView(shown).left(5) : QStringView(shown);
    const bool running = Timer1->isActive();
    const auto worked = qint64(std::floor(std::max(state_.ElapsedSeconds, 0.0f)));
    const qint64 workedMinutes = running ? worked / 60 : -1;
    const bool pastRegularDay = running && worked > qint64(RegularDaySeconds);
    const bool dateShows = !Label1->text().isEmpty();
    if (spoken_.said && minuteShown == spoken_.minuteShown && dateShown_ == spoken_.date &&
        dateShows == spoken_.dateShows && workedMinutes == spoken_.workedMinutes &&
        pastRegularDay == spoken_.pastRegularDay) {
        return;
    }
    spoken_ = {true, minuteShown.toString(), dateShown_, dateShows, workedMinutes, pastRegularDay};

    Name(Label1,
         dateShows ? QStringLiteral("日付 ") + DateWords(dateShown_) : QStringLiteral("日付"));
    const QString time = TimeWords(shown);
    if (time.isEmpty()) {
        Name(Label2, shown.isEmpty() ? QStringLiteral("名前") : QStringLiteral("名前 ") + shown);
    } else {
        Name(Label2, QStringLiteral("時刻 ") + time);
    }
    Describe(Label2, running ? WorkedWords(state_.ElapsedSeconds) : QString());
}

// IN and OUT tell in their colour that they were pressed; the words say it too.
void Form1::SpeakPhase() {
    const bool reasonsShown = Phase() == DayPhase::AskingReasons;
    Name(Command1, QStringLiteral("IN (出勤)"));
    Name(Command2,
         reasonsShown ? QStringLiteral("SAVE (残業の理由を保存)") : QStringLiteral("OUT (退勤)"));
    Describe(Command1, ClockInRecorded() ? QStringLiteral("出勤を記録しました")
                                         : QStringLiteral("出勤の時刻を記録します"));
    QString out = QStringLiteral("退勤の時刻を記録します");
    if (reasonsShown) {
        out = QStringLiteral(
            "下の残業の理由にチェックを入れてから押すと、終業時刻と理由を保存します");
    } else if (BackColour(Command2) == ActiveButtonColour) {
        out = QStringLiteral("退勤を記録しました");
    }
    Describe(Command2, out);
}

// A reason box takes the focus, and with it the keys, only while the window is tall enough to
// show it whole: a tick nobody can see would go into the day's reasons. Those wholly below the
// window are hidden too, so that no screen reader finds them either; mouse clicks stay as they
// are on what shows.
void Form1::FitFocusToHeight() {
    if (!Check2[0]) {
        return;  // the window is still being made
    }
    for (QCheckBox* box : Check2) {
        const bool whole = box->geometry().bottom() < height();
        if (!whole && box->hasFocus()) {
            // The reasons go out of view; the focus goes to the button they belong to.
            Command2->setFocus();
        }
        box->setFocusPolicy(whole ? Qt::StrongFocus : Qt::NoFocus);
        box->setVisible(box->geometry().top() < height());
    }
}

// Return and keypad Enter press the push button in focus, as Space does. Escape while the reasons
// show takes the focus to SAVE and does nothing else: no box changes, nothing is saved or closed.
// The Menu key and Shift+F10 open the menu at the window.
bool Form1::KeyPressed(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Menu ||
        (key.key() == Qt::Key_F10 && (key.modifiers() & Qt::ShiftModifier))) {
        PopUpMenuAtWindow();
        return true;
    }
    switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            auto* button = qobject_cast<QPushButton*>(focusWidget());
            if (!button) {
                return false;
            }
            // A key held down presses once.
            if (!key.isAutoRepeat()) {
                button->click();
            }
            return true;
        }
        case Qt::Key_Escape:
            if (Phase() != DayPhase::AskingReasons) {
                return false;
            }
            Command2->setFocus(Qt::ShortcutFocusReason);
            return true;
        default:
            return false;
    }
}

// Below the control in focus, where the eyes are; at the window's corner when nothing has it.
void Form1::PopUpMenuAtWindow() {
    const QWidget* at = focusWidget() && focusWidget()->isVisible() ? focusWidget() : this;
    Menu().PopUp(at->mapToGlobal(QPoint(0, at->height())), ClockMenu::Opened::ByKeyboard);
}
