#pragma once

#include "pages/report_tables.h"

#include <QString>
#include <QStringList>

// The words and the pieces of cells the report's tables share (report_tables.cpp, month_tables.cpp,
// year_tables.cpp, staff_tables.cpp). A figure keeps one name; where a narrow table on a screen or
// a page titles its column shortly, the short title stands beside the full one a spreadsheet
// shows.
namespace table {

inline const QString kDate = QStringLiteral("日付");
inline const QString kWeekday = QStringLiteral("曜日");
inline const QString kKind = QStringLiteral("区分");
inline const QString kIn = QStringLiteral("始業");
inline const QString kOut = QStringLiteral("終業");
inline const QString kAtSchool = QStringLiteral("在校時間");
inline const QString kAtSchoolLessBreak = QStringLiteral("在校時間 (休憩除く)");
inline const QString kAtSchoolColumn = QStringLiteral("在校(休憩除く)");
inline const QString kAtSchoolShort = QStringLiteral("在校");
inline const QString kOvertime = QStringLiteral("残業");
inline const QString kYearOvertime = QStringLiteral("年間残業");
inline const QString kBand = QStringLiteral("帯");
inline const QString kReasons = QStringLiteral("残業内容");
inline const QString kDayMark = QStringLiteral("休日・備考");
inline const QString kNote = QStringLiteral("備考");
inline const QString kPerson = QStringLiteral("氏名");
inline const QString kMonth = QStringLiteral("月");
inline const QString kSchoolYear = QStringLiteral("年度");
inline const QString kBreak = QStringLiteral("休憩 (分/日)");
inline const QString kDays = QStringLiteral("勤務日数");
inline const QString kGroup = QStringLiteral("区分");
inline const QString kGroupOfHighest = QStringLiteral("区分 (最多の月)");
inline const QString kDaysOver = QStringLiteral("残業のあった日");
inline const QString kDaysOverShort = QStringLiteral("残業日");
inline const QString kDaysOffWorked = QStringLiteral("休日に出た日");
inline const QString kDaysOffWorkedShort = QStringLiteral("休日出勤");
inline const QString kDaysOffOvertime = QStringLiteral("休日の残業");
inline const QString kBandTally = QStringLiteral("帯ごとの日数");
inline const QString kCalendar = QStringLiteral("学校カレンダー");
inline const QString kProjection = QStringLiteral("月末の見込み");
inline const QString kNoProjection = QStringLiteral("まだ出せません");
inline const QString kNoSheet = QStringLiteral("シートなし");
inline const QString kYearTotal = QStringLiteral("年間合計");
inline const QString kMonthMarks = QStringLiteral("判定");
inline const QString kRank = QStringLiteral("順位");
inline const QString kHighestMonth = QStringLiteral("最多の月の残業");
inline const QString kHighestMonthShort = QStringLiteral("最多の月");
inline const QString kMonthsPresent = QStringLiteral("シートの月数");
inline const QString kMonthsPresentShort = QStringLiteral("シート");
inline const QString kBroken = QStringLiteral("上限超過");
inline const QString kUnread = QStringLiteral("読めず");
inline const QString kLooks = QStringLiteral("要確認");
inline const QString kPeople = QStringLiteral("人数");
inline const QString kSheet = QStringLiteral("シート");
inline const QString kLine = QStringLiteral("行");
inline const QString kWhat = QStringLiteral("内容");
inline const QString kRow = QStringLiteral("行の中身");
inline const QString kItem = QStringLiteral("項目");
inline const QString kValue = QStringLiteral("値");

// "45時間を超えた月", "100時間以上の月", "2～6か月平均の最高", "3か月平均".
QString MonthsOverLimitWords();
QString MonthsAtCeilingWords();
QString HighestAverageWords();
QString SpanWords(int span);

bool ForSpreadsheet(Audience audience);
// A count of days: "3 日" where it is read, a number where it is added up.
Cell DayCountCell(int count, Audience audience);
// The staff's group words for one month, so that a month reads the same in every view: nothing
// up to 45 h.
QString MonthMarks(qint64 overtime);
// A month's totals after the month's label: overtime, days, days over, days off, their overtime.
CellRow TotalsCells(const Cell& label, const MonthTotals& t);
void AppendReasonCounts(CellRow& row, const MonthTotals& t);
void AppendReasonCaptions(QStringList& header);

}  // namespace table
