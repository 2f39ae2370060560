#include "records/day_rows.h"

#include <algorithm>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The line as the file holds it, or as it would be written: the first field and the blanks and
// commas looked at here are ASCII in CP932 and UTF-8 alike, and never part of a two-byte character.
QByteArray LineBytes(const SheetLine& line) {
    return line.isFromDisk() ? line.originalBytes() : line.text().toUtf8();
}

}  // namespace

bool IsEmptyRow(const SheetLine& line) {
    const QByteArray bytes = LineBytes(line);
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return IsBlank(c) || c == ','; });
}

std::optional<int> RowDay(const SheetLine& line) {
    const QByteArray bytes = LineBytes(line);
    qsizetype end = bytes.indexOf(',');
    if (end < 0) {
        end = bytes.size();
    }
    qsizetype at = 0;
    while (at < end && IsBlank(bytes[at])) {
        ++at;
    }
    while (end > at && IsBlank(bytes[end - 1])) {
        --end;
    }
    while (at < end - 1 && bytes[at] == '0') {
        ++at;
    }
    if (end - at < 1 || end - at > 2) {
        return std::nullopt;
    }
    int day = 0;
    for (qsizetype i = at; i < end; ++i) {
        if (bytes[i] < '0' || bytes[i] > '9') {
            return std::nullopt;
        }
        day = day * 10 + (bytes[i] - '0');
    }
    return day >= 1 && day <= 31 ? std::optional<int>(day) : std::nullopt;
}

DayRows::DayRows(const QList<SheetLine>& lines) : lines_(lines) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto day = RowDay(lines[i])) {
            rowsOfDay_[size_t(*day)].append(i);
            clockLayout_ = clockLayout_ && i == *day;
        }
    }
}

DayRowPlace DayRows::find(int day) const {
    DayRowPlace place;
    if (day < 1 || day > 31) {
        return place;
    }
    const QList<qsizetype>& rows = rowsOfDay_[size_t(day)];
    if (rows.size() == 1) {
        place.finding = DayRowFinding::Found;
        place.line = rows.first();
    } else if (rows.size() > 1) {
        place.finding = DayRowFinding::Duplicated;
        place.lines = rows;
    } else if (clockLayout_ && (day >= lines_.size() || IsEmptyRow(lines_[day]))) {
        place.finding = DayRowFinding::Found;
        place.line = day;
    }
    return place;
}
