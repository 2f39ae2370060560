// One person's month: the days, the totals, the lines.
#include "clock/reason_captions.h"
#include "pages/report_labels.h"
#include "pages/report_tables.h"
#include "pages/table_parts.h"
#include "pages/text_parts.h"

using namespace table;

namespace {

// Counted or not, what a look at the day says on paper, whole.
QString DayNote(const LookItem& look) {
    if (look.reason == LookReason::UnreadableReasons) {
        return QStringLiteral("残業内容 %1 は %2 の記号ではありません (時間は数えています)")
            .arg(look.detail, ReasonRange());
    }
    return LookReasonText(look.reason) + QStringLiteral("。この日は合計に含めていません");
}

enum class DayColumn {
    Date,
    Weekday,
    Kind,
    In,
    Out,
    AtSchool,
    Overtime,
    Band,
    Reasons,
    Mark,
    Note
};

QList<DayColumn> DayColumns(Audience audience) {
    using C = DayColumn;
    switch (audience) {
        case Audience::Screen:
            return {C::Date, C::Kind, C::In, C::Out, C::AtSchool, C::Overtime, C::Band, C::Reasons};
        case Audience::Paper:
            return {C::Date,     C::Kind, C::In,      C::Out, C::AtSchool,
                    C::Overtime, C::Band, C::Reasons, C::Note};
        case Audience::Csv:
            return {C::Date,     C::Weekday, C::In,      C::Out,  C::AtSchool,
                    C::Overtime, C::Band,    C::Reasons, C::Kind, C::Mark};
        case Audience::Workbook:
            return {C::Date,     C::Weekday,  C::Kind, C::In,      C::Out,
                    C::AtSchool, C::Overtime, C::Band, C::Reasons, C::Mark};
    }
    return {};
}

QString DayHeader(DayColumn column, Audience audience) {
    switch (column) {
        case DayColumn::Date:
            return kDate;
        case DayColumn::Weekday:
            return kWeekday;
        case DayColumn::Kind:
            return kKind;
        case DayColumn::In:
            return kIn;
        case DayColumn::Out:
            return kOut;
        case DayColumn::AtSchool:
            return audience == Audience::Screen  ? kAtSchoolColumn
                   : audience == Audience::Paper ? kAtSchoolShort
                                                 : kAtSchool;
        case DayColumn::Overtime:
            return kOvertime;
        case DayColumn::Band:
            return kBand;
        case DayColumn::Reasons:
            return kReasons;
        case DayColumn::Mark:
            return kDayMark;
        case DayColumn::Note:
            return kNote;
    }
    return {};
}

Align DayAlign(DayColumn column) {
    switch (column) {
        case DayColumn::In:
        case DayColumn::Out:
        case DayColumn::AtSchool:
        case DayColumn::Overtime:
        case DayColumn::Band:
            return Align::Right;
        default:
            return Align::Left;
    }
}

// What one day shows: its figures when it counts; on paper a day that does not count shows the
// times its row holds, and every day what needs a look.
struct DayShown {
    int day = 0;
    const DayEntry* entry = nullptr;
    const UncountedDay* uncounted = nullptr;
    QStringList notes;
};

Cell DayCell(DayColumn column, const MonthReport& r, const DayShown& shown, Audience audience) {
    const CalendarDay& calendar = r.calendar.days[shown.day];
    const DayEntry* d = shown.entry;
    const auto minute = [](std::optional<int> m) { return m ? Cell::clock(*m) : Cell(); };
    switch (column) {
        case DayColumn::Date:
            return ForSpreadsheet(audience)
                       ? Cell::date(QDate(r.year, r.month, shown.day))
                       : Cell(FormatDate(r.year, r.month, shown.day, calendar));
        case DayColumn::Weekday:
            return WeekdayName(r.year, r.month, shown.day);
        case DayColumn::Kind:
            return DayKindName(calendar);
        case DayColumn::In:
            return d                 ? Cell::clock(d->inMinute)
                   : shown.uncounted ? minute(shown.uncounted->inMinute)
                                     : Cell();
        case DayColumn::Out:
            return d                 ? Cell::clock(d->outMinute)
                   : shown.uncounted ? minute(shown.uncounted->outMinute)
                                     : Cell();
        case DayColumn::AtSchool:
            return d ? Cell::duration(d->figures.atSchoolSeconds) : Cell();
        case DayColumn::Overtime:
            return d ? Cell::duration(d->figures.overtimeSeconds) : Cell();
        case DayColumn::Band:
            return d ? Cell::number(d->figures.band) : Cell();
        case DayColumn::Reasons:
            return d ? d->reasons : QString();
        case DayColumn::Mark:
            return DayMark(calendar);
        case DayColumn::Note:
            return shown.notes.join(u' ');
    }
    return {};
}

enum class Total {
    Person,
    Month,
    Break,
    Days,
    AtSchool,
    Overtime,
    Group,
    DaysOver,
    DaysOffWorked,
    DaysOffOvertime,
    Bands,
    Calendar,
    Projection,
    Reasons,
};

QList<Total> TotalRows(Audience audience) {
    using T = Total;
    switch (audience) {
        case Audience::Screen:
            return {T::Days,     T::AtSchool,      T::Overtime,        T::Group,
                    T::DaysOver, T::DaysOffWorked, T::DaysOffOvertime, T::Bands};
        case Audience::Paper:
            return {T::Days,     T::AtSchool,      T::Overtime,        T::Group,
                    T::DaysOver, T::DaysOffWorked, T::DaysOffOvertime, T::Projection};
        case Audience::Csv:
            return {T::Person,   T::Month,         T::Break,
                    T::Days,     T::AtSchool,      T::Overtime,
                    T::DaysOver, T::DaysOffWorked, T::DaysOffOvertime,
                    T::Calendar, T::Projection,    T::Reasons,
                    T::Bands};
        case Audience::Workbook:
            return {T::Person,        T::Month,           T::Break,      T::Days,
                    T::AtSchool,      T::Overtime,        T::Group,      T::DaysOver,
                    T::DaysOffWorked, T::DaysOffOvertime, T::Projection, T::Reasons};
    }
    return {};
}

void AppendTotal(QList<CellRow>& rows, Total total, const MonthReport& r, Audience audience) {
    const MonthTotals& t = r.sheet.totals;
    switch (total) {
        case Total::Person:
            rows.append({kPerson, r.person});
            break;
        case Total::Month:
            rows.append({kMonth, FormatMonth(r.year, r.month)});
            break;
        case Total::Break:
            rows.append({kBreak, Cell::number(r.breakMinutes)});
            break;
        case Total::Days:
            rows.append({kDays, DayCountCell(t.days, audience)});
            break;
        case Total::AtSchool:
            rows.append({ForSpreadsheet(audience) ? kAtSchool : kAtSchoolLessBreak,
                         Cell::duration(t.atSchoolSeconds)});
            break;
        case Total::Overtime:
            rows.append({kOvertime, Cell::duration(t.overtimeSeconds)});
            break;
        case Total::Group:
            rows.append({kGroup, GroupName(GroupFor(t.overtimeSeconds))});
            break;
        case Total::DaysOver:
            rows.append({kDaysOver, DayCountCell(t.daysOverRegular, audience)});
            break;
        case Total::DaysOffWorked:
            rows.append({kDaysOffWorked, DayCountCell(t.daysOffWorked, audience)});
            break;
        case Total::DaysOffOvertime:
            rows.append({kDaysOffOvertime, Cell::duration(t.daysOffOvertimeSeconds)});
            break;
        case Total::Bands:
            if (!ForSpreadsheet(audience)) {
                rows.append({kBandTally, BandTally(t)});
                break;
            }
            for (int i = 0; i < kBandCount; ++i) {
                rows.append({QStringLiteral("帯%1の日数").arg(i + 1), Cell::number(t.bandDays[i])});
            }
            break;
        case Total::Calendar:
            rows.append({kCalendar, r.calendarFile});
            break;
        case Total::Projection:
            rows.append({kProjection, r.projection                  ? Cell::duration(*r.projection)
                                      : audience == Audience::Paper ? Cell(kNoProjection)
                                                                    : Cell()});
            break;
        case Total::Reasons:
            for (int i = 0; i < kReasonCount; ++i) {
                const QString caption = audience == Audience::Workbook
                                            ? ReasonCaption(i) + QStringLiteral(" (日数)")
                                            : ReasonCaption(i);
                rows.append({caption, Cell::number(t.reasonDays[i])});
            }
            break;
    }
}

}  // namespace

