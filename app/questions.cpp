#include "app/questions.h"

#include <QDesktopServices>
#include <QDialog>

Questions::Answer Questions::answer_;
Questions::FolderAnswer Questions::folder_;

int Questions::Ask(QDialog& dialog) {
    if (!answer_) {
        return dialog.exec();
    }
    answer_(dialog);
    if (dialog.isVisible()) {
        dialog.reject();
    }
    return dialog.result();
}

bool Questions::OpenFolder(const QUrl& folder) {
    return folder_ ? folder_(folder) : QDesktopServices::openUrl(folder);
}

void Questions::AnswerInAdvance(Answer answer, FolderAnswer folder) {
    answer_ = std::move(answer);
    folder_ = std::move(folder);
}
