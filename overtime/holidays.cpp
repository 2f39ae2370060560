#include "overtime/holidays.h"

#include <QMap>

#include <cmath>

namespace {

// The law's two holidays that move from one day to the next: substitute holidays from
// 12 April 1973, citizens' holidays from 27 December 1985.
const QDate kSubstituteFrom(1973, 4, 12);
const QDate kCitizensFrom(1985, 12, 27);
// From 2007 a substitute holiday is the next day that is no holiday, not just the Monday, and a
// citizens' holiday may fall on any day that is no holiday itself.
constexpr int kNewRulesYear = 2007;

// The n-th Monday of the month (the "Happy Monday" holidays).
QDate NthMonday(int year, int month, int n) {
    const QDate first(year, month, 1);
    return first.addDays((8 - first.dayOfWeek()) % 7 + 7 * (n - 1));
}

// The equinox days as the national observatory's long-standing approximation gives them; it
// holds from 1900 to 2099 and agrees with every day announced so far.
int EquinoxDay(int year, double base1980, double baseBefore) {
    const int shift = year - 1980;
    if (year < 1980) {
        return int(std::floor(baseBefore + 0.242194 * shift - (year - 1983) / 4));
    }
    return int(std::floor(base1980 + 0.242194 * shift - shift / 4));
}

using Days = QMap<QDate, QString>;

void AddFixed(Days& days, int year) {
    const auto add = [&days](QDate date, const char* name) {
        days.insert(date, QString::fromUtf8(name));
    };
    add(QDate(year, 1, 1), "元日");
    add(year < 2000 ? QDate(year, 1, 15) : NthMonday(year, 1, 2), "成人の日");
    add(QDate(year, 2, 11), "建国記念の日");
    add(QDate(year, 3, EquinoxDay(year, 20.8431, 20.8357)), "春分の日");
    add(QDate(year, 4, 29),
        year < 1989 ? "天皇誕生日" : (year < kNewRulesYear ? "みどりの日" : "昭和の日"));
    add(QDate(year, 5, 3), "憲法記念日");
    if (year >= kNewRulesYear) {
        add(QDate(year, 5, 4), "みどりの日");
    }
    add(QDate(year, 5, 5), "こどもの日");
    if (year == 2020 || year == 2021) {  // moved for the Olympic Games
        add(QDate(year, 7, year == 2020 ? 23 : 22), "海の日");
        add(QDate(year, 7, year == 2020 ? 24 : 23), "スポーツの日");
        add(QDate(year, 8, year == 2020 ? 10 : 8), "山の日");
    } else {
        if (year >= 1996) {
            add(year < 2003 ? QDate(year, 7, 20) : NthMonday(year, 7, 3), "海の日");
        }
        if (year >= 2016) {
            add(QDate(year, 8, 11), "山の日");
        }
        const QDate sportsDay = year < 2000 ? QDate(year, 10, 10) : NthMonday(year, 10, 2);
        // In 2019 the day kept its old name with the new one announced beside it.
        add(sportsDay, year < 2019    ? "体育の日"
                       : year == 2019 ? "体育の日（スポーツの日）"
                                      : "スポーツの日");
    }
    add(year < 2003 ? QDate(year, 9, 15) : NthMonday(year, 9, 3), "敬老の日");
    add(QDate(year, 9, EquinoxDay(year, 23.2488, 23.2588)), "秋分の日");
    add(QDate(year, 11, 3), "文化の日");
    add(QDate(year, 11, 23), "勤労感謝の日");
    if (year >= 1989 && year <= 2018) {
        add(QDate(year, 12, 23), "天皇誕生日");
    } else if (year >= 2020) {
        add(QDate(year, 2, 23), "天皇誕生日");
    }
}

// Days the law made holidays once.
void AddOneOff(Days& days, int year) {
    static const std::pair<QDate, const char*> once[] = {
        {QDate(1989, 2, 24), "大喪の礼"},          {QDate(1990, 11, 12), "即位礼正殿の儀"},
        {QDate(1993, 6, 9), "結婚の儀"},           {QDate(2019, 5, 1), "休日（祝日扱い）"},
        {QDate(2019, 10, 22), "休日（祝日扱い）"},
    };
    for (const auto& [date, name] : once) {
        if (date.year() == year) {
            days.insert(date, QString::fromUtf8(name));
        }
    }
}

}  // namespace

bool HolidaysKnown(int year) {
    return year >= kFirstHolidayYear && year <= kLastHolidayYear;
}

QList<Holiday> HolidaysOf(int year) {
    if (!HolidaysKnown(year)) {
        return {};
    }
    Days holidays;
    AddFixed(holidays, year);
    AddOneOff(holidays, year);
    // A holiday on the 31st of December of the year before cannot move into this one: there is
    // none, so the year's own holidays are all that the two rules below look at.
    const Days proper = holidays;
    for (auto it = proper.cbegin(); it != proper.cend(); ++it) {
        if (it.key().dayOfWeek() != Qt::Sunday || it.key() < kSubstituteFrom) {
            continue;
        }
        QDate next = it.key().addDays(1);
        while (year >= kNewRulesYear && proper.contains(next)) {
            next = next.addDays(1);
        }
        if (!proper.contains(next)) {
            // Named after the holiday just before it, as the government's list does; in 2020
            // alone the list named the Sunday's holiday instead.
            const QDate namedAfter = year == 2020 ? it.key() : next.addDays(-1);
            holidays.insert(next, proper.value(namedAfter) + QStringLiteral(" 振替休日"));
        }
    }
    for (auto it = proper.cbegin(); it != proper.cend(); ++it) {
        const QDate between = it.key().addDays(1);
        const bool oldRuleExcluded = year < kNewRulesYear && between.dayOfWeek() == Qt::Sunday;
        if (between >= kCitizensFrom && !holidays.contains(between) &&
            proper.contains(between.addDays(1)) && !oldRuleExcluded) {
            holidays.insert(between, QStringLiteral("休日"));
        }
    }
    QList<Holiday> list;
    list.reserve(holidays.size());
    for (auto it = holidays.cbegin(); it != holidays.cend(); ++it) {
        list.append({it.key(), it.value()});
    }
    return list;
}
