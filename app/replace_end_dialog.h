#pragma once

#include "records/recorded_day.h"

#include <QDate>
#include <QDialog>

class QPushButton;

// The question before a save replaces an end time or reasons that someone else put into the day's
// row: both are shown, the sheet's and the window's. Return replaces the sheet's with the
// window's; Escape keeps the sheet's.
class ReplaceEndDialog : public QDialog {
    Q_OBJECT

public:
    ReplaceEndDialog(const QDate& date, const DayEnd& onDisk, const DayEnd& window,
                     QWidget* parent);

    QPushButton* Replace;
    QPushButton* Keep;
};
