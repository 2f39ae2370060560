#include "bench/open_day_folder.h"

#include "clock/work_clock.h"
#include "records/month_sheet.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>

namespace {

QString TwoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

}  // namespace

bool WriteOpenDayFolder(const QString& folder, const QDateTime& now) {
    QFile nameFile(AppFilePath(folder, QStringLiteral("omb.ini")));
    if (!nameFile.open(QIODevice::WriteOnly) ||
        nameFile.write(kBenchUserName.toLatin1() + "\r\n") < 0) {
        return false;
    }
    nameFile.close();

    WindowState state;
    SheetTable lines;
    state.AppDir = folder;
    CaptureDate(state, now);
    const int today = now.date().day();
    for (int day = 1; day <= 31; ++day) {
        // Worked days before today, with a reason now and then; nothing after today.
        const bool worked = day < today && now.date().addDays(day - today).dayOfWeek() < 6;
        state.InHour = worked ? QStringLiteral("08") : QString();
        state.InMinute = worked ? TwoDigits(day % 60) : QString();
        state.OutHour = worked ? QStringLiteral("17") : QString();
        state.OutMinute = worked ? TwoDigits((day * 7) % 60) : QString();
        state.ReasonCodes = worked && day % 3 == 0 ? QStringLiteral("AD") : QString();
        lines[size_t(day)] = ComposeDayRow(state, day);
    }
    // Today began an hour ago (or just after midnight), and has not ended.
    const QTime began = now.time().hour() >= 1 ? now.time().addSecs(-3600) : QTime(0, 1);
    state.InHour = TwoDigits(began.hour());
    state.InMinute = TwoDigits(began.minute());
    state.OutHour.clear();
    state.OutMinute.clear();
    state.ReasonCodes.clear();
    lines[size_t(today)] = ComposeDayRow(state, today);
    lines[0] = ComposeHeaderRow(now.date().month(), kBenchUserName);
    return WriteSheetFile(MonthSheetPath(state, kBenchUserName), lines).ok();
}

std::unique_ptr<QTemporaryDir> MakeOpenDayFolder() {
    auto folder = std::make_unique<QTemporaryDir>();
    if (!folder->isValid() || !WriteOpenDayFolder(folder->path(), QDateTime::currentDateTime())) {
        std::fprintf(stderr, "cannot make the working folder\n");
        return nullptr;
    }
    return folder;
}

std::string WindowPlatform() {
    const char* setting = std::getenv("QT_QPA_PLATFORM");
    return setting ? setting : "xcb";
}
