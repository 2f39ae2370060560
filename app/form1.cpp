#include "app/form1.h"

#include "app/colours.h"
#include "app/flat_face.h"
#include "app/fonts.h"
#include "app/messages.h"
#include "app/name_box.h"
#include "app/pictures.h"
#include "app/questions.h"
#include "app/reason_boxes.h"
#include "app/twips.h"
#include "clock/work_clock.h"
#include "records/leftover_saves.h"
#include "records/month_sheet.h"
#include "records/name_file.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

namespace {

constexpr quint32 kFormBackColour = 4505855;                 // RGB(255, 192, 68), orange
constexpr quint32 kDateBackColour = 12632319;                // RGB(255, 192, 192), pink
constexpr quint32 kBreakBoxBackColour = Rgb(255, 192, 128);  // light orange

// 12 pt, 8.25 pt and the 9 pt default at 96 dots per inch.
const int kLargePixels = 16;
const int kSmallPixels = 11;
const int kDefaultPixels = 12;

// Mouse buttons as the drag handler counts them: left 1, right 2, middle 4.
int ButtonState(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int ShiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

template <typename Control>
Control* Place(Control* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(TwipsRect(left, top, width, height));
    return control;
}

}  // namespace

Form1::Form1(TimeSource& clock, const QString& workingFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      clock_(clock),
      workingFolder_(workingFolder),
      picture_(WoodPicture()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ombrel"));
    setWindowIcon(WindowIcon());
    setFont(GothicFont(kDefaultPixels));
    move(TwipsToPixels(165), TwipsToPixels(810));
    SetHeightTwips(kLaidOutHeightTwips);
    CreateControls();
    ConnectHandlers();
    Form_Load();
}

void Form1::CreateControls() {
    Label1 = Place(new QLabel(this), "Label1", 0, 150, 615, 255);
    Label1->setAlignment(Qt::AlignCenter);
    // The Gothic faces at hand set digits wider than the face the window was drawn for: a pixel
    // less between letters keeps "mm/dd" whole.
    QFont dateFont = font();
    dateFont.setLetterSpacing(QFont::AbsoluteSpacing, -1);
    Label1->setFont(dateFont);
    SetBackColour(Label1, kDateBackColour);
    SetForeColour(Label1, ButtonTextColour);

    Label2 = Place(new QLabel(this), "Label2", 550, 120, 1750, 255);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFont(GothicFont(kLargePixels));
    SetBackColour(Label2, WindowBackgroundColour);
    SetForeColour(Label2, WindowTextColour);
    // The time label lies over the date label's right end; the date is centred in what shows.
    const int underTime = Label1->geometry().right() + 1 - Label2->geometry().left();
    Label1->setContentsMargins(0, 0, underTime, 0);

    Command1 = Place(new QPushButton(QStringLiteral("IN"), this), "Command1", 120, 480, 615, 375);
    Command2 = Place(new QPushButton(QStringLiteral("OUT"), this), "Command2", 840, 480, 615, 375);
    for (QPushButton* button : {Command1, Command2}) {
        button->setFont(GothicFont(kSmallPixels));
        PaintFaceFlat(button);
        SetBackColour(button, ButtonFaceColour);
        SetForeColour(button, ButtonTextColour);
    }

    Check1 = Place(new QCheckBox(QStringLiteral("休憩アリ"), this), "Check1", 1560, 480, 975, 375);
    Check1->setFont(GothicFont(kSmallPixels));
    Check1->setChecked(true);
    SetBackColour(Check1, kBreakBoxBackColour);
    SetForeColour(Check1, ButtonTextColour);

    for (const ReasonBox& box : kReasonBoxes) {
        auto* check = Place(new QCheckBox(QString::fromUtf8(box.caption), this), "Check2", 120,
                            box.top, 2295, kReasonBoxHeightTwips);
        check->setProperty("Index", box.index);
        SetBackColour(check, ButtonFaceColour);
        SetForeColour(check, ButtonTextColour);
        Check2[size_t(box.index)] = check;
    }

    Command3 = Place(new QPushButton(QStringLiteral("×"), this), "Command3", 2400, 120, 200, 200);
    SetBackColour(Command3, ButtonFaceColour);
    SetForeColour(Command3, ButtonTextColour);

    Text1 = Place(new NameBox(kPromptText, this), "Text1", 480, 120, 1815, 270);
    SetBackColour(Text1, WindowBackgroundColour);
    SetForeColour(Text1, WindowTextColour);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    // No control passes a mouse press on to the window, labels and the blank part of a check box
    // included: a drag starts only on the window's own surface.
    for (QWidget* control : findChildren<QWidget*>()) {
        control->setAttribute(Qt::WA_NoMousePropagation);
    }

    // Tab runs IN, OUT, break, the reasons A to K as they stand, ×, the name box: × never comes
    // between two reasons, where a Space meant for a tick would close the window. The reasons
    // take part only while they show (FitFocusToHeight).
    QList<QWidget*> order{Command1, Command2, Check1};
    for (const ReasonBox& box : kReasonBoxes) {
        order.append(Check2[size_t(box.index)]);
    }
    order.append({Command3, Text1});
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    FitFocusToHeight();
    NameControls();
    Command1->setFocus();
}

void Form1::ConnectHandlers() {
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    // A check box's handler runs whenever its value changes, by a click or by a handler.
    connect(Check1, &QCheckBox::toggled, this, &Form1::Check1_Click);
    for (QCheckBox* check : Check2) {
        const auto index = qint16(check->property("Index").toInt());
        connect(check, &QCheckBox::toggled, this, [this, index] { Check2_Click(index); });
    }
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
}

void Form1::SetHeightTwips(int twips) {
    // The top edge stays where it is: the window grows and shrinks at the bottom.
    heightTwips_ = twips;
    setFixedSize(TwipsToPixels(kWidthTwips), TwipsToPixels(twips));
    FitFocusToHeight();
}

QString Form1::AppFile(const QString& fileName) const {
    return AppFilePath(state_.AppDir, fileName);
}

QString Form1::UserName() const {
    return Text1->text();
}

void Form1::Form_Load() {
    state_.AppDir = workingFolder_.isEmpty() ? QDir::currentPath() : workingFolder_;
    ApplyPhase(DayPhase::NotStarted);
    ReadNameFile();
    const QDateTime reading = clock_.now();
    CaptureDate(state_, reading);
    RemoveLeftoverSaveFiles(state_.AppDir, reading);
    ResumeOpenDay();
}

// A name file that cannot be used (name_file.h) leaves the window waiting for a name, as if there
// were none, and the person is told why.
void Form1::ReadNameFile() {
    const NameFileRead file = ::ReadNameFile(AppFile(kNameFileName));
    if (!file.refused.isEmpty()) {
        TellWhenShown(NameFileRefusedMessage(file.outcome.path, file.refused));
        return;
    }
    if (file.name) {
        Text1->hide();
        Label2->setText(*file.name);
        Text1->setText(*file.name);
        SpeakDay();
    }
}

// Start-up runs before the window shows: a message then waits for it.
void Form1::TellWhenShown(const QString& text) {
    QTimer::singleShot(0, this, [this, text] { Tell(text); });
}

void Form1::Form_MouseMove(int button, int /*shift*/, int /*x*/, int /*y*/) {
    if ((button & 1) == 0) {
        return;
    }
    // Ask the platform to move the window with the pointer; where it cannot, the moves that
    // follow carry the window along themselves.
    if (!systemMoveAsked_) {
        systemMoveAsked_ = true;
        if (QWindow* window = windowHandle(); window && window->startSystemMove()) {
            return;
        }
    }
    move(QCursor::pos() - dragOffset_);
}

void Form1::mousePressEvent(QMouseEvent* event) {
    dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    systemMoveAsked_ = false;
    QWidget::mousePressEvent(event);
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    const QPoint twips = event->position().toPoint() * kTwipsPerPixel;
    Form_MouseMove(ButtonState(event->buttons()), ShiftState(event->modifiers()), twips.x(),
                   twips.y());
}

void Form1::mouseReleaseEvent(QMouseEvent* event) {
    systemMoveAsked_ = false;
    QWidget::mouseReleaseEvent(event);
}

void Form1::paintEvent(QPaintEvent* /*event*/) {
    // The picture at its own size in the top-left corner; the back colour fills the rest.
    QPainter painter(this);
    painter.fillRect(rect(), PaintColour(kFormBackColour));
    painter.drawImage(0, 0, picture_);
}

QMessageBox::StandardButton Form1::Tell(const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) {
    QMessageBox box(QMessageBox::Warning, windowTitle(), text, buttons, this);
    box.setDefaultButton(defaultButton);
    // The window speaks Japanese; so do its messages' buttons.
    const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
        {QMessageBox::Ok, "OK"}, {QMessageBox::Yes, "はい"}, {QMessageBox::No, "いいえ"}};
    for (const auto& [button, caption] : captions) {
        if (QAbstractButton* shown = box.button(button)) {
            shown->setText(QString::fromUtf8(caption));
        }
    }
    return QMessageBox::StandardButton(Questions::Ask(box));
}
