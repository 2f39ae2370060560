#include "sheet_loader.h"

#include "month_sheet.h"

#include <QFileInfo>
#include <QtConcurrent/QtConcurrentMap>

namespace {

// A sheet the clock writes is 32 short lines, about a kilobyte. Anything far larger is not a
// sheet, and is not read into memory to find that out.
constexpr qint64 kMaxSheetBytes = 64 * 1024;

// Why the file cannot be read as a sheet without reading it: a FIFO or a device would never end
// (or never begin), a link may lead nowhere. Empty for a plain file of a sheet's size.
QString NotASheetFile(const QFileInfo& info) {
    if (!info.exists()) {
        return QStringLiteral("リンク先「%1」がありません").arg(info.symLinkTarget());
    }
    if (!info.isFile()) {
        return QStringLiteral("普通のファイルではありません (フォルダ、パイプ、デバイスなど)");
    }
    if (info.size() > kMaxSheetBytes) {
        return QStringLiteral("%1 バイトあり、シートとしては大きすぎます (%2 KiB まで)")
            .arg(QString::number(info.size()), QString::number(kMaxSheetBytes / 1024));
    }
    return {};
}

}  // namespace

LoadedMonth LoadMonth(const LoadSettings& settings, const QString& person, MonthKey month,
                      bool keepDays) {
    const int year = YearOfKey(month);
    const int monthOfYear = MonthOfKey(month);
    LoadedMonth loaded;
    loaded.fileName = SheetFileName(person, year, monthOfYear);
    // One look at a plain file, links followed: what it is and its size. Only something else
    // takes a second look, to tell a missing sheet from a link that leads nowhere.
    const QFileInfo info(settings.folder + u'/' + loaded.fileName);
    if (!info.isFile() && !info.exists() && !info.isSymLink()) {
        return loaded;
    }
    const auto unreadable = [&loaded](const QString& why) {
        loaded.presence = SheetPresence::Unreadable;
        loaded.sheet.looks.append({loaded.fileName, 0, 0, LookReason::UnreadableSheet, why});
        return loaded;
    };
    if (const QString problem = NotASheetFile(info); !problem.isEmpty()) {
        return unreadable(problem);
    }
    SheetTable lines;
    const SheetReadResult read = ReadSheetFile(info.filePath(), lines);
    if (!read.opened) {
        return unreadable(info.isReadable() ? QStringLiteral("開けません")
                                            : QStringLiteral("読む権限がありません"));
    }
    loaded.presence = SheetPresence::Read;
    const SheetContext context{loaded.fileName,
                               year,
                               monthOfYear,
                               settings.today,
                               settings.breakMinutes,
                               keepDays,
                               settings.daysOff ? &settings.daysOff->month(month) : nullptr};
    loaded.sheet = ReadSheetDays(lines, read.linesRead, context);
    if (read.fileError != QFileDevice::NoError) {
        loaded.sheet.looks.append(
            {loaded.fileName, 0, 0, LookReason::UnreadableSheet,
             QStringLiteral("%1 行目のあとが読めませんでした (ディスクの不具合など)")
                 .arg(read.linesRead)});
    }
    return loaded;
}

QList<PersonMonths> LoadPeople(const LoadSettings& settings, const QList<PersonSheets>& people,
                               MonthKey first, int monthCount) {
    const auto loadPerson = [&settings, first, monthCount](const PersonSheets& sheets) {
        PersonMonths person;
        person.person = sheets.person;
        person.months.resize(monthCount);
        for (const MonthKey month : sheets.months) {
            if (month < first || month >= first + monthCount) {
                continue;
            }
            LoadedMonth loaded = LoadMonth(settings, sheets.person, month, false);
            if (loaded.presence == SheetPresence::Read) {
                person.months[month - first] = loaded.sheet.totals;
            }
            person.looks.append(loaded.sheet.looks);
        }
        return person;
    };
    return QtConcurrent::blockingMapped<QList<PersonMonths>>(people, loadPerson);
}
