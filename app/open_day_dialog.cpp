#include "app/open_day_dialog.h"

#include "app/fonts.h"
#include "app/messages.h"
#include "app/reason_boxes.h"
#include "records/open_days.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

OpenDayDialog::OpenDayDialog(const QDate& date, const QString& inHour, const QString& inMinute,
                             const QString& reasons, QWidget* parent,
                             const QString& recordedEnd)
    : QDialog(parent), inHour_(inHour), inMinute_(inMinute), reasons_(reasons) {
    setObjectName(QStringLiteral("OpenDayDialog"));
    setWindowTitle(QStringLiteral("Ombrel"));
    setFont(GothicFont(13));
    auto* layout = new QVBoxLayout(this);

    auto* heading = new QLabel(OpenDayHeading(date, ClockText(inHour, inMinute), recordedEnd), this);
    heading->setWordWrap(true);
    heading->setMinimumWidth(420);
    layout->addWidget(heading);

    auto* form = new QFormLayout;
    EndTime = new QLineEdit(this);
    EndTime->setObjectName(QStringLiteral("EndTime"));
    // Four digits typed give the time: 1730 shows as 17:30.
    EndTime->setInputMask(QStringLiteral("99:99"));
    EndTime->setMaximumWidth(80);
    form->addRow(QStringLiteral("終業時刻"), EndTime);
    layout->addLayout(form);

    Problem = new QLabel(this);
    Problem->setObjectName(QStringLiteral("Problem"));
    Problem->setWordWrap(true);
    Problem->setStyleSheet(QStringLiteral("color: #c00000;"));
    Problem->hide();
    layout->addWidget(Problem);

    auto* group = new QGroupBox(QStringLiteral("残業内容"), this);
    auto* grid = new QGridLayout(group);
    int place = 0;
    for (const ReasonBox& box : kReasonBoxes) {
        auto* check = new QCheckBox(QString::fromUtf8(box.caption), group);
        check->setProperty("Index", box.index);
        check->setChecked(reasons.contains(check->text().at(0)));
        connect(check, &QCheckBox::toggled, this, [this, check](bool ticked) {
            reasons_ = ToggleReason(reasons_, check->text().at(0), ticked);
        });
        ReasonChecks[size_t(box.index)] = check;
        grid->addWidget(check, place % 6, place / 6);
        ++place;
    }
    layout->addWidget(group);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* record =
        buttons->addButton(QStringLiteral("記録する"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("記録しない (Esc)"), QDialogButtonBox::RejectRole);
    record->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &OpenDayDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &OpenDayDialog::reject);
    layout->addWidget(buttons);

    EndTime->setFocus();
}

void OpenDayDialog::accept() {
    const EndTimeAnswer answer = ReadEndTime(EndTime->text(), inHour_, inMinute_);
    if (answer.problem != EndTimeProblem::None) {
        Problem->setText(EndTimeProblemMessage(answer.problem, ClockText(inHour_, inMinute_)));
        Problem->show();
        EndTime->setFocus();
        EndTime->selectAll();
        return;
    }
    endHour_ = answer.hour;
    endMinute_ = answer.minute;
    QDialog::accept();
}
