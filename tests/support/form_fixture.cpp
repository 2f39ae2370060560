#include "tests/support/form_fixture.h"

#include "app/open_day_dialog.h"
#include "app/questions.h"
#include "app/replace_end_dialog.h"
#include "tests/support/sheet_bytes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

FormFixture::FormFixture() {
    Questions::AnswerInAdvance([this](QDialog& question) { AnswerQuestion(question); },
                               [this](const QUrl& url) {
                                   if (!openFolder) {
                                       ADD_FAILURE() << "a folder opened unexpected";
                                       return false;
                                   }
                                   return openFolder(url);
                               });
}

FormFixture::~FormFixture() {
    form.reset();
    Questions::AnswerInAdvance({}, {});
    EXPECT_TRUE(linedUp_.empty()) << linedUp_.size() << " answers lined up and never asked for";
}

void FormFixture::AnswerQuestion(QDialog& question) {
    if (auto* box = qobject_cast<QMessageBox*>(&question)) {
        messages << box->text();
        QAbstractButton* button = box->button(answer);
        if (!button) {
            button = box->defaultButton();
        }
        if (!button) {
            button = box->buttons().value(0);
        }
        button->click();
        return;
    }
    if (auto* files = qobject_cast<QFileDialog*>(&question)) {
        if (!whereToSave) {
            ADD_FAILURE() << "a file dialog came unexpected";
            return;
        }
        const QString chosen = whereToSave(files->selectedFiles().value(0));
        if (!chosen.isEmpty()) {
            files->selectFile(chosen);
            question.accept();  // the file dialog's own checks, as its Save button runs them
        }
        return;
    }
    if (linedUp_.empty() || !question.metaObject()->inherits(linedUp_.front().kind)) {
        ADD_FAILURE() << "a question came unexpected: " << question.metaObject()->className();
        return;
    }
    const auto answerIt = std::move(linedUp_.front().answer);
    linedUp_.pop_front();
    ++questions;
    // As a person would: once the dialog is on screen and has the keyboard.
    question.show();
    QApplication::processEvents();
    EXPECT_TRUE(question.isActiveWindow() || QTest::qWaitForWindowActive(&question));
    answerIt(question);
    EXPECT_FALSE(question.isVisible()) << "the answer left the question open";
}

Form1& FormFixture::Start(const QString& workingFolder) {
    form = std::make_unique<Form1>(clock, workingFolder);
    form->show();
    return *form;
}

QString FormFixture::MissingFolder() {
    QTemporaryDir gone;
    gone.remove();
    return gone.path();
}

QString FormFixture::Path(const QString& fileName) const {
    return folder.filePath(fileName);
}

void FormFixture::WriteFile(const QString& fileName, const QByteArray& bytes) const {
    QFile file(Path(fileName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray FormFixture::ReadFile(const QString& fileName) const {
    QFile file(Path(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool FormFixture::Exists(const QString& fileName) const {
    return QFile::exists(Path(fileName));
}

QStringList FormFixture::FilesInFolder() const {
    return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

QByteArray FormFixture::Sheet(const std::map<int, QByteArray>& rows, const QByteArray& name) {
    // " 7月／日,始業時,分,終業時,分,残業内容,ユーザー名," in CP932.
    const QByteArray header = QByteArray::fromHex(
        "20378C8E815E93FA2C8E6E8BC68E9E2C95AA2C8F498BC68E9E2C95AA2C8E638BC693E097652C838681"
        "5B8355815B96BC2C");
    return SheetBytes(header + name, rows);
}

QByteArray FormFixture::SheetRow(const QByteArray& bytes, int day) {
    return ::SheetRow(bytes, day);
}

void FormFixture::Click(QAbstractButton* control) {
    // A check box takes clicks on its box and caption only, so aim at the box.
    const bool isCheckBox = control->inherits("QCheckBox");
    const QPoint at = isCheckBox ? QPoint(6, control->height() / 2) : control->rect().center();
    QTest::mouseClick(control, Qt::LeftButton, {}, at);
}

void FormFixture::WhenDialog(const QMetaObject& kind, std::function<void(QDialog&)> answer) {
    linedUp_.push_back({&kind, std::move(answer)});
}

void FormFixture::WhenAsked(std::function<void(OpenDayDialog&)> answer) {
    WhenDialog(OpenDayDialog::staticMetaObject,
               [answer](QDialog& dialog) { answer(static_cast<OpenDayDialog&>(dialog)); });
}

void FormFixture::WhenAskedToReplace(Qt::Key key) {
    WhenDialog(ReplaceEndDialog::staticMetaObject,
               [key](QDialog& dialog) { QTest::keyClick(dialog.focusWidget(), key); });
}

void FormFixture::WhenAskedType(const QString& keys) {
    WhenAsked([keys](OpenDayDialog& dialog) {
        QTest::keyClicks(dialog.focusWidget(), keys);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    });
}

void FormFixture::WhenAskedEscape() {
    WhenAsked([](OpenDayDialog& dialog) { QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape); });
}
