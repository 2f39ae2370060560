#include "clock/reason_captions.h"
#include "pages/board_tables.h"
#include "pages/report_tables.h"

#include <gtest/gtest.h>

namespace {

constexpr Audience kAudiences[] = {Audience::Screen, Audience::Paper, Audience::Csv,
                                   Audience::Workbook};

bool ForSheet(Audience audience) {
    return audience == Audience::Csv || audience == Audience::Workbook;
}

// `people` teachers, most overtime first, each reason given on a number of days of its own.
StaffReport Staff(int people, bool schoolYear) {
    StaffReport r;
    if (schoolYear) {
        r.schoolYear = 2017;
    } else {
        r.year = 2017;
        r.month = 7;
    }
    for (int p = 0; p < people; ++p) {
        StaffRow row;
        row.person = QStringLiteral("教員%1").arg(p + 1);
        row.overtimeSeconds = qint64(people - p) * 20 * 3600;
        row.groupBasisSeconds = row.overtimeSeconds;
        row.monthsPresent = 1;
        row.totals.days = 20;
        for (int i = 0; i < kReasonCount; ++i) {
            row.totals.reasonDays[i] = 100 * p + i + 1;
        }
        if (schoolYear) {
            row.verdict = YearVerdict{};
        }
        r.rows.append(row);
        ++r.groupCounts[0];
    }
    return r;
}

QStringList Texts(const CellRow& row) {
    QStringList texts;
    for (const Cell& cell : row) {
        texts << cell.toText();
    }
    return texts;
}

// Every form of the staff's list has a column for each reason of the reason table, in its order,
// and each person's days for that reason under it (the year's page alone leaves them out for the
// limits); a row a person in the report's order, each as long as the heading.
TEST(StaffTables, eachReasonsDaysStandUnderItsOwnHeadingInEveryForm) {
    for (const bool year : {false, true}) {
        const StaffReport staff = Staff(3, year);
        for (const Audience audience : kAudiences) {
            SCOPED_TRACE(testing::Message() << "year " << year << " audience " << int(audience));
            const ReportTable table = StaffTable(staff, audience);
            if (!ForSheet(audience)) {
                EXPECT_EQ(table.aligns.size(), table.header.size());
            }
            QList<qsizetype> columns;
            for (int i = 0; i < kReasonCount; ++i) {
                columns << table.header.indexOf(ForSheet(audience) ? ReasonCaption(i)
                                                                   : QString(ReasonLetter(i)));
            }
            const bool reasonsShown = !(year && audience == Audience::Paper);
            if (!reasonsShown) {
                EXPECT_EQ(columns, QList<qsizetype>(kReasonCount, -1));
            }
            ASSERT_EQ(table.rows.size(), staff.rows.size());
            for (qsizetype p = 0; p < table.rows.size(); ++p) {
                const CellRow& row = table.rows[p];
                ASSERT_EQ(row.size(), table.header.size());
                EXPECT_EQ(row[0].toText(), QString::number(p + 1));
                EXPECT_EQ(row[1].toText(), staff.rows[p].person);
                for (int i = 0; reasonsShown && i < kReasonCount; ++i) {
                    ASSERT_EQ(columns[i], columns[0] + i);
                    EXPECT_EQ(row[columns[i]].value, staff.rows[p].totals.reasonDays[i]);
                }
            }
        }
    }
}

// The board's list is each school's own list, school by school, the school named first on every
// row; its summary has a row a school and under them the board's total of them all.
TEST(BoardTables, eachSchoolsListInTurnAndASummaryThatAddsThemUp) {
    BoardReport board;
    board.year = 2017;
    board.month = 7;
    board.schools = {{QStringLiteral("第一中学校"), QStringLiteral("s1"), Staff(3, false)},
                     {QStringLiteral("第二中学校"), QStringLiteral("s2"), Staff(2, false)}};
    for (const Audience audience : kAudiences) {
        SCOPED_TRACE(testing::Message() << "audience " << int(audience));
        const ReportTable all = BoardStaffTable(board, audience);
        QList<QStringList> expected;
        for (const SchoolReport& school : board.schools) {
            const ReportTable own = StaffTable(school.staff, audience);
            EXPECT_EQ(all.header, QStringList{QStringLiteral("学校")} + own.header);
            for (const CellRow& row : own.rows) {
                expected << QStringList{school.name} + Texts(row);
            }
        }
        QList<QStringList> rows;
        for (const CellRow& row : all.rows) {
            rows << Texts(row);
        }
        EXPECT_EQ(rows, expected);

        const ReportTable summary = SchoolSummaryTable(board, audience);
        ASSERT_EQ(summary.rows.size(), 3);
        const qsizetype staffColumn = ForSheet(audience) ? 2 : 1;
        const qsizetype highestColumn = staffColumn + 1 + kStaffGroupCount;
        EXPECT_EQ(summary.rows[0][0].toText(), board.schools[0].name);
        EXPECT_EQ(summary.rows[1][0].toText(), board.schools[1].name);
        EXPECT_EQ(summary.rows[2][staffColumn].value, 5);
        EXPECT_EQ(summary.rows[2][staffColumn + 1].value, 5);  // everyone in the first group
        // The highest month of all is the first school's.
        EXPECT_EQ(summary.rows[2][highestColumn].toText(), QStringLiteral("60:00"));
        for (const CellRow& row : summary.rows) {
            EXPECT_EQ(row.size(), summary.header.size());
        }
    }
}

}  // namespace
