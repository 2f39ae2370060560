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

namespace {

bool AsksStart(const DayQuestion& question) {
    return question.asked == DayQuestion::Asked::Start;
}

}  // namespace

OpenDayDialog::OpenDayDialog(const DayQuestion& question, QWidget* parent)
    : QDialog(parent), question_(question), reasons_(question.reasons) {
    setObjectName(QStringLiteral("OpenDayDialog"));
    setWindowTitle(QStringLiteral("Ombrel"));
    setFont(GothicFont(13));
    auto* layout = new QVBoxLayout(this);

    const QString known = ClockText(question.hour, question.minute);
    auto* heading = new QLabel(
        AsksStart(question)
            ? StartQuestionHeading(question.date, known)
            : OpenDayHeading(question.date, known, question.recordedEnd, question.filledIn),
        this);
    heading->setWordWrap(true);
    heading->setMinimumWidth(420);
    layout->addWidget(heading);

    auto* form = new QFormLayout;
    TimeField = new QLineEdit(this);
    TimeField->setObjectName(QStringLiteral("TimeField"));
    // Four digits typed give the time: 1730 shows as 17:30.
    TimeField->setInputMask(QStringLiteral("99:99"));
    TimeField->setMaximumWidth(80);
    form->addRow(
        AsksStart(question) ? QStringLiteral("今日の始業時刻") : QStringLiteral("終業時刻"),
        TimeField);
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
        check->setChecked(reasons_.contains(check->text().at(0)));
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

    TimeField->setText(question.filledIn);
    TimeField->setFocus();
}

void OpenDayDialog::setVisible(bool visible) {
    QDialog::setVisible(visible);
    // A time offered is typed over as a whole, or taken with Return. Selected once shown: the
    // focus the dialog gives its field on showing puts a masked field's cursor at its start.
    if (visible) {
        TimeField->selectAll();
    }
}

void OpenDayDialog::accept() {
    const QString known = ClockText(question_.hour, question_.minute);
    const TypedTime answer =
        AsksStart(question_) ? ReadStartTime(TimeField->text(), question_.hour, question_.minute)
                             : ReadEndTime(TimeField->text(), question_.hour, question_.minute);
    if (answer.problem != TimeProblem::None) {
        Problem->setText(AsksStart(question_) ? StartTimeProblemMessage(answer, known)
                                              : EndTimeProblemMessage(answer, known));
        Problem->show();
        TimeField->setFocus();
        TimeField->selectAll();
        return;
    }
    hour_ = answer.hour;
    minute_ = answer.minute;
    QDialog::accept();
}
