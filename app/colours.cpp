#include "app/colours.h"

#include <QApplication>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace {

constexpr char kBackProperty[] = "BackColor";
constexpr char kForeProperty[] = "ForeColor";

QColor SystemColour(quint32 index) {
    const QPalette palette = QApplication::palette();
    switch (index) {
        case 5:  // window background
            return palette.color(QPalette::Base);
        case 8:  // window text
            return palette.color(QPalette::Text);
        case 15:  // button face
            return palette.color(QPalette::Button);
        case 18:  // button text
            return palette.color(QPalette::ButtonText);
        default:
            return palette.color(QPalette::Window);
    }
}

// Which palette roles carry a control's back and text colour depends on the kind of control:
// a push button paints its face from Button, a text box its field from Base, and the others fill
// their rectangle from their background role.
bool IsButton(const QWidget* control) {
    return control->inherits("QPushButton");
}

bool IsTextBox(const QWidget* control) {
    return control->inherits("QLineEdit");
}

// The tick sets the label's colours every second; a value the control already holds changes
// nothing on screen, so the palette is left alone.
bool Holds(const QWidget* control, const char* property, quint32 value) {
    const QVariant held = control->property(property);
    return held.isValid() && held.value<quint32>() == value;
}

}  // namespace

QColor PaintColour(quint32 value) {
    if (IsSystemColour(value)) {
        return SystemColour(SystemColourIndex(value));
    }
    return QColor(RedOf(value), GreenOf(value), BlueOf(value));
}

void SetBackColour(QWidget* control, quint32 value) {
    if (Holds(control, kBackProperty, value)) {
        return;
    }
    control->setProperty(kBackProperty, QVariant::fromValue(value));
    QPalette palette = control->palette();
    const QColor colour = PaintColour(value);
    if (IsButton(control)) {
        palette.setColor(QPalette::Button, colour);
    } else if (IsTextBox(control)) {
        palette.setColor(QPalette::Base, colour);
    } else {
        palette.setColor(control->backgroundRole(), colour);
        control->setAutoFillBackground(true);
    }
    control->setPalette(palette);
}

void SetForeColour(QWidget* control, quint32 value) {
    if (Holds(control, kForeProperty, value)) {
        return;
    }
    control->setProperty(kForeProperty, QVariant::fromValue(value));
    QPalette palette = control->palette();
    const QColor colour = PaintColour(value);
    palette.setColor(IsButton(control) ? QPalette::ButtonText : QPalette::WindowText, colour);
    if (IsTextBox(control)) {
        palette.setColor(QPalette::Text, colour);
    }
    control->setPalette(palette);
}

quint32 BackColour(const QWidget* control) {
    return control->property(kBackProperty).value<quint32>();
}

quint32 ForeColour(const QWidget* control) {
    return control->property(kForeProperty).value<quint32>();
}
