#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QTime;
class QTimer;

// The reference every benchmark figure is divided by: the least a Qt Widgets program can be that
// shows what the clock shows. One frameless 178 x 60 window holding a date label, a time label,
// three buttons and a check box with the clock's captions, in the default font and style, and a
// one-second timer that sets the time label's text.
class FloorWindow : public QWidget {
public:
    FloorWindow();

    // What the timer does once a second: the time label shows the time of day.
    void Tick();
    void ShowTime(const QTime& time);

    QLabel* dateLabel;
    QLabel* timeLabel;
    QPushButton* inButton;
    QPushButton* outButton;
    QPushButton* closeButton;
    QCheckBox* breakBox;
    QTimer* timer;
};
