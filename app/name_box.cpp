#include "app/name_box.h"

#include <QFocusEvent>
#include <QMouseEvent>

NameBox::NameBox(const QString& prompt, QWidget* parent)
    : QLineEdit(prompt, parent), prompt_(prompt) {}

void NameBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (HoldsPrompt()) {
        selectAll();
    }
}

void NameBox::mousePressEvent(QMouseEvent* event) {
    // Any button: a middle click would paste into the prompt where it was clicked.
    pressSelectedPrompt_ = HoldsPrompt();
    if (!pressSelectedPrompt_) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    selectAll();
    event->accept();
}

void NameBox::mouseMoveEvent(QMouseEvent* event) {
    if (pressSelectedPrompt_) {
        event->accept();
        return;
    }
    QLineEdit::mouseMoveEvent(event);
}

void NameBox::mouseReleaseEvent(QMouseEvent* event) {
    if (pressSelectedPrompt_) {
        pressSelectedPrompt_ = false;
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void NameBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double click would select one word of the prompt.
    if (HoldsPrompt()) {
        pressSelectedPrompt_ = true;
        selectAll();
        event->accept();
        return;
    }
    QLineEdit::mouseDoubleClickEvent(event);
}
