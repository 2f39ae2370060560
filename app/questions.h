#pragma once

#include <QUrl>

#include <functional>

class QDialog;

// Every question the clock puts to the person goes through here: its messages, its own dialogs,
// the file dialog and the desktop's file manager opening a folder. The clock builds the dialog;
// here it is shown and the answer waited for.
//
// A run with nobody at the screen gives its answers before the questions come: each dialog is
// then handed to the answer, which answers it through its own keys and buttons (showing it first
// when it types into it), and is closed unanswered if the answer leaves it open. Nothing waits.
class Questions {
public:
    // The dialog's result: QDialog::Accepted or Rejected, or for a message box the button pressed.
    static int Ask(QDialog& dialog);
    // False when the desktop could not open the folder.
    static bool OpenFolder(const QUrl& folder);

    using Answer = std::function<void(QDialog& question)>;
    using FolderAnswer = std::function<bool(const QUrl& folder)>;
    // From now on every question goes to `answer` and every folder to `folder`; empty functions
    // give the questions back to the person.
    static void AnswerInAdvance(Answer answer, FolderAnswer folder);

private:
    static Answer answer_;
    static FolderAnswer folder_;
};
