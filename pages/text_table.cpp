#include "pages/text_table.h"

#include <algorithm>

namespace {

bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
           (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) ||
           (c >= 0x1F900 && c <= 0x1F9FF) || (c >= 0x20000 && c <= 0x3FFFD);
}

QString Pad(const QString& cell, int width, Align align) {
    const QString fill(std::max(0, width - DisplayWidth(cell)), QLatin1Char(' '));
    return align == Align::Right ? fill + cell : cell + fill;
}

}  // namespace

int DisplayWidth(QStringView text) {
    int width = 0;
    for (const char32_t c : text.toUcs4()) {
        width += IsWide(c) ? 2 : 1;
    }
    return width;
}

QString TextTable::render(int indent) const {
    QList<int> widths(columns_.size(), 0);
    const auto measure = [&widths](const QStringList& cells) {
        for (qsizetype i = 0; i < cells.size() && i < widths.size(); ++i) {
            widths[i] = std::max(widths[i], DisplayWidth(cells[i]));
        }
    };
    measure(header_);
    for (const QStringList& row : rows_) {
        measure(row);
    }
    const QString margin(indent, QLatin1Char(' '));
    const auto line = [&](const QStringList& cells) {
        QString text = margin;
        for (qsizetype i = 0; i < columns_.size(); ++i) {
            if (i > 0) {
                text += QStringLiteral("  ");
            }
            text += Pad(cells.value(i), widths[i], columns_[i]);
        }
        while (text.endsWith(QLatin1Char(' '))) {
            text.chop(1);
        }
        return text + QLatin1Char('\n');
    };
    QString out;
    if (!header_.isEmpty()) {
        out += line(header_);
        int total = 0;
        for (int w : widths) {
            total += w;
        }
        total += 2 * int(std::max<qsizetype>(0, widths.size() - 1));
        out += margin + QString(total, QLatin1Char('-')) + QLatin1Char('\n');
    }
    for (const QStringList& row : rows_) {
        out += line(row);
    }
    return out;
}
