#pragma once

#include "app/form1.h"
#include "clock/time_source.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

class QAbstractButton;
class QDialog;
class OpenDayDialog;

// A window over a fresh working folder and a clock that moves only when told to. Messages the
// window shows are recorded and answered with `answer`.
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

    // Answers the next question about a day left open, once it is on screen: `answer` gets the
    // real dialog to type into. Each question found counts in `questions`.
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
    int questions = 0;
    int answersWaiting = 0;
    QObject questionContext;

private:
    // Answers the next question of the kind given, once it is on screen.
    void WhenDialog(const QMetaObject& kind, std::function<void(QDialog&)> answer);
};
