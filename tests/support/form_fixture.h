#pragma once

#include "app/form1.h"
#include "clock/time_source.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>

class QAbstractButton;
class QDialog;
class OpenDayDialog;

// A window over a fresh working folder and a clock that moves only when told to. Every question
// the window asks is answered here, without waiting: messages are recorded and answered with
// `answer`; a question about a day or the file dialog takes the answer lined up for it, and one
// nobody lined up an answer for fails the test and is closed unanswered.
class FormFixture : public ::testing::Test {
protected:
    FormFixture();
    ~FormFixture() override;

    // Starts the window, as the program does at start-up, at the clock's current reading, in the
    // fixture's folder or in another one.
    Form1& Start() { return Start(folder.path()); }
    Form1& Start(const QString& workingFolder);
    // A folder that does not exist (a network share that dropped): nothing can be written there.
    static QString MissingFolder();
    void At(int hour, int minute, int second = 0) {
        clock.set(QDateTime(today, QTime(hour, minute, second)));
    }

    QString Path(const QString& fileName) const;
    void WriteFile(const QString& fileName, const QByteArray& bytes) const;
    QByteArray ReadFile(const QString& fileName) const;
    bool Exists(const QString& fileName) const;
    QStringList FilesInFolder() const;

    // Taro's July 2017 sheet: the header and 31 rows, with some rows replaced.
    static QByteArray Sheet(const std::map<int, QByteArray>& rows, const QByteArray& name = "Taro");
    static QByteArray SheetRow(const QByteArray& bytes, int day);

    void Click(QAbstractButton* control);

    // Answers the next question about a day left open: `answer` gets the real dialog, on screen,
    // to type into. Each question answered counts in `questions`.
    void WhenAsked(std::function<void(OpenDayDialog&)> answer);
    // The person types `keys` into the end-time field and presses Return.
    void WhenAskedType(const QString& keys);
    // The person presses Escape.
    void WhenAskedEscape();
    // Answers the next question whether to replace an end time someone else recorded, with a key.
    void WhenAskedToReplace(Qt::Key key);
    void Tick() { form->Timer1_Timer(); }

    QTemporaryDir folder;
    QDate today{2017, 7, 5};
    ManualClock clock{QDateTime(QDate(2017, 7, 5), QTime(7, 0, 0))};
    std::unique_ptr<Form1> form;
    QStringList messages;
    QMessageBox::StandardButton answer = QMessageBox::No;
    // The file dialog's answer: the path chosen, given the one it offered; empty cancels.
    std::function<QString(const QString& offered)> whereToSave;
    // The desktop's file manager: whether it opened the folder.
    std::function<bool(const QUrl& folder)> openFolder;
    int questions = 0;

private:
    void AnswerQuestion(QDialog& question);
    void WhenDialog(const QMetaObject& kind, std::function<void(QDialog&)> answer);
    struct LinedUp {
        const QMetaObject* kind;
        std::function<void(QDialog&)> answer;
    };
    std::deque<LinedUp> linedUp_;
};
