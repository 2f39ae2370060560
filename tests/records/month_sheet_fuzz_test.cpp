// Thousands of sheets as other programs (or damage) might leave them, each read, cut, given a new
// row for today and saved: nothing may crash, and every row the save did not replace must go back
// to disk with exactly the bytes it had.
#include "records/month_sheet.h"
#include "tests/records/sheet_test_support.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

#include <memory>
#include <random>
#include <vector>

namespace {

// mt19937's sequence is fixed by the C++ standard; the distributions are not, so none are used.
class Random {
public:
    explicit Random(uint32_t seed) : engine_(seed) {}
    uint32_t Below(uint32_t n) { return engine_() % n; }
    bool Percent(uint32_t p) { return Below(100) < p; }
    char Byte() { return char(Below(256)); }
    QByteArray Digits(int maxCount) {
        QByteArray digits;
        for (int n = int(Below(maxCount + 1)); n > 0; --n) {
            digits += char('0' + Below(10));
        }
        return digits;
    }

private:
    std::mt19937 engine_;
};

QByteArray SomeLine(Random& random) {
    static const QByteArray kPieces[] = {
        "\xFB\xFC",
        "\xEE\xE0",
        "\x8C\x8E",
        "\x81\x5E",
        "\x87\x40",
        "\xED\x40",
        "\xFA\x40",
        "\xB6\xC5",
        "\x81",
        "\xFF",
        "\x80",
        "\xA0",
        "\xFD",
        "\t",
        "\r",
        ",",
        ":",
        "A",
        QByteArray(1, '\0'),
    };
    QByteArray line;
    switch (random.Below(5)) {
        case 0:  // a row as the clock writes it
            line = ' ' + QByteArray::number(1 + random.Below(31));
            for (int field = 0; field < 4; ++field) {
                line += ',' + random.Digits(2);
            }
            return line + ',' + QByteArray("ABCDEFGH").left(int(random.Below(9)));
        case 1:  // any number of commas
            for (int n = int(random.Below(9)); n > 0; --n) {
                line += random.Digits(3) + ',';
            }
            return line + random.Digits(3);
        case 2:  // valid and broken double-byte characters among the fields
            for (int n = int(random.Below(12)); n > 0; --n) {
                line += kPieces[random.Below(std::size(kPieces))];
            }
            return line;
        case 3:  // noise
            for (int n = int(random.Below(40)); n > 0; --n) {
                line += random.Byte();
            }
            return line;
        default:
            return {};
    }
}

QByteArray SomeSheet(Random& random) {
    static const char* const kEnds[] = {"\r\n", "\r\n", "\r\n", "\n", "\r", "\r\r\n", ""};
    QByteArray sheet;
    for (int n = int(random.Below(42)); n > 0; --n) {
        sheet += SomeLine(random) + kEnds[random.Below(std::size(kEnds))];
    }
    if (random.Percent(30)) {  // damage: flipped, inserted, dropped bytes, a cut-off end
        for (int n = 1 + int(random.Below(5)); n > 0 && !sheet.isEmpty(); --n) {
            const qsizetype at = random.Below(uint32_t(sheet.size()));
            switch (random.Below(4)) {
                case 0:
                    sheet[at] = random.Byte();
                    break;
                case 1:
                    sheet.insert(at, random.Byte());
                    break;
                case 2:
                    sheet.remove(at, 1);
                    break;
                default:
                    sheet.truncate(at);
                    break;
            }
        }
    }
    return sheet;
}

// The lines any reader of the sheet must find: CR LF, LF and a lone CR each end one; a last piece
// without an end only when it is not empty; no more than 32. `rest` is what follows them.
std::vector<QByteArray> ExpectedLines(const QByteArray& sheet, QByteArray& rest) {
    std::vector<QByteArray> lines;
    const char* at = sheet.constData();
    const char* const end = at + sheet.size();
    const char ends[] = {'\r', '\n'};
    while (at < end && lines.size() < 32) {
        const char* lineEnd = std::find_first_of(at, end, std::begin(ends), std::end(ends));
        lines.emplace_back(at, lineEnd - at);
        at = lineEnd;
        if (at < end && *at == '\r') {
            ++at;
            if (at < end && *at == '\n') {
                ++at;
            }
        } else if (at < end) {
            ++at;
        }
    }
    rest = QByteArray(at, end - at);
    return lines;
}

TEST(MonthSheetFuzz, damagedSheetsNeverCrashAndUntouchedRowsKeepTheirBytes) {
    // Every save syncs its file to disk; on tmpfs, where there is one, that costs nothing.
    auto dir = std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/month-sheet-fuzz-XXXXXX"));
    if (!dir->isValid()) {
        dir = std::make_unique<QTemporaryDir>();
    }
    ASSERT_TRUE(dir->isValid());
    const QString path = dir->filePath(QStringLiteral("sheet.csv"));
    Random random(20170707);
    for (int round = 0; round < 3000; ++round) {
        const QByteArray sheet = SomeSheet(random);
        PutFileBytes(path, sheet);
        QByteArray rest;
        const std::vector<QByteArray> lines = ExpectedLines(sheet, rest);

        SheetTable table;
        for (int i = 0; i < kSheetLineCount; ++i) {
            table[i] = QStringLiteral("earlier %1").arg(i);
        }
        const SheetReadResult read = ReadSheetFile(path, table);
        ASSERT_TRUE(read.outcome.ok()) << read.outcome.why().toStdString();
        ASSERT_EQ(read.linesRead, int(lines.size())) << "round " << round;
        ASSERT_EQ(read.rest, rest) << "round " << round;
        for (const SheetLine& line : table) {
            const DayRowCut cut = SplitDayRow(line.text());
            ASSERT_FALSE(cut.inHour && cut.inHour->contains(',')) << "round " << round;
            SplitTimeText(line.text());
        }

        SheetState state;
        state.InHour = QString::fromLatin1(random.Digits(2));
        state.InMinute = QString::fromLatin1(random.Digits(2));
        const int today = 1 + int(random.Below(31));
        table[today] = ComposeDayRow(state, today);
        const FileOutcome written = WriteSheetFile(path, table, read.rest);
        ASSERT_TRUE(written.ok()) << written.why().toStdString();

        QByteArray expected;
        for (int i = 0; i < 32; ++i) {
            if (i == today) {
                expected += table[i].text().toLatin1();
            } else if (i < int(lines.size())) {
                expected += lines[i];
            } else {
                expected += "earlier " + QByteArray::number(i);
            }
            expected += "\r\n";
        }
        expected += rest;
        ASSERT_EQ(FileBytes(path), expected) << "round " << round;
    }
}

}  // namespace
