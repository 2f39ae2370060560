// The working day: IN, the once-a-second tick, OUT with its reasons, resume, break and close.
#include "form1.h"

#include "colours.h"
#include "cp932.h"
#include "month_sheet.h"
#include "overtime_bands.h"
#include "twips.h"
#include "work_clock.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QTimer>

namespace {

const QString kPromptText = QStringLiteral("input Your Name");
const QString kNameFile = QStringLiteral("omb.ini");
const QString kStartTimeFile = QStringLiteral("temp1.txt");
const QString kOut = QStringLiteral("OUT");
const QString kSave = QStringLiteral("SAVE");
const QString kBreakTaken = QStringLiteral("休憩アリ");
const QString kNoBreak = QStringLiteral("休憩ナシ");
constexpr float kReasonThreshold = 27901;
constexpr int kReasonsHeightTwips = 3700;
constexpr int kAfterReasonsHeightTwips = 1000;

// The number at the start of a text, blanks ignored: "08" and " 8" give 8, "8:30" gives 8, a
// text that does not start with a number gives 0.
double LeadingNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype digits = 0;
    while (digits < trimmed.size() && digits < 9 && trimmed[digits].isDigit() &&
           trimmed[digits].unicode() < 128) {
        ++digits;
    }
    return digits == 0 ? 0 : trimmed.left(digits).toDouble();
}

// A day row's fields after the in-time: end hour, end minute and the reason letters.
struct DayRowTail {
    QString outHour;
    QString outMinute;
    QString reasons;
};

DayRowTail TailOf(const QString& row) {
    const QStringList fields = row.split(QLatin1Char(','));
    const auto field = [&](int i) { return i < fields.size() ? fields[i] : QString(); };
    return {field(3), field(4), field(5)};
}

QChar ForbiddenNameCharacter(const QString& name) {
    static const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar c : name) {
        if (kForbidden.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7F) {
            return c;
        }
    }
    return QChar();
}

}  // namespace

int Form1::Check1Value() const {
    switch (Check1->checkState()) {
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        default:
            return 0;
    }
}

void Form1::UpdateElapsed() {
    Label2->setText(::UpdateElapsed(state_, clock_.now(), Check1Value()));
}

void Form1::Timer1_Timer() {
    UpdateElapsed();
    if (const auto band = BandFor(state_.ElapsedSeconds)) {
        SetBackColour(Label2, band->backColour);
        SetForeColour(Label2, band->foreColour);
    }
}

// A name becomes part of a file name and is stored in CP932: refuse what cannot be either,
// before anything is written.
bool Form1::NameCanBeStored(const QString& name) {
    if (const QChar bad = ForbiddenNameCharacter(name); !bad.isNull()) {
        Tell(QStringLiteral("名前に %1 は使えません (ファイル名に使えない文字です)。")
                 .arg(DescribeCharacter(bad.unicode())));
        return false;
    }
    if (const Cp932Result encoded = EncodeCp932(name); !encoded.ok) {
        const QString error = encoded.error;
        Tell(QStringLiteral("名前に保存できない文字があります: %1").arg(error));
        return false;
    }
    return true;
}

void Form1::WriteNameFile(const QString& name) {
    const QString path = AppFile(kNameFile);
    if (FileExists(path)) {
        return;
    }
    // Skipped when the folder cannot take it: the day opens all the same.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(EncodeCp932(name).bytes + "\r\n");
        file.commit();
    }
}

void Form1::Command1_Click() {
    const QString name = Text1->text();
    if (name == kPromptText || !NameCanBeStored(name)) {
        return;
    }
    Label2->setText(name);
    WriteNameFile(name);
    Text1->hide();
    // One reading: the date, the time shown and the in-time of a fresh day are the same instant.
    const QDateTime pressed = clock_.now();
    Label1->setText(DateText(pressed.date()));
    Label2->setText(TimeText(pressed.time()));
    Timer1->start();
    if (!state_.ClockedIn) {
        RecordClockIn(pressed);
        state_.ClockedIn = true;
        SetBackColour(Command1, ActiveButtonColour);
    }
}

