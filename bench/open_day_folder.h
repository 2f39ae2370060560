#pragma once

#include <QDateTime>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <string>

// A working folder as the clock finds it in the middle of a working day: the name file and this
// month's sheet, earlier days filled in, today's row holding an in-time and no end time. Started
// there, the clock resumes the day and its one-second timer runs.
inline const QString kBenchUserName = QStringLiteral("Taro");

// Writes the two files into `folder` for the day of `now`; false when either cannot be written.
bool WriteOpenDayFolder(const QString& folder, const QDateTime& now);

// A temporary folder holding today's open day, or nothing (said on stderr) when it cannot be made.
std::unique_ptr<QTemporaryDir> MakeOpenDayFolder();

// The window platform the programs under measure will use: QT_QPA_PLATFORM, xcb when unset.
std::string WindowPlatform();
