#pragma once

#include "app/day_question.h"
#include "clock/reason_captions.h"

#include <QDialog>
#include <QString>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

// The question about a day: its date and the time it is known by, a field for the time asked
// (which holds the keyboard focus) and the eleven reasons. Return records, Escape leaves the day
// as it is. A time that cannot be the one asked (an end not after the in-time, a start not before
// the end) is refused here with a hint, and the question stays.
class OpenDayDialog : public QDialog {
    Q_OBJECT

public:
    OpenDayDialog(const DayQuestion& question, QWidget* parent);

    // The answer, once the dialog was accepted.
    QString Hour() const { return hour_; }
    QString Minute() const { return minute_; }
    QString Reasons() const { return reasons_; }

    QLineEdit* TimeField;
    QLabel* Problem;
    std::array<QCheckBox*, kReasonCount> ReasonChecks;

    void setVisible(bool visible) override;

public slots:
    void accept() override;

private:
    DayQuestion question_;
    QString hour_;
    QString minute_;
    QString reasons_;
};
