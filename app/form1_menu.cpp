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
                Menu().PopUp(mouse->globalPosition().toPoint());
            }
            return true;
        }
        case QEvent::KeyPress: {
            if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Menu) {
                return false;
            }
            // Below the control that has the keyboard, or at the window's corner.
            const QWidget* at = focusWidget() ? focusWidget() : this;
            Menu().PopUp(at->mapToGlobal(QPoint(0, at->height())));
            return true;
        }
        case QEvent::ContextMenu:
            Menu().PopUp(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        default:
            return false;
    }
}

bool Form1::AskWhenDayEnded(const QDate& date) {
    if (state_.ClockedIn && date == dayDate_) {
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
