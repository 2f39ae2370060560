#include "report/report_tables.h"

#include "report/report_labels.h"
#include "report/text_parts.h"

#include <QHash>

// The words of the tables. A figure keeps one name; where a narrow table on a screen or a page
// titles its column shortly, the short title stands beside the full one a spreadsheet shows.
namespace {

const QString kDate = QStringLiteral("日付");
const QString kWeekday = QStringLiteral("曜日");
const QString kKind = QStringLiteral("区分");
const QString kIn = QStringLiteral("始業");
const QString kOut = QStringLiteral("終業");
const QString kAtSchool = QStringLiteral("在校時間");
const QString kAtSchoolLessBreak = QStringLiteral("在校時間 (休憩除く)");
const QString kAtSchoolColumn = QStringLiteral("在校(休憩除く)");
const QString kAtSchoolShort = QStringLiteral("在校");
const QString kOvertime = QStringLiteral("残業");
const QString kYearOvertime = QStringLiteral("年間残業");
const QString kBand = QStringLiteral("帯");
const QString kReasons = QStringLiteral("残業内容");
const QString kDayMark = QStringLiteral("休日・備考");
const QString kNote = QStringLiteral("備考");
const QString kPerson = QStringLiteral("氏名");
const QString kMonth = QStringLiteral("月");
const QString kSchoolYear = QStringLiteral("年度");
const QString kBreak = QStringLiteral("休憩 (分/日)");
const QString kDays = QStringLiteral("勤務日数");
const QString kGroup = QStringLiteral("区分");
const QString kGroupOfHighest = QStringLiteral("区分 (最多の月)");
const QString kDaysOver = QStringLiteral("残業のあった日");
const QString kDaysOverShort = QStringLiteral("残業日");
const QString kDaysOffWorked = QStringLiteral("休日に出た日");
const QString kDaysOffWorkedShort = QStringLiteral("休日出勤");
const QString kDaysOffOvertime = QStringLiteral("休日の残業");
const QString kBandTally = QStringLiteral("帯ごとの日数");
const QString kCalendar = QStringLiteral("学校カレンダー");
const QString kProjection = QStringLiteral("月末の見込み");
const QString kNoProjection = QStringLiteral("まだ出せません");
const QString kNoSheet = QStringLiteral("シートなし");
const QString kYearTotal = QStringLiteral("年間合計");
const QString kMonthMarks = QStringLiteral("判定");
const QString kRank = QStringLiteral("順位");
const QString kHighestMonth = QStringLiteral("最多の月の残業");
const QString kHighestMonthShort = QStringLiteral("最多の月");
const QString kMonthsPresent = QStringLiteral("シートの月数");
const QString kMonthsPresentShort = QStringLiteral("シート");
const QString kBroken = QStringLiteral("上限超過");
const QString kUnread = QStringLiteral("読めず");
const QString kLooks = QStringLiteral("要確認");
const QString kPeople = QStringLiteral("人数");
const QString kSheet = QStringLiteral("シート");
const QString kLine = QStringLiteral("行");
const QString kWhat = QStringLiteral("内容");
const QString kRow = QStringLiteral("行の中身");
const QString kItem = QStringLiteral("項目");
const QString kValue = QStringLiteral("値");

QString MonthsOver45Words() {
    return HoursText(kMonthLimitSeconds) + QStringLiteral("を超えた月");
}

QString MonthsAt100Words() {
    return HoursText(kMonthCeilingSeconds) + QStringLiteral("以上の月");
}

QString HighestAverageWords() {
    return QStringLiteral("%1～%2か月平均の最高").arg(kShortestSpan).arg(kLongestSpan);
}

QString SpanWords(int span) {
    return QStringLiteral("%1か月平均").arg(span);
}

bool ForSpreadsheet(Audience audience) {
    return audience == Audience::Csv || audience == Audience::Workbook;
}

// A count of days: "3 日" where it is read, a number where it is added up.
Cell DayCountCell(int count, Audience audience) {
    return ForSpreadsheet(audience) ? Cell::number(count) : Cell(DayCount(count));
}

// The staff's group words for one month, so that a month reads the same in every view.
QString MonthMarks(qint64 overtime) {
    const StaffGroup group = GroupFor(overtime);
    return group == StaffGroup::UpTo45 ? QString() : GroupName(group);
}

QString Verdict(bool broken) {
    return broken ? QStringLiteral("超過") : QStringLiteral("以内");
}

// The month's totals as the year's and the staff's tables show them after the month's name.
CellRow TotalsCells(const Cell& label, const MonthTotals& t) {
    return {label,
            Cell::duration(t.overtimeSeconds),
            Cell::number(t.days),
            Cell::number(t.daysOverRegular),
            Cell::number(t.daysOffWorked),
            Cell::duration(t.daysOffOvertimeSeconds)};
}

void AppendReasonCounts(CellRow& row, const MonthTotals& t) {
    for (int count : t.reasonDays) {
        row << Cell::number(count);
    }
}

void AppendReasonCaptions(QStringList& header) {
    for (int i = 0; i < kReasonCount; ++i) {
        header << ReasonCaption(i);
    }
}

// Counted or not, what a look at the day says on paper, whole.
QString DayNote(const LookItem& look) {
    if (look.reason == LookReason::UnreadableReasons) {
        return QStringLiteral("残業内容 %1 は A～K の記号ではありません (時間は数えています)")
            .arg(look.detail);
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

// A span's average: on screen and paper "-" where no average is made and " 超" past the line.
Cell AverageCell(const std::optional<SpanAverage>& average, Audience audience) {
    if (!average) {
        return ForSpreadsheet(audience) ? Cell() : Cell(QStringLiteral("-"));
    }
    if (ForSpreadsheet(audience)) {
        return Cell::duration(average->averageSeconds());
    }
    const QString value = FormatDuration(average->averageSeconds());
    return average->overLimit() ? value + QStringLiteral(" 超") : value;
}

}  // namespace

Cell Cell::number(qint64 value) {
    Cell cell;
    cell.kind = Kind::Number;
    cell.value = value;
    return cell;
}

Cell Cell::duration(qint64 seconds) {
    Cell cell = number(seconds);
    cell.kind = Kind::Duration;
    return cell;
}

Cell Cell::clock(int minuteOfDay) {
    Cell cell = number(minuteOfDay);
    cell.kind = Kind::Clock;
    return cell;
}

Cell Cell::date(QDate date) {
    Cell cell;
    cell.kind = Kind::Date;
    cell.when = date;
    return cell;
}

Cell Cell::month(int year, int month) {
    Cell cell = date(QDate(year, month, 1));
    cell.kind = Kind::Month;
    return cell;
}

QString Cell::toText() const {
    switch (kind) {
        case Kind::Text:
            return text;
        case Kind::Number:
            return QString::number(value);
        case Kind::Duration:
            return FormatDuration(value);
        case Kind::Clock:
            return FormatClock(int(value));
        case Kind::Date:
            return QStringLiteral("%1/%2/%3").arg(when.year()).arg(when.month()).arg(when.day());
        case Kind::Month:
            return FormatMonth(when.year(), when.month());
    }
    return {};
}

QString ReportTable::render(int indent) const {
    TextTable table(aligns);
    table.setHeader(header);
    for (const CellRow& row : rows) {
        QStringList cells;
        for (const Cell& cell : row) {
            cells << cell.toText();
        }
        table.addRow(cells);
    }
    return table.render(indent);
}

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

QString YearHeading(const YearReport& r) {
    return QStringLiteral("%1 さんの %2年度 (%2年4月～%3年3月) の残業")
        .arg(r.person, QString::number(r.schoolYear), QString::number(r.schoolYear + 1));
}

ReportTable YearMonthTable(const YearReport& r, Audience audience) {
    const bool sheet = ForSpreadsheet(audience);
    ReportTable table;
    table.aligns = {Align::Left,  Align::Right, Align::Right,
                    Align::Right, Align::Right, Align::Right};
    table.header = {kMonth,
                    kOvertime,
                    kDays,
                    sheet ? kDaysOver : kDaysOverShort,
                    sheet ? kDaysOffWorked : kDaysOffWorkedShort,
                    kDaysOffOvertime};
    for (int span = kShortestSpan; span <= kLongestSpan; ++span) {
        table.aligns << Align::Right;
        table.header << SpanWords(span);
    }
    if (audience != Audience::Csv) {
        table.aligns << Align::Left;
        table.header << (audience == Audience::Workbook ? kGroup : kMonthMarks);
    }
    if (sheet) {
        AppendReasonCaptions(table.header);
    }
    for (int m = 0; m < kSchoolYearMonths; ++m) {
        const Cell month = Cell::month(CalendarYearOf(r.schoolYear, m), CalendarMonthOf(m));
        if (!r.months[m]) {
            table.rows.append({month, kNoSheet});
            continue;
        }
        CellRow row = TotalsCells(month, *r.months[m]);
        for (const auto& average : r.verdict.averages[m]) {
            row << AverageCell(average, audience);
        }
        if (audience != Audience::Csv) {
            row << MonthMarks(r.months[m]->overtimeSeconds);
        }
        if (sheet) {
            AppendReasonCounts(row, *r.months[m]);
        }
        table.rows.append(row);
    }
    // A workbook adds its months up itself.
    if (audience != Audience::Workbook) {
        table.rows.append(TotalsCells(kYearTotal, r.total));
    }
    return table;
}

ReportTable YearLimitTable(const YearVerdict& v) {
    QString highest = QStringLiteral("計算できる区間なし");
    QString verdict = QStringLiteral("判定できません");
    if (v.highestAverage) {
        highest = QStringLiteral("最高 %1 (%2月までの %3か月)")
                      .arg(FormatDuration(v.highestAverage->averageSeconds()),
                           QString::number(CalendarMonthOf(v.highestAverageEnd)),
                           QString::number(v.highestAverage->months));
        verdict = v.spansOver80 > 0 ? QStringLiteral("超過 (%1超の区間 %2)")
                                          .arg(HoursText(kAverageLimitSeconds))
                                          .arg(v.spansOver80)
                                    : Verdict(false);
    }
    return {
        {Align::Left, Align::Left, Align::Left},
        {},
        {{QStringLiteral("年間 %1").arg(HoursText(kYearLimitSeconds)),
          FormatDuration(v.totalSeconds), AgainstLine(v.totalSeconds, kYearLimitSeconds)},
         {QStringLiteral("年間 %1 (特例)").arg(HoursText(kYearSpecialLimitSeconds)),
          FormatDuration(v.totalSeconds), AgainstLine(v.totalSeconds, kYearSpecialLimitSeconds)},
         {QStringLiteral("%1 (%2か月まで)").arg(MonthsOver45Words()).arg(kMonthsOver45Allowed),
          QStringLiteral("%1 か月").arg(v.monthsOver45), Verdict(v.tooManyMonthsOver45())},
         {QStringLiteral("%1～%2か月平均 (%3まで)")
              .arg(kShortestSpan)
              .arg(kLongestSpan)
              .arg(HoursText(kAverageLimitSeconds)),
          highest, verdict},
         {QStringLiteral("%1 (ないこと)").arg(MonthsAt100Words()),
          QStringLiteral("%1 か月").arg(v.monthsAt100), Verdict(v.monthsAt100 > 0)}}};
}

ReportTable YearFactsTable(const YearReport& r, Audience audience) {
    ReportTable table{{Align::Left, Align::Left, Align::Left}, {}, {}};
    table.rows.append({kPerson, r.person});
    table.rows.append({kSchoolYear, Cell::number(r.schoolYear)});
    if (audience == Audience::Workbook) {
        table.rows.append({QStringLiteral("年間の残業"), Cell::duration(r.total.overtimeSeconds)});
        return table;
    }
    const YearVerdict& v = r.verdict;
    table.rows.append({kBreak, Cell::number(r.breakMinutes)});
    table.rows.append({MonthsOver45Words(), Cell::number(v.monthsOver45)});
    table.rows.append({MonthsAt100Words(), Cell::number(v.monthsAt100)});
    table.rows.append(
        {QStringLiteral("%1を超えた平均の区間").arg(HoursText(kAverageLimitSeconds)),
         v.highestAverage ? Cell::number(v.spansOver80) : Cell(QStringLiteral("判定できません"))});
    for (int m = 0; m < kLeadMonths; ++m) {
        if (r.lead[m]) {
            const int index = m - kLeadMonths;
            table.rows.append(
                {QStringLiteral("平均にだけ使う前年度の月"),
                 Cell::month(CalendarYearOf(r.schoolYear, index), CalendarMonthOf(index)),
                 Cell::duration(*r.lead[m])});
        }
    }
    for (const qint64 line : {kYearLimitSeconds, kYearSpecialLimitSeconds}) {
        table.rows.append(
            {QStringLiteral("年間") + HoursText(line), AgainstLine(v.totalSeconds, line)});
    }
    return table;
}

QString BrokenLimits(const YearVerdict& v) {
    const auto hours = [](qint64 seconds) { return seconds / kHourSeconds; };
    QStringList broken;
    if (v.overSpecialYearLimit()) {
        broken << QStringLiteral("年%1h").arg(hours(kYearSpecialLimitSeconds));
    } else if (v.overYearLimit()) {
        broken << QStringLiteral("年%1h").arg(hours(kYearLimitSeconds));
    }
    if (v.tooManyMonthsOver45()) {
        broken << QStringLiteral("%1h超%2か月").arg(hours(kMonthLimitSeconds)).arg(v.monthsOver45);
    }
    if (v.spansOver80 > 0) {
        broken << QStringLiteral("平均%1h").arg(hours(kAverageLimitSeconds));
    }
    if (v.monthsAt100 > 0) {
        broken << QStringLiteral("月%1h").arg(hours(kMonthCeilingSeconds));
    }
    return broken.join(QLatin1Char(' '));
}

QString LooksCovered(int schoolYear) {
    return QStringLiteral("%1年11月～%2年3月のシート (11月～3月は平均にだけ使う前年度の月)")
        .arg(QString::number(schoolYear - 1), QString::number(schoolYear + 1));
}

QString LeadLine(const YearReport& r) {
    QStringList found;
    for (int m = 0; m < kLeadMonths; ++m) {
        if (r.lead[m]) {
            const int index = m - kLeadMonths;
            found << FormatMonth(CalendarYearOf(r.schoolYear, index), CalendarMonthOf(index)) +
                         QLatin1Char(' ') + FormatDuration(*r.lead[m]);
        }
    }
    return found.isEmpty()
               ? QStringLiteral("(前年度の 11月～3月のシートはなく、4月から始まる平均だけです)")
               : QStringLiteral("(平均にだけ使う前年度のシート: %1)")
                     .arg(found.join(QStringLiteral("、")));
}

QString StaffHeading(const StaffReport& r) {
    const QString period =
        r.schoolYear
            ? QStringLiteral("%1年度 (%1年4月～%2年3月)").arg(*r.schoolYear).arg(*r.schoolYear + 1)
            : FormatMonth(r.year, r.month);
    return QStringLiteral("%1 全員の残業 (%2 人、残業の多い順)").arg(period).arg(r.rows.size());
}

ReportTable StaffTable(const StaffReport& r, Audience audience) {
    const bool year = r.schoolYear.has_value();
    const bool sheet = ForSpreadsheet(audience);
    // The year's page leaves the reason letters out: the limits need the room.
    const bool letters = audience == Audience::Screen || (audience == Audience::Paper && !year);
    ReportTable table;
    table.aligns = {Align::Right, Align::Left, Align::Right, Align::Left};
    const bool yearTitles = year && audience != Audience::Csv;
    table.header = {kRank, kPerson, yearTitles ? kYearOvertime : kOvertime,
                    yearTitles ? kGroupOfHighest : kGroup};
    if (year && sheet) {
        table.header << kHighestMonth << kMonthsPresent << MonthsOver45Words() << MonthsAt100Words()
                     << HighestAverageWords();
    } else if (year) {
        table.aligns << Align::Right << Align::Right << Align::Left;
        table.header << kHighestMonthShort << kMonthsPresentShort;
    }
    if (year && audience != Audience::Csv) {
        table.header << kBroken;
    }
    table.aligns << Align::Right << Align::Right << Align::Right << Align::Right;
    table.header << kDays << (sheet ? kDaysOver : kDaysOverShort)
                 << (sheet ? kDaysOffWorked : kDaysOffWorkedShort) << kDaysOffOvertime;
    if (sheet) {
        AppendReasonCaptions(table.header);
    }
    for (int i = 0; letters && i < kReasonCount; ++i) {
        table.aligns << Align::Right;
        table.header << QString(ReasonLetter(i));
    }
    table.aligns << Align::Right;
    table.header << kLooks;
    int rank = 0;
    for (const StaffRow& row : r.rows) {
        CellRow cells{Cell::number(++rank), row.person, Cell::duration(row.overtimeSeconds),
                      row.monthsPresent > 0 ? GroupName(row.group) : kUnread};
        const YearVerdict v = row.verdict.value_or(YearVerdict{});
        if (year && sheet) {
            cells << Cell::duration(row.groupBasisSeconds) << Cell::number(row.monthsPresent)
                  << Cell::number(v.monthsOver45) << Cell::number(v.monthsAt100)
                  << (v.highestAverage ? Cell::duration(v.highestAverage->averageSeconds())
                                       : Cell());
        } else if (year) {
            cells << Cell::duration(row.groupBasisSeconds)
                  << QStringLiteral("%1か月").arg(row.monthsPresent);
        }
        if (year && audience != Audience::Csv) {
            cells << (row.verdict ? BrokenLimits(*row.verdict) : QString());
        }
        cells << Cell::number(row.totals.days) << Cell::number(row.totals.daysOverRegular)
              << Cell::number(row.totals.daysOffWorked)
              << Cell::duration(row.totals.daysOffOvertimeSeconds);
        if (sheet || letters) {
            AppendReasonCounts(cells, row.totals);
        }
        cells << (sheet || row.lookCount > 0 ? Cell::number(row.lookCount) : Cell());
        table.rows.append(cells);
    }
    return table;
}

ReportTable GroupTable(const StaffReport& r, Audience audience) {
    const bool sheet = ForSpreadsheet(audience);
    ReportTable table{{Align::Left, Align::Right}, {}, {}};
    if (sheet) {
        table.header = {kGroup, kPeople};
    }
    for (int g = 0; g < kStaffGroupCount; ++g) {
        table.rows.append({GroupName(StaffGroup(g)),
                           sheet ? Cell::number(r.groupCounts[g])
                                 : Cell(QStringLiteral("%1 人").arg(r.groupCounts[g]))});
    }
    return table;
}

ReportTable StaffMonthTable(const StaffReport& r, int month) {
    ReportTable table;
    table.header = {kPerson, kOvertime, kGroup, kDays, kDaysOver, kDaysOffWorked, kDaysOffOvertime};
    AppendReasonCaptions(table.header);
    for (const StaffRow& p : r.rows) {
        const auto& totals = month < int(p.months.size()) ? p.months[month] : std::nullopt;
        if (!totals) {
            continue;
        }
        CellRow row = TotalsCells(p.person, *totals);
        row.insert(2, GroupName(GroupFor(totals->overtimeSeconds)));
        AppendReasonCounts(row, *totals);
        table.rows.append(row);
    }
    return table;
}

ReportTable LookTable(const QList<LookItem>& looks, Audience audience) {
    ReportTable table{
        {Align::Left, Align::Right, Align::Left, Align::Left}, {kSheet, kLine, kWhat, kRow}, {}};
    if (audience == Audience::Csv) {
        table.header.prepend(kLooks);
    }
    for (const LookItem& look : looks) {
        Cell line;
        if (look.line > 0) {
            line = audience == Audience::Screen ? Cell(QStringLiteral("%1行目").arg(look.line))
                                                : Cell::number(look.line);
        }
        CellRow row{look.file, line, LookReasonText(look.reason), look.detail};
        if (audience == Audience::Csv) {
            row.prepend(QString());
        }
        table.rows.append(row);
    }
    return table;
}
