// ombrel-make-sheets: writes made-up month sheets for trying and timing the report.
//
//   ombrel-make-sheets FOLDER PEOPLE FIRST-MONTH MONTHS [SEED [SCHOOLS]]
//   ombrel-make-sheets /tmp/sheets 1000 2017-04 12
//   ombrel-make-sheets /tmp/board 100 2017-04 12 1 600
//
// Each person works the weekdays with a varying amount of overtime, some Saturdays with club
// coaching, and now and then forgets to press OUT. The sheets are written by the clock's own
// sheet writer.
//
// With SCHOOLS, FOLDER is a board's: SCHOOLS folders "学校 001"... each with its 学校設定.txt and
// PEOPLE teachers' folders holding their sheets, the same names in every school, as schools have.
// A board's hundreds of thousands of sheets are written plainly, with the lines the clock
// composes and its encoding but without its wait for the disk on every file, which would make a
// prefecture's year take an hour.

#include "clock/reason_captions.h"
#include "records/cp932.h"
#include "records/month_sheet.h"
#include "records/sheet_layout.h"

#include <QDate>
#include <QDir>
#include <QFile>
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

// The sheet's bytes as the clock writes them: CP932, every line ending CR LF.
bool WritePlainly(const QString& path, const SheetTable& lines) {
    QByteArray bytes;
    for (int i = 0; i < kSheetFileLines; ++i) {
        const Cp932Result encoded = EncodeCp932(lines[i].text());
        if (!encoded.ok) {
            return false;
        }
        bytes += encoded.bytes + "\r\n";
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// PEOPLE people's MONTHS sheets from FIRST in `folder`, each in a folder of their own for a board.
bool MakeStaff(QRandomGenerator& random, const QString& folder, int people, QDate first,
               int months, bool board) {
    for (int p = 1; p <= people; ++p) {
        const QString name = QStringLiteral("教員 %1").arg(p, 4, 10, QLatin1Char('0'));
        const double busyness = 0.3 + random.generateDouble() * 1.2;
        const QString own = board ? QDir(folder).filePath(name) : folder;
        if (board && !QDir().mkpath(own)) {
            std::fprintf(stderr, "ombrel-make-sheets: %s: cannot make the folder\n",
                         qPrintable(own));
            return false;
        }
        for (int m = 0; m < months; ++m) {
            const QDate month = first.addMonths(m);
            SheetTable lines;
            lines[0] = ComposeHeaderRow(month.month(), name);
            for (int day = 1; day <= 31; ++day) {
                lines[day] = day <= month.daysInMonth()
                                 ? DayRow(random, QDate(month.year(), month.month(), day), busyness)
                                 : NumberText(day) + QStringLiteral(",,,,,");
            }
            const QString path =
                QDir(own).filePath(SheetFileName(name, month.year(), month.month()));
            if (board) {
                if (!WritePlainly(path, lines)) {
                    std::fprintf(stderr, "ombrel-make-sheets: %s: cannot write\n",
                                 qPrintable(path));
                    return false;
                }
                continue;
            }
            const FileOutcome written = WriteSheetFile(path, lines);
            if (!written.ok()) {
                std::fprintf(stderr, "ombrel-make-sheets: %s: %s\n", qPrintable(written.path),
                             qPrintable(written.why()));
                return false;
            }
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fputs("usage: ombrel-make-sheets FOLDER PEOPLE FIRST-MONTH(yyyy-mm) MONTHS [SEED [SCHOOLS]]\n",
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
    if (argc <= 6) {
        return MakeStaff(random, folder, people, first, months, false) ? 0 : 1;
    }
    const int schools = QString::fromLocal8Bit(argv[6]).toInt();
    for (int s = 1; s <= schools; ++s) {
        const QString number = QStringLiteral("%1").arg(s, 3, 10, QLatin1Char('0'));
        const QString school = QDir(folder).filePath(QStringLiteral("学校 ") + number);
        QFile settings(QDir(school).filePath(QStringLiteral("学校設定.txt")));
        const QByteArray line =
            EncodeCp932(QStringLiteral("学校名=第%1中学校").arg(number)).bytes + "\r\n";
        if (!QDir().mkpath(school) || !settings.open(QIODevice::WriteOnly) ||
            settings.write(line) != line.size()) {
            std::fprintf(stderr, "ombrel-make-sheets: %s: cannot make the school\n",
                         qPrintable(school));
            return 1;
        }
        settings.close();
        if (!MakeStaff(random, school, people, first, months, true)) {
            return 1;
        }
    }
    return 0;
}
