#include "app/replace_end_dialog.h"

#include "app/fonts.h"
#include "app/messages.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ReplaceEndDialog::ReplaceEndDialog(const QDate& date, const DayEnd& onDisk, const DayEnd& window,
                                   QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ReplaceEndDialog"));
    setWindowTitle(QStringLiteral("Ombrel"));
    setFont(GothicFont(13));
    auto* layout = new QVBoxLayout(this);

    auto* heading = new QLabel(ReplaceEndHeading(date), this);
    heading->setWordWrap(true);
    heading->setMinimumWidth(420);
    layout->addWidget(heading);

    // The two records side by side: what the sheet holds, what the window would write.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    const QString columns[] = {QString(), QStringLiteral("終業時刻"), QStringLiteral("残業内容")};
    const QString sheetRow[] = {QStringLiteral("出勤簿にある記録"), EndTimeText(onDisk),
                                ReasonsText(onDisk)};
    const QString windowRow[] = {QStringLiteral("この画面の記録"), EndTimeText(window),
                                 ReasonsText(window)};
    for (int column = 0; column < 3; ++column) {
        grid->addWidget(new QLabel(columns[column], this), 0, column);
        grid->addWidget(new QLabel(sheetRow[column], this), 1, column);
        grid->addWidget(new QLabel(windowRow[column], this), 2, column);
    }
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);

    layout->addWidget(new QLabel(ReplaceEndQuestion(), this));

    auto* buttons = new QDialogButtonBox(this);
    Replace =
        buttons->addButton(QStringLiteral("置き換える (Enter)"), QDialogButtonBox::AcceptRole);
    Keep = buttons->addButton(QStringLiteral("出勤簿のままにする (Esc)"),
                              QDialogButtonBox::RejectRole);
    Replace->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    Replace->setFocus();
}