// IN's marker colour tells whether this run has recorded a clock-in already. Without it the day
// starts fresh from the press; with it (after OUT, or a day resumed closed) the day reopens with
// the row as it stands, in-time, end time and reasons, until the next save records a new end.
void Form1::RecordClockIn(const QDateTime& pressed) {
    if (BackColour(Command1) == ActiveButtonColour) {
        return;
    }
    sheetHeld_ = LoadMonthSheet(state_, UserName());
    ReadClock(state_, pressed);
    state_.StartSeconds = state_.ClockSeconds;
    WriteStartTimeFile();
    const TimeTextCut cut = SplitTimeText(Label2->text());
    state_.InHour = cut.hour.value_or(state_.InHour);
    state_.InMinute = cut.minute.value_or(state_.InMinute);
    const int day = state_.DayText.toInt();
    state_.SheetLines[size_t(day)] = ComposeDayRow(state_, state_.DayText);
    // On disk at once: a run that ends without a save still leaves today's in-time behind.
    state_.SheetLines[0] = ComposeHeaderRow(state_, UserName());
    WriteSheet();
}

void Form1::WriteStartTimeFile() {
    QSaveFile file(AppFile(kStartTimeFile));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QByteArray(" ") + QByteArray::number(qint64(state_.StartSeconds)) + " \r\n");
        file.commit();
    }
}

bool Form1::WriteSheet() {
    if (!sheetHeld_ && !TakeUpSheetOnDisk()) {
        Tell(QStringLiteral("出勤簿を読めないため、上書きせずにおきます。ほかのプログラムで開いて"
                            "いれば閉じてから、もう一度押してください。\n%1")
                 .arg(MonthSheetPath(state_, UserName())));
        return false;
    }
    const SheetWriteResult written = WriteMonthSheet(state_, UserName());
    if (!written.ok) {
        Tell(QStringLiteral("出勤簿を保存できませんでした。\nファイル: %1\n理由: %2")
                 .arg(written.path, written.reason));
    }
    return written.ok;
}

// The sheet could not be read when the day opened, so the table holds only today's row: read the
// sheet now and carry today's row and the header over into it.
bool Form1::TakeUpSheetOnDisk() {
    const QString path = MonthSheetPath(state_, UserName());
    SheetTable lines;
    if (FileExists(path)) {
        if (!ReadSheetFile(path, lines).opened) {
            return false;
        }
    } else {
        for (int day = 1; day <= 31; ++day) {
            lines[size_t(day)] = NumberText(day) + QStringLiteral(",,,,,");
        }
    }
    const size_t today = size_t(state_.DayText.toInt());
    lines[0] = state_.SheetLines[0];
    lines[today] = state_.SheetLines[today];
    state_.SheetLines = lines;
    sheetHeld_ = true;
    return true;
}

void Form1::Command2_Click() {
    UpdateElapsed();
    if (state_.ElapsedSeconds >= kReasonThreshold && Command2->text() == kOut) {
        SetHeightTwips(kReasonsHeightTwips);
        Command2->setText(kSave);
        return;
    }
    const bool fromReasons = Command2->text() == kSave;
    if (fromReasons) {
        SetHeightTwips(kAfterReasonsHeightTwips);
        Command2->setText(kOut);
    }
    if (SaveDayRecord() == SaveOutcome::Failed) {
        // The day stays open and the reasons stay in view, so the next press tries again.
        if (fromReasons) {
            SetHeightTwips(kReasonsHeightTwips);
            Command2->setText(kSave);
        }
        return;
    }
    SetBackColour(Command2, ActiveButtonColour);
    state_.ClockedIn = false;
}

