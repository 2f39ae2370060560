#pragma once

#include "app/own_month.h"

#include <QDate>
#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QScrollArea;
class QTableWidget;
class QVBoxLayout;

// 今月の記録: the person's month as the sheet holds it and the report counts it, in a window of
// its own beside the clock. Every day with its times, reasons and overtime, days off shaded;
// the month's overtime against 45 h and the school year's against 360 h; and the days that need
// a look, each with a button for the question about its end. The window reads; it writes nothing
// itself. Tab moves through it, Return presses the button in focus, Escape closes it. It is never
// larger than the screen it opens on leaves room for: the days and the days that need a look
// scroll, the buttons at its foot stay in view.
class MonthWindow : public QDialog {
    Q_OBJECT

public:
    explicit MonthWindow(QWidget* parent);

    // Shows the month as read, and brings the window forward.
    void Show(const OwnMonth& month);

    QLabel* Heading;
    QLabel* MonthLine;
    QLabel* YearLine;
    QTableWidget* Days;
    QScrollArea* LooksArea;
    QList<QPushButton*> LookButtons;
    QPushButton* SavePdf;
    QPushButton* Close;

signals:
    // The person asks to give the end of a day that needs a look.
    void EndTimeAsked(const QDate& date);
    void PdfAsked();

private:
    void FillDays(const MonthReport& report);
    void FillLooks(const MonthReport& report);
    void FitLooks();
    // The size that shows every day and every look, within the room the screen leaves.
    QSize FittedSize() const;
    // Moved and shrunk where the frame around it stands over the screen's edge.
    void KeepOnScreen();
    QRect ScreenArea() const;

    QVBoxLayout* looks_;
    QLabel* notes_;
};
