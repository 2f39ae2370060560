#pragma once

#include <QDate>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

class Form1;
class MonthWindow;
class QAction;
class QDialog;
class QMenu;
class TimeSource;
struct OwnMonth;

// The clock's context menu, opened by a right click anywhere on the window or by the Menu key:
// the month window, the records folder in the desktop's file manager, the month's page as PDF,
// a short guide, and the version. Nothing of it exists before its first use: the clock starts
// as it did without it.
class ClockMenu : public QObject {
    Q_OBJECT

public:
    ClockMenu(Form1& form, TimeSource& clock);
    ~ClockMenu() override;

    // Opens the menu at a point on the screen; it closes by itself when an entry is chosen or the
    // person clicks elsewhere. Opened from the keyboard, its first entry is ready for Return.
    enum class Opened { ByMouse, ByKeyboard };
    void PopUp(const QPoint& globalPosition, Opened by);

    QMenu* Menu;
    QAction* MonthRecord;
    QAction* OpenFolder;
    QAction* SavePdf;
    QAction* Guide;
    QAction* Version;

    // The windows the entries opened, null until then.
    MonthWindow* Month() const;
    QDialog* GuideWindow() const;
    QDialog* VersionWindow() const;

private:
    void ShowMonth();
    void OpenRecordsFolder();
    void SaveMonthPdf();
    // Where the page is saved: the person chooses in a file dialog, starting from `suggested`;
    // empty when they cancel.
    QString ChooseSavePath(const QString& suggested);
    void ShowGuide();
    void ShowVersion();
    void AskEndTime(const QDate& date);
    // The person's month now; false, having said why, when there is nobody's month to read.
    bool ReadMonth(OwnMonth& month);

    Form1& form_;
    TimeSource& clock_;
    QPointer<MonthWindow> month_;
    QPointer<QDialog> guide_;
    QPointer<QDialog> version_;
};
