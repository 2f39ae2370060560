#pragma once

#include <QDate>
#include <QString>

// What a screen reader says for what the window shows in figures and in colour alone.

// "7月5日 水曜日".
QString DateWords(const QDate& date);

// "08:05:30", as the time label shows it, to the minute: "8時5分". Empty for any other text.
QString TimeWords(const QString& timeText);

// The worked time and the overtime its colour stands for: "勤務 8時間12分、残業 27分", and
// "勤務 6時間5分、残業なし" within the regular day. A worked time below zero (the system clock set
// back past the in-time) counts as none.
QString WorkedWords(float workedSeconds);
