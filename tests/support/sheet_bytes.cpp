#include "tests/support/sheet_bytes.h"

#include <QList>

QByteArray BlankRows(int first, int last) {
    QByteArray rows;
    for (int day = first; day <= last; ++day) {
        rows += ' ' + QByteArray::number(day) + ",,,,,\r\n";
    }
    return rows;
}

QByteArray SheetBytes(const QByteArray& header, const std::map<int, QByteArray>& rows, int days) {
    QByteArray bytes = header + "\r\n";
    for (int day = 1; day <= days; ++day) {
        const auto row = rows.find(day);
        bytes += row != rows.end() ? row->second + "\r\n" : BlankRows(day, day);
    }
    return bytes;
}

QByteArray SheetRow(const QByteArray& bytes, int day) {
    const QList<QByteArray> lines = bytes.split('\n');
    return day < lines.size() ? lines[day].chopped(1) : QByteArray();
}
