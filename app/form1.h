#pragma once

#include "app/day_phase.h"
#include "app/day_question.h"
#include "app/reason_boxes.h"
#include "clock/reason_captions.h"
#include "clock/time_source.h"
#include "clock/window_state.h"
#include "records/day_save.h"
#include "records/open_days.h"
#include "records/recorded_day.h"
#include "records/sheet_lines.h"

#include <QDate>
#include <QDateTime>

#include <QImage>
#include <QMessageBox>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <array>
#include <set>

class ClockMenu;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The window state with the month sheet's lines the window holds beside it.
struct FormState : WindowState {
    SheetTable SheetLines;
};

// The desk clock's one window: date, name or running time, IN / OUT / break, the close button,
// and the eleven overtime reasons below them. It owns the window state and the one-second timer;
// everything it remembers between runs is on disk in the working folder.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // `workingFolder` empty: the process's current folder at start-up is the working folder.
    explicit Form1(TimeSource& clock, const QString& workingFolder = QString(),
                   QWidget* parent = nullptr);

    const FormState& State() const { return state_; }
    // The phase of the window's day (day_phase.h), read off the controls.
    DayPhase Phase() const;
    int HeightTwips() const { return heightTwips_; }
    static constexpr int kWidthTwips = 2670;
    // The name box's prompt.
    static inline const QString kPromptText = QStringLiteral("input Your Name");

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* Text1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QCheckBox* Check1;
    std::array<QCheckBox*, kReasonCount> Check2{};
    QTimer* Timer1;

    // Event handlers, called by the controls; public so that a test can drive them directly.
    void Form_Load();
    void Form_MouseMove(int button, int shift, int x, int y);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Check1_Click();
    void Check2_Click(qint16 index);
    void Timer1_Timer();

    // The context menu, built on first use (clock_menu.h).
    ClockMenu& Menu();
    // Asks when a day of the sheet that needs a look ended, with the question and the save a day
    // left open gets at IN; the window's own open day is closed as OUT would close it. False when
    // nothing was recorded.
    bool AskWhenDayEnded(const QDate& date);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A right click anywhere on the window, its controls included, and the Menu key open the
    // context menu and do nothing else; seen on the window's way in, before any control.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    void SetHeightTwips(int twips);
    // For the keyboard and screen readers (form1_access.cpp).
    void NameControls();
    void FitFocusToHeight();
    // The words for the date and time labels, and for what IN's and OUT's colours say.
    void SpeakDay();
    void SpeakPhase();
    // True when the key was taken: Return and Enter on a button, Escape, the menu's keys.
    bool KeyPressed(const QKeyEvent& key);
    void PopUpMenuAtWindow();
    // Shows a phase: ClockedIn, IN's and OUT's colours, OUT's caption and the height together.
    void ApplyPhase(DayPhase phase);
    void FoldReasons();
    // IN's colour marks a clock-in recorded in this run, by IN or by the resume at start-up.
    bool ClockInRecorded() const;
    void ReadNameFile();
    void TellWhenShown(const QString& text);
    void ResumeOpenDay();
    void TakeUpRecordedDay(const RecordedDay& day);
    void ShowReasonsOf(const QString& letters);
    void UpdateElapsed();
    void AskForName();
    bool NameCanBeStored(const QString& name);
    // The name the day is recorded under: the one typed or read; false, having asked or said why,
    // when there is none the clock can use.
    bool NameForTheDay();
    // The day runs in the window: the name box gives way to the date and the time, the tick starts.
    void ShowDayRunning(const QDateTime& now);
    void RecordClockIn(const QDateTime& pressed);
    void WriteStartTimeFile();
    enum class SaveMoment { AtIn, Later };
    enum class SaveOutcome { NothingOpen, Saved, Failed, KeptOnDisk };
    // What a save does with an end time or reasons someone else put into the day's row: ask the
    // person whether to replace them (OUT, SAVE, an answered question), or keep them (IN, ×).
    enum class OthersEnd { Ask, Keep };
    SaveOutcome WriteDay(SaveMoment moment, OthersEnd othersEnd);
    DaySaveResult SaveAskingToReplace(DayToSave& day, const SheetTable& held);
    void TakeUpSavedDay(const DaySaveResult& saved);
    void TakeUpEndOnDisk(const DayEnd& end);
    void TakeUpNewDate(const QDateTime& pressed);
    // Days left open on an earlier date are closed by asking; false when the answer could not be
    // saved, so that the press stops and the day stays as it was.
    bool AskAboutDaysLeftOpen(const QDateTime& pressed);
    bool AskAboutStaleOpenDay(const QDateTime& now, bool& asked);
    enum class Answer { Recorded, Declined, NotSaved };
    // `endingPress`: the moment of the OUT, SAVE or × that ends the day, which the question offers
    // as its end after a night's work; none for IN and the month window.
    Answer AskWhenWindowDayEnded(const QDateTime& endingPress = QDateTime());
    Answer AskWhenSheetDayEnded(const DayLeftOpen& day);
    // OUT, SAVE or × with no day open in the window go by today's row on disk (form1_no_day.cpp).
    void OutWithNoDayOpen(const QDateTime& pressed);
    void TakeUpDayOpenElsewhere(const QDateTime& pressed);
    void AskWhenTodayBegan(const QDateTime& pressed, const QString& row);
    // OUT on the open day, and SAVE with the reasons in view.
    void CloseOpenDay();
    void SaveWithReasons();
    // Every question about a day (its end, today's start) is asked here; false when the person
    // leaves it unanswered.
    struct DayAnswer {
        QString hour;
        QString minute;
        QString reasons;
    };
    bool AskAboutDay(const DayQuestion& question, DayAnswer& answer);
    void TellSaveFailure(const DaySaveResult& saved, const QDate& date, SaveMoment moment);
    SaveOutcome SaveDayRecord(OthersEnd othersEnd);
    int Check1Value() const;
    size_t TodayIndex() const;
    QString UserName() const;
    QString AppFile(const QString& fileName) const;
    QMessageBox::StandardButton Tell(const QString& text,
                                     QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                     QMessageBox::StandardButton defaultButton = QMessageBox::Ok);

    TimeSource& clock_;
    QString workingFolder_;
    FormState state_;
    // The date Label1 shows, which a screen reader hears in words.
    QDate dateShown_;
    // What the labels last said to a screen reader: a tick within the same minute says nothing
    // new, and costs no words.
    struct SpokenDay {
        bool said = false;
        QString minuteShown;  // the time label to the minute, or the name it shows
        QDate date;
        bool dateShows = false;
        qint64 workedMinutes = -1;  // -1 while the day does not run
        bool pastRegularDay = false;
    };
    SpokenDay spoken_;
    int heightTwips_ = kLaidOutHeightTwips;
    QImage picture_;
    // Where the pointer grabbed the window, for platforms that cannot move it themselves.
    QPoint dragOffset_;
    bool systemMoveAsked_ = false;
    // The latest earlier day is looked at once a run, at the first IN.
    bool earlierDayLookedAt_ = false;
    // Days the person chose not to record an end time for: not asked about again in this run.
    std::set<QDate> declinedDays_;
    // The end time and reasons the window last saw in its day's row on disk, read or written:
    // a save finding others there found someone else's.
    DayEnd rowEndKnown_;
    // The caption of the button whose press is being answered: a save that fails asks for that
    // press again.
    QString pressed_;
    ClockMenu* menu_ = nullptr;
    // The menu speaks to the person as the window does.
    friend class ClockMenu;
};
