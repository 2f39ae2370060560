#include "app/month_window.h"

#include "app/fonts.h"
#include "clock/overtime_bands.h"
#include "pages/report_labels.h"
#include "pages/report_tables.h"
#include "pages/table_parts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kTextPixels = 13;
// The width the window was drawn for; wider when the days' columns need it.
constexpr int kDesignWidth = 780;
// The lines of looks kept in view however small the screen: a heading and two or three looks.
constexpr int kLooksInViewLines = 8;
// What a window frame adds around the window before the platform says: a title bar and borders.
const QMargins kFrameGuess(8, 40, 8, 8);
const QString kOverColour = QStringLiteral("#b00000");

// "今月の残業 12:30 (上限 45時間まで 残り 32:30)"; red once the line is passed.
QString AgainstLineText(const QString& what, qint64 seconds, qint64 line, const QString& lineName) {
    const QString text = QStringLiteral("%1 <b>%2</b> (%3 %4)")
                             .arg(what, FormatDuration(seconds), lineName,
                                  AgainstLine(seconds, line).toHtmlEscaped());
    return seconds > line
               ? QStringLiteral("<span style=\"color:%1\">%2</span>").arg(kOverColour, text)
               : text;
}

QString MonthText(const MonthReport& r) {
    QString text = AgainstLineText(
        QStringLiteral("今月の残業"), r.sheet.totals.overtimeSeconds, kMonthLimitSeconds,
        QStringLiteral("上限 %1まで").arg(HoursText(kMonthLimitSeconds)));
    if (r.projection) {
        text += QStringLiteral("　このままなら月末に %1").arg(FormatDuration(*r.projection));
    }
    return text;
}

QString YearText(const OwnMonth& own) {
    const MonthKey last = KeyOf(own.report.year, own.report.month);
    const QString months =
        own.yearFirst == last
            ? FormatMonth(own.report.year, own.report.month)
            : QStringLiteral("%1～%2月")
                  .arg(FormatMonth(YearOfKey(own.yearFirst), MonthOfKey(own.yearFirst)),
                       QString::number(own.report.month));
    return AgainstLineText(QStringLiteral("今年度の残業 (%1)").arg(months), own.yearOvertimeSeconds,
                           kYearLimitSeconds,
                           QStringLiteral("年 %1まで").arg(HoursText(kYearLimitSeconds)));
}

// The band column: what a band stands for, as the printed month's chart legend names it, and
// no number on a day without overtime.
QString BandLegendText() {
    QStringList lines{QStringLiteral("帯: 時計の時刻の色 (残業の長さ)")};
    for (int band = 1; band <= kBandCount; ++band) {
        lines << BandWords(band);
    }
    return lines.join(u'\n');
}

void ExplainBand(QTableWidgetItem& item, const Cell& cell) {
    if (cell.kind != Cell::Kind::Number) {
        return;
    }
    item.setToolTip(BandWords(int(cell.value)));
    if (cell.value <= 1) {
        item.setText(QString());
    }
}

}  // namespace

MonthWindow::MonthWindow(QWidget* parent) : QDialog(parent, Qt::Window) {
    setObjectName(QStringLiteral("MonthWindow"));
    setFont(GothicFont(kTextPixels));
    // Closing the clock ends the program, whether or not this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(this);

    Heading = new QLabel(this);
    Heading->setFont(GothicFont(17));
    layout->addWidget(Heading);
    MonthLine = new QLabel(this);
    YearLine = new QLabel(this);
    for (QLabel* line : {MonthLine, YearLine}) {
        line->setTextFormat(Qt::RichText);
        line->setWordWrap(true);
        layout->addWidget(line);
    }

    Days = new QTableWidget(this);
    Days->setObjectName(QStringLiteral("Days"));
    Days->setAccessibleName(QStringLiteral("毎日の記録"));
    Days->setAccessibleDescription(QStringLiteral("この月の毎日、1 日 1 行"));
    Days->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Days->setSelectionBehavior(QAbstractItemView::SelectRows);
    Days->setSelectionMode(QAbstractItemView::SingleSelection);
    Days->setWordWrap(false);
    // Tab leaves the table for the buttons; the arrow keys move through the days.
    Days->setTabKeyNavigation(false);
    Days->verticalHeader()->hide();
    Days->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(Days, 2);

    // The days that need a look and the notes scroll together below the days; on a small screen
    // the two lists share what is left above the buttons, the looks never more than they fill.
    auto* below = new QWidget;
    auto* belowLayout = new QVBoxLayout(below);
    belowLayout->setContentsMargins(0, 0, 0, 0);
    auto* looks = new QGroupBox(QStringLiteral("確認が必要な日"), below);
    looks_ = new QVBoxLayout(looks);
    belowLayout->addWidget(looks);
    notes_ = new QLabel(below);
    notes_->setWordWrap(true);
    notes_->setStyleSheet(QStringLiteral("color: #505050;"));
    notes_->setAccessibleDescription(QStringLiteral("メモ"));
    belowLayout->addWidget(notes_);
    belowLayout->addStretch(1);
    LooksArea = new QScrollArea(this);
    LooksArea->setObjectName(QStringLiteral("LooksArea"));
    LooksArea->setWidgetResizable(true);
    LooksArea->setFrameShape(QFrame::NoFrame);
    LooksArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LooksArea->setWidget(below);
    // The area, its view and what it holds are one panel to a screen reader, by one name.
    for (QWidget* panel : {static_cast<QWidget*>(LooksArea), LooksArea->viewport(), below}) {
        panel->setAccessibleName(QStringLiteral("確認が必要な日とメモ"));
    }
    layout->addWidget(LooksArea, 1);

    auto* buttons = new QHBoxLayout;
    SavePdf = new QPushButton(QStringLiteral("この月を PDF で保存…"), this);
    Close = new QPushButton(QStringLiteral("閉じる"), this);
    Close->setDefault(true);
    buttons->addWidget(SavePdf);
    buttons->addStretch(1);
    buttons->addWidget(Close);
    layout->addLayout(buttons);
    connect(SavePdf, &QPushButton::clicked, this, &MonthWindow::PdfAsked);
    connect(Close, &QPushButton::clicked, this, &QDialog::close);
}

