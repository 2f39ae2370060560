#pragma once

#include "clock/reason_captions.h"

#include <QDate>
#include <QDialog>
#include <QString>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

// The question about a day that was left open: the day's date and in-time, a field for its end
// time (which holds the keyboard focus) and the eleven reasons. Return records, Escape leaves the
// day as it is. An end time that cannot be one, or is not after the in-time, is refused here and
// the question stays.
class OpenDayDialog : public QDialog {
    Q_OBJECT

public:
    // `recordedEnd`: the end time the row holds, when it lies before the in-time.
    OpenDayDialog(const QDate& date, const QString& inHour, const QString& inMinute,
                  const QString& reasons, QWidget* parent, const QString& recordedEnd = {});

    // The answer, once the dialog was accepted.
    QString EndHour() const { return endHour_; }
    QString EndMinute() const { return endMinute_; }
    QString Reasons() const { return reasons_; }

    QLineEdit* EndTime;
    QLabel* Problem;
    std::array<QCheckBox*, kReasonCount> ReasonChecks;

public slots:
    void accept() override;

private:
    QString inHour_;
    QString inMinute_;
    QString endHour_;
    QString endMinute_;
    QString reasons_;
};
