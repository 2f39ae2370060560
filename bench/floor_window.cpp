#include "bench/floor_window.h"

#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QTime>
#include <QTimer>

FloorWindow::FloorWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setFixedSize(178, 60);
    dateLabel = new QLabel(QDate::currentDate().toString(QStringLiteral("MM/dd")), this);
    dateLabel->setGeometry(0, 10, 41, 17);
    timeLabel = new QLabel(this);
    timeLabel->setGeometry(37, 8, 116, 17);
    timeLabel->setAlignment(Qt::AlignCenter);
    inButton = new QPushButton(QStringLiteral("IN"), this);
    inButton->setGeometry(8, 32, 41, 25);
    outButton = new QPushButton(QStringLiteral("OUT"), this);
    outButton->setGeometry(56, 32, 41, 25);
    closeButton = new QPushButton(QStringLiteral("×"), this);
    closeButton->setGeometry(160, 8, 13, 13);
    breakBox = new QCheckBox(QStringLiteral("休憩アリ"), this);
    breakBox->setGeometry(104, 32, 65, 25);
    breakBox->setChecked(true);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    timer = new QTimer(this);
    timer->setInterval(1000);
    connect(timer, &QTimer::timeout, this, &FloorWindow::Tick);
    Tick();
    timer->start();
}

void FloorWindow::Tick() {
    ShowTime(QTime::currentTime());
}

void FloorWindow::ShowTime(const QTime& time) {
    timeLabel->setText(time.toString(QStringLiteral("HH:mm:ss")));
}