void MonthWindow::Show(const OwnMonth& own) {
    const MonthReport& r = own.report;
    setWindowTitle(QStringLiteral("今月の記録 - Ombrel"));
    Heading->setText(QStringLiteral("%1 さんの %2").arg(r.person, FormatMonth(r.year, r.month)));
    QStringList notes = own.notes;
    if (!own.problem.isEmpty()) {
        MonthLine->setText(own.problem.toHtmlEscaped());
        YearLine->clear();
        FillDays(MonthReport());
        FillLooks(MonthReport());
    } else {
        MonthLine->setText(MonthText(r));
        YearLine->setText(YearText(own));
        FillDays(r);
        FillLooks(r);
        if (!own.sheetFound) {
            notes.prepend(QStringLiteral("この月のシート「%1」はまだありません").arg(r.fileName));
        }
    }
    notes_->setText(notes.join(u'\n'));
    notes_->setVisible(!notes.isEmpty());
    SavePdf->setEnabled(own.problem.isEmpty());
    ensurePolished();
    FitLooks();
    layout()->activate();
    resize(FittedSize());
    show();
    raise();
    activateWindow();
    // The focus shows from the start, as in the clock; showing clears the mark.
    setAttribute(Qt::WA_KeyboardFocusChange);
    // Shown, the looks have their final fonts and width.
    FitLooks();
    KeepOnScreen();
    // Where the window system puts the frame on later, once more then.
    QTimer::singleShot(0, this, &MonthWindow::KeepOnScreen);
}

// The looks take what they fill, up to a few of them, before the days; more scroll.
void MonthWindow::FitLooks() {
    const int looksHeight = LooksArea->widget()->sizeHint().height();
    LooksArea->setMaximumHeight(looksHeight);
    LooksArea->setMinimumHeight(qMin(looksHeight, fontMetrics().height() * kLooksInViewLines));
}

QRect MonthWindow::ScreenArea() const {
    // The screen the clock stands on, where the window opens.
    const QWidget* over = parentWidget() ? parentWidget() : this;
    const QScreen* screen = over->screen();
    return screen ? screen->availableGeometry() : QRect();
}

QSize MonthWindow::FittedSize() const {
    // Every day's row and column, and every look, in full; then what the screen leaves room for.
    const int tableWidth = Days->horizontalHeader()->length() + 2 * Days->frameWidth() +
                           Days->verticalScrollBar()->sizeHint().width();
    const int tableHeight = Days->horizontalHeader()->sizeHint().height() +
                            Days->verticalHeader()->length() + 2 * Days->frameWidth();
    const QMargins margins = layout()->contentsMargins();
    const QSize hint = layout()->sizeHint();
    QSize wanted(qMax(kDesignWidth, tableWidth + margins.left() + margins.right()),
                 hint.height() - Days->sizeHint().height() - LooksArea->sizeHint().height() +
                     tableHeight + LooksArea->widget()->sizeHint().height());
    const QRect area = ScreenArea();
    if (area.isEmpty()) {
        return wanted;
    }
    const QMargins frame = isVisible() ? QMargins(geometry().left() - frameGeometry().left(),
                                                  geometry().top() - frameGeometry().top(),
                                                  frameGeometry().right() - geometry().right(),
                                                  frameGeometry().bottom() - geometry().bottom())
                                       : kFrameGuess;
    const QSize room = area.marginsRemoved(frame).size();
    return wanted.boundedTo(room).expandedTo(minimumSizeHint()).boundedTo(room);
}

