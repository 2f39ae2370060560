// ombrel-make-sheets: writes made-up month sheets for trying and timing the report.
//
//   ombrel-make-sheets FOLDER PEOPLE FIRST-MONTH MONTHS [SEED]
//   ombrel-make-sheets /tmp/sheets 1000 2017-04 12
//
// Each person works the weekdays with a varying amount of overtime, some Saturdays with club
// coaching, and now and then forgets to press OUT. The sheets are written by the clock's own
// sheet writer.

#include "clock/reason_captions.h"
#include "records/month_sheet.h"
#include "records/sheet_layout.h"

#include <QDate>
#include <QDir>
#include <QRandomGenerator>
#include <QStringList>

#include <cstdio>

namespace {

QString TwoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString DayRow(QRandomGenerator& random, const QDate& date, double busyness) {
    const int weekday = date.dayOfWeek();
    const bool works = weekday <= 5 ? random.bounded(100) < 95 : random.bounded(100) < 25;
    if (!works) {
        return NumberText(date.day()) + QStringLiteral(",,,,,");
    }
    const int in = 7 * 60 + 15 + random.bounded(60);
    const int stay = weekday <= 5 ? 8 * 60 + 30 + int(random.bounded(int(300 * busyness) + 1))
                                  : 3 * 60 + random.bounded(300);
    const int out = std::min(in + stay, 23 * 60 + 59);
    QString reasons;
    if (stay > 8 * 60 + 30) {
        static const QString letters = ReasonLetters();
        for (int k = random.bounded(1, 3); k > 0; --k) {
            reasons += letters[random.bounded(int(letters.size()))];
        }
    }
    const bool forgot = random.bounded(200) == 0;
    return QStringLiteral("%1,%2,%3,%4,%5,%6")
        .arg(NumberText(date.day()), TwoDigits(in / 60), TwoDigits(in % 60),
             forgot ? QString() : TwoDigits(out / 60), forgot ? QString() : TwoDigits(out % 60),
             forgot ? QString() : reasons);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fputs("usage: ombrel-make-sheets FOLDER PEOPLE FIRST-MONTH(yyyy-mm) MONTHS [SEED]\n",
                   stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int people = QString::fromLocal8Bit(argv[2]).toInt();
    const QDate first = QDate::fromString(QString::fromLocal8Bit(argv[3]) + QStringLiteral("-01"),
                                          QStringLiteral("yyyy-MM-dd"));
    const int months = QString::fromLocal8Bit(argv[4]).toInt();
    const quint32 seed = argc > 5 ? QString::fromLocal8Bit(argv[5]).toUInt() : 1;
    if (people <= 0 || months <= 0 || !first.isValid() || !QDir().mkpath(folder)) {
        std::fputs("ombrel-make-sheets: bad arguments\n", stderr);
        return 2;
    }
    QRandomGenerator random(seed);
    for (int p = 1; p <= people; ++p) {
        const QString name = QStringLiteral("教員 %1").arg(p, 4, 10, QLatin1Char('0'));
        const double busyness = 0.3 + random.generateDouble() * 1.2;
        for (int m = 0; m < months; ++m) {
            const QDate month = first.addMonths(m);
            SheetTable lines;
            lines[0] = ComposeHeaderRow(month.month(), name);
            for (int day = 1; day <= 31; ++day) {
                lines[day] = day <= month.daysInMonth()
                                 ? DayRow(random, QDate(month.year(), month.month(), day), busyness)
                                 : NumberText(day) + QStringLiteral(",,,,,");
            }
            const QString file = SheetFileName(name, month.year(), month.month());
            const FileOutcome written = WriteSheetFile(QDir(folder).filePath(file), lines);
            if (!written.ok()) {
                std::fprintf(stderr, "ombrel-make-sheets: %s: %s\n", qPrintable(written.path),
                             qPrintable(written.why()));
                return 1;
            }
        }
    }
    return 0;
}