Form1::SaveOutcome Form1::SaveDayRecord() {
    if (!state_.ClockedIn) {
        return SaveOutcome::NothingOpen;
    }
    const size_t today = size_t(state_.DayText.toInt());
    const DayRowCut row = SplitDayRow(state_.SheetLines[today].text());
    state_.InHour = row.inHour.value_or(state_.InHour);
    state_.InMinute = row.inMinute.value_or(state_.InMinute);
    const TimeTextCut end = SplitTimeText(Label2->text());
    state_.OutHour = end.hour.value_or(state_.OutHour);
    state_.OutMinute = end.minute.value_or(state_.OutMinute);
    state_.SheetLines[today] = ComposeDayRow(state_, state_.DayText);
    state_.SheetLines[0] = ComposeHeaderRow(state_, UserName());
    return WriteSheet() ? SaveOutcome::Saved : SaveOutcome::Failed;
}

// A tick adds the box's letter, an untick takes back its latest one, so the letters are always
// those of the ticked boxes in the order they were ticked.
void Form1::Check2_Click(qint16 index) {
    if (index < 0 || index >= kReasonCount) {
        return;
    }
    QCheckBox* box = Check2[size_t(index)];
    const QChar letter = box->text().at(0);
    if (box->isChecked()) {
        state_.ReasonCodes += letter;
    } else if (const qsizetype at = state_.ReasonCodes.lastIndexOf(letter); at >= 0) {
        state_.ReasonCodes.remove(at, 1);
    }
}

void Form1::Check1_Click() {
    // The caption, which a click leaves alone, decides the new state.
    if (Check1->text() == kNoBreak) {
        Check1->setChecked(true);
        Check1->setText(kBreakTaken);
    } else {
        Check1->setChecked(false);
        Check1->setText(kNoBreak);
    }
}

void Form1::Command3_Click() {
    if (SaveDayRecord() == SaveOutcome::Failed) {
        const auto answer =
            Tell(QStringLiteral("今日の記録を保存できていません。このまま閉じますか?"),
                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            return;
        }
    }
    for (QCheckBox* box : Check2) {
        box->setChecked(false);
    }
    QFile::remove(AppFile(kStartTimeFile));
    state_.ClockedIn = false;
    close();
}

// A start on a day whose row already holds an in-time carries the day on from it. A day whose
// row holds an end time as well comes back closed, as OUT left it.
void Form1::ResumeOpenDay() {
    const QString path = MonthSheetPath(state_, UserName());
    if (!FileExists(path) || !ReadMonthSheet(state_, UserName()).opened) {
        return;
    }
    const size_t today = size_t(state_.DayText.toInt());
    const QString row = state_.SheetLines[today].text();
    const DayRowCut cut = SplitDayRow(row);
    if (!cut.inHour || !cut.inMinute) {
        return;
    }
    state_.InHour = *cut.inHour;
    state_.InMinute = *cut.inMinute;
    state_.SheetInSeconds =
        float(LeadingNumber(state_.InHour) * 3600 + LeadingNumber(state_.InMinute) * 60);
    if (state_.SheetInSeconds == 0) {
        return;
    }
    state_.StartSeconds = state_.SheetInSeconds;
    Text1->hide();
    const QDateTime now = clock_.now();
    Label1->setText(DateText(now.date()));
    Label2->setText(TimeText(now.time()));
    Timer1->start();
    SetBackColour(Command1, ActiveButtonColour);
    const DayRowTail tail = TailOf(row);
    ShowReasonsOf(tail.reasons);
    if (!tail.outHour.isEmpty() || !tail.outMinute.isEmpty()) {
        state_.OutHour = tail.outHour;
        state_.OutMinute = tail.outMinute;
        SetBackColour(Command2, ActiveButtonColour);
        state_.ClockedIn = false;
        return;
    }
    state_.ClockedIn = true;
    state_.SheetLines[today] = ComposeDayRow(state_, state_.DayText);
}

// The letters a resumed row holds tick their boxes without being counted again.
void Form1::ShowReasonsOf(const QString& letters) {
    state_.ReasonCodes = letters;
    for (QCheckBox* box : Check2) {
        const QSignalBlocker quiet(box);
        box->setChecked(letters.contains(box->text().at(0)));
    }
}
