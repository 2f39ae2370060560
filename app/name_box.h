#pragma once

#include <QLineEdit>
#include <QString>

// The one-line box the name is typed into. It starts out holding a prompt, which is its text and
// no placeholder; as long as it holds the prompt unchanged, taking the focus (by a click or by
// Tab) selects the prompt whole, so that what the person types replaces it instead of landing
// inside it. Once the text is anything else, the box behaves as any other.
class NameBox : public QLineEdit {
    Q_OBJECT

public:
    NameBox(const QString& prompt, QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool HoldsPrompt() const { return text() == prompt_; }

    QString prompt_;
    // A press that selected the prompt: its drag and release must not move the cursor again.
    bool pressSelectedPrompt_ = false;
};