ReportTable DayTable(const MonthReport& r, Audience audience) {
    ReportTable table;
    const QList<DayColumn> columns = DayColumns(audience);
    for (const DayColumn column : columns) {
        table.header << DayHeader(column, audience);
        table.aligns << DayAlign(column);
    }
    QList<DayShown> days;
    if (audience == Audience::Paper) {
        for (int day = 1; day <= r.daysInMonth; ++day) {
            days.append({day, nullptr, nullptr, {}});
        }
        for (const DayEntry& d : r.sheet.days) {
            days[d.day - 1].entry = &d;
        }
        for (const UncountedDay& d : r.sheet.uncounted) {
            days[d.day - 1].uncounted = &d;
        }
        for (const LookItem& look : r.sheet.looks) {
            if (look.day > 0 && look.day <= r.daysInMonth) {
                days[look.day - 1].notes << DayNote(look);
            }
        }
    } else {
        for (const DayEntry& d : r.sheet.days) {
            days.append({d.day, &d, nullptr, {}});
        }
    }
    for (const DayShown& shown : days) {
        CellRow row;
        for (const DayColumn column : columns) {
            row << DayCell(column, r, shown, audience);
        }
        table.rows.append(row);
    }
    return table;
}

QColor DayFill(const MonthReport& r, int day, bool noted) {
    const CalendarDay& calendar = r.calendar.days[day];
    if (noted) {
        return QColor(255, 246, 214);
    }
    if (!calendar.off) {
        return Qt::transparent;
    }
    const bool saturday = QDate(r.year, r.month, day).dayOfWeek() == Qt::Saturday &&
                          calendar.holiday.isEmpty() && !calendar.fromSchool;
    return saturday ? QColor(230, 238, 252) : QColor(253, 232, 232);
}

ReportTable MonthTotalsTable(const MonthReport& r, Audience audience) {
    ReportTable table;
    table.aligns = {Align::Left, audience == Audience::Paper ? Align::Right : Align::Left};
    if (audience == Audience::Workbook) {
        table.header = {kItem, kValue};
    }
    for (const Total total : TotalRows(audience)) {
        AppendTotal(table.rows, total, r, audience);
    }
    return table;
}

ReportTable LineTable(qint64 overtime) {
    return {{Align::Left, Align::Left},
            {},
            {{QStringLiteral("目標 %1").arg(HoursText(kMonthTargetSeconds)),
              AgainstLine(overtime, kMonthTargetSeconds)},
             {QStringLiteral("上限 %1").arg(HoursText(kMonthLimitSeconds)),
              AgainstLine(overtime, kMonthLimitSeconds)},
             {HoursText(kAverageLimitSeconds), AgainstLine(overtime, kAverageLimitSeconds)},
             {QStringLiteral("%1 (未満であること)").arg(HoursText(kMonthCeilingSeconds)),
              AgainstLine(overtime, kMonthCeilingSeconds, true)}}};
}