void MonthWindow::KeepOnScreen() {
    const QRect area = ScreenArea();
    if (area.isEmpty() || !isVisible()) {
        return;
    }
    if (frameGeometry().width() > area.width() || frameGeometry().height() > area.height()) {
        resize(FittedSize());
    }
    QRect outer = frameGeometry();
    outer.moveRight(qMin(outer.right(), area.right()));
    outer.moveBottom(qMin(outer.bottom(), area.bottom()));
    outer.moveLeft(qMax(outer.left(), area.left()));
    outer.moveTop(qMax(outer.top(), area.top()));
    if (outer.topLeft() != frameGeometry().topLeft()) {
        move(outer.topLeft());
    }
}

void MonthWindow::FillDays(const MonthReport& r) {
    const ReportTable table = r.daysInMonth > 0 ? DayTable(r, Audience::Paper) : ReportTable();
    Days->clear();
    Days->setColumnCount(int(table.header.size()));
    Days->setHorizontalHeaderLabels(table.header);
    Days->setRowCount(int(table.rows.size()));
    const int bandColumn = int(table.header.indexOf(table::kBand));
    if (bandColumn >= 0) {
        Days->horizontalHeaderItem(bandColumn)->setToolTip(BandLegendText());
    }
    const QDate today = r.paper.printed;
    for (int row = 0; row < table.rows.size(); ++row) {
        const CellRow& cells = table.rows[row];
        const int day = row + 1;
        const QColor fill = DayFill(r, day, !cells.last().toText().isEmpty());
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column].toText());
            item->setTextAlignment(
                Qt::AlignVCenter |
                (table.aligns.value(column) == Align::Right ? Qt::AlignRight : Qt::AlignLeft));
            if (fill.alpha() > 0) {
                item->setBackground(fill);
            }
            if (QDate(r.year, r.month, day) == today) {
                // Bold to the eye, and said in words to a screen reader.
                QFont bold = font();
                bold.setBold(true);
                item->setFont(bold);
                item->setData(Qt::AccessibleDescriptionRole, QStringLiteral("今日"));
                if (column == 0) {
                    item->setData(Qt::AccessibleTextRole,
                                  QStringLiteral("%1 今日").arg(item->text()));
                }
            }
            item->setToolTip(item->text());
            if (column == bandColumn) {
                ExplainBand(*item, cells[column]);
            }
            Days->setItem(row, column, item);
        }
    }
    // The notes take what is left of the width; each is whole in its tooltip.
    for (int column = 0; column + 1 < Days->columnCount(); ++column) {
        Days->resizeColumnToContents(column);
    }
    Days->resizeRowsToContents();
    // The keyboard comes into the days at today's row.
    if (r.year == today.year() && r.month == today.month() && today.day() <= Days->rowCount()) {
        Days->setCurrentCell(today.day() - 1, 0);
    }
}

void MonthWindow::FillLooks(const MonthReport& r) {
    while (QLayoutItem* item = looks_->takeAt(0)) {
        if (QLayout* row = item->layout()) {
            while (QLayoutItem* inner = row->takeAt(0)) {
                delete inner->widget();
                delete inner;
            }
        }
        delete item->widget();
        delete item;
    }
    LookButtons.clear();
    const QList<DayToLookAt> days = r.daysInMonth > 0 ? DaysToLookAt(r) : QList<DayToLookAt>();
    if (days.isEmpty()) {
        looks_->addWidget(new QLabel(QStringLiteral("ありません"), this));
    }
    for (const DayToLookAt& day : days) {
        auto* row = new QHBoxLayout;
        auto* what = new QLabel(day.what, this);
        what->setWordWrap(true);
        auto* ask = new QPushButton(QStringLiteral("終業時刻を入力…"), this);
        ask->setProperty("Day", day.day);
        const QDate date(r.year, r.month, day.day);
        // The buttons read alike; each says its day to a screen reader.
        ask->setAccessibleName(
            QStringLiteral("%1月%2日の終業時刻を入力…").arg(r.month).arg(day.day));
        connect(ask, &QPushButton::clicked, this, [this, date] { emit EndTimeAsked(date); });
        row->addWidget(what, 1);
        row->addWidget(ask);
        looks_->addLayout(row);
        LookButtons << ask;
    }
    // Through the days, then the looks, then the buttons at the foot.
    QWidget* previous = Days;
    for (QPushButton* button : LookButtons) {
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, SavePdf);
    setTabOrder(SavePdf, Close);
}
