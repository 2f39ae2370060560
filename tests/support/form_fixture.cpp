#include "tests/support/form_fixture.h"

#include "app/open_day_dialog.h"
#include "app/replace_end_dialog.h"
#include "tests/support/sheet_bytes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

FormFixture::FormFixture() {
    // A question nobody expected would wait for ever: it fails the test and is closed instead.
    auto* unexpected = new QTimer(&questionContext);
    unexpected->setInterval(50);
    QObject::connect(unexpected, &QTimer::timeout, &questionContext, [this] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && answersWaiting == 0) {
            ADD_FAILURE() << "a question came unexpected: " << dialog->objectName().toStdString();
            dialog->reject();
        }
    });
    unexpected->start();
}
FormFixture::~FormFixture() = default;

Form1& FormFixture::Start(const QString& workingFolder) {
    form = std::make_unique<Form1>(clock, workingFolder);
    form->setMessageHook(
        [this](const QString& text, QMessageBox::StandardButtons, QMessageBox::StandardButton) {
            messages << text;
            return answer;
        });
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
    ++answersWaiting;
    // The dialog runs its own event loop; the answer comes from inside it, as a person's would,
    // as soon as the dialog is on screen.
    auto* watch = new QTimer(&questionContext);
    watch->setInterval(5);
    QObject::connect(watch, &QTimer::timeout, &questionContext, [this, watch, &kind, answer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->metaObject()->inherits(&kind)) {
            watch->stop();
            watch->deleteLater();
            ++questions;
            --answersWaiting;
            answer(*dialog);
        }
    });
    watch->start();
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
