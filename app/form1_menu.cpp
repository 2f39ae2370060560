// The context menu: opened by a right click or the Menu key, and what its windows ask of the
// window.
#include "app/clock_menu.h"
#include "app/form1.h"
#include "records/month_sheet.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

namespace {

// Where the platform opens a context menu: on the press, or (Windows) on the release.
#ifdef Q_OS_WIN
constexpr QEvent::Type kMenuOnMouse = QEvent::MouseButtonRelease;
#else
constexpr QEvent::Type kMenuOnMouse = QEvent::MouseButtonPress;
#endif

}  // namespace

ClockMenu& Form1::Menu() {
    if (!menu_) {
        menu_ = new ClockMenu(*this, clock_);
    }
    return *menu_;
}

void Form1::showEvent(QShowEvent* event) {
    // The window's own events pass here before Qt hands them to a control: a right press never
    // reaches a button or a box, nor takes the keyboard's focus.
    if (QWindow* window = windowHandle()) {
        window->installEventFilter(this);
    }
    QWidget::showEvent(event);
    // The focus shows from the start, not only after the first Tab; showing clears the mark.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched != windowHandle()) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::RightButton) {
                return false;
            }
            if (event->type() == kMenuOnMouse) {
                Menu().PopUp(mouse->globalPosition().toPoint(), ClockMenu::Opened::ByMouse);
            }
            return true;
        }
        case QEvent::KeyPress:
            return KeyPressed(*static_cast<QKeyEvent*>(event));
        case QEvent::ContextMenu: {
            // The platform's own keyboard request (the Menu key on X11 and Windows, Shift+F10 on
            // Windows) comes at the pointer: it opens at the window as the keys do.
            const auto* request = static_cast<QContextMenuEvent*>(event);
            if (request->reason() == QContextMenuEvent::Keyboard) {
                PopUpMenuAtWindow();
            } else {
                Menu().PopUp(request->globalPos(), ClockMenu::Opened::ByMouse);
            }
            return true;
        }
        default:
            return false;
    }
}

bool Form1::AskWhenDayEnded(const QDate& date) {
    if (DayIsOpen(Phase()) && date == state_.Date) {
        return AskWhenWindowDayEnded() == Answer::Recorded;
    }
    SheetTable scratch = BlankMonth();
    const QString path = MonthSheetPath(state_.AppDir, UserName(), date);
    const auto recorded = RecordedDayOf(ReadDayRow(path, date.day(), scratch).row);
    if (!recorded) {
        Tell(QStringLiteral("%1月%2日の行から始業時刻を読めません。出勤簿「%3」のこの日の行を"
                            "確かめてください。")
                 .arg(date.month())
                 .arg(date.day())
                 .arg(path));
        return false;
    }
    return AskWhenSheetDayEnded({date, *recorded}) == Answer::Recorded;
}
