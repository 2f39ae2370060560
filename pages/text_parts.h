#pragma once

#include "overtime/day_figures.h"
#include "overtime/sheet_days.h"

#include <QList>
#include <QString>

// Pieces the text reports share.

// The break and the overtime rule; on paper without the option that changes the break.
QString BreakNote(int breakMinutes, bool onPaper = false);
QString DayCount(int count);
// "A:学校行事 3日  F:部活動指導 5日", only the letters given, four to a line, the lines after
// the first indented by `indent`.
QString ReasonTally(const MonthTotals& totals, int indent = 0);
// The same on paper, in one run that wraps between the items: "A:学校行事 3日  F:部活動指導 5日",
// each item held together.
QString PaperReasonTally(const MonthTotals& totals);
// "帯1 8日  帯2 5日", only the bands that occur.
QString BandTally(const MonthTotals& totals);
// "残業内容の記号: A:学校行事  B:職員会議 ...": every letter, for a table that shows letters.
QString ReasonLegend();
// "要確認 (3 件。...)", with the months the list covers when it is given.
QString LookHeading(qsizetype count, const QString& covered = {});
// The days that need a look, as a table after a heading; nothing when there are none.
QString LookList(const QList<LookItem>& looks, const QString& covered = {});
// A month's overtime against the 30 h target and the 45, 80 and 100 h lines.
QString LinesBlock(qint64 overtime);
