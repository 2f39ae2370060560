#include "pages/pdf_pages.h"

#include "pages/shown_text.h"

#include <algorithm>

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>

namespace {

constexpr double kMargin = 120;
constexpr double kFooterTop = kMargin + kPdfContentHeight + 40;
constexpr double kCellPadding = 12;
// A cell, a line of text and a line of the heading hold so many lines at most; what is longer is
// cut with a mark that says how much is left out.
constexpr int kMaxCellLines = 12;
constexpr int kMaxParagraphLines = 20;
constexpr int kMaxHeadingLines = 4;
const QColor kRule(150, 150, 150);
const QColor kHeaderFill(228, 228, 228);

}  // namespace

QFont PdfFont(int height, bool bold) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(height);
    font.setBold(bold);
    return font;
}

PdfTable PdfTableOf(const ReportTable& table, const QList<double>& widths, int fontHeight) {
    PdfTable pdf;
    pdf.widths = widths;
    pdf.fontHeight = fontHeight;
    pdf.rowHeight = fontHeight * 1.6;
    pdf.aligns = table.aligns;
    pdf.header = table.header;
    for (const CellRow& row : table.rows) {
        QStringList cells;
        for (const Cell& cell : row) {
            cells << cell.toText();
        }
        pdf.rows.append({cells});
    }
    return pdf;
}

namespace {

// Lays out one text line by line. Every measure is of a line's length, never of the text's
// rest, so that the time grows with the text's length: a note of 60,000 characters without a
// blank is wrapped as fast, a character count for a character count, as a sentence.
class Wrapper {
public:
    Wrapper(const QString& text, const QFontMetricsF& metrics, double width, int maxLines)
        : text_(text), metrics_(metrics), width_(width), maxLines_(maxLines) {}

    QStringList wrap() {
        qsizetype start = 0;
        while (!full() && start <= text_.size()) {
            qsizetype end = text_.indexOf(u'\n', start);
            end = end < 0 ? text_.size() : end;
            paragraph(start, end);
            start = end + 1;
        }
        if (cut_ >= 0) {
            markCut();
        }
        return lines_;
    }

private:
    bool fits(qsizetype from, qsizetype to) const {
        return metrics_.horizontalAdvance(text_.sliced(from, to - from)) <= width_;
    }

    bool full() const { return cut_ >= 0; }

    // A line from `from` to `to`; once the lines allowed are taken, where the text is cut.
    void put(qsizetype from, qsizetype to) {
        if (maxLines_ > 0 && lines_.size() == maxLines_) {
            cut_ = from;
            return;
        }
        lines_ << text_.sliced(from, to - from);
        starts_ << from;
    }

    // The most characters from `from` on (at least one) that fit the line: doubling, then
    // halving, so that nothing much longer than the line is ever measured.
    qsizetype longestFit(qsizetype from, qsizetype to, const QString& after = {}) const {
        const auto fitsWith = [&](qsizetype n) {
            return metrics_.horizontalAdvance(text_.sliced(from, n) + after) <= width_;
        };
        qsizetype good = 0;
        qsizetype step = 1;
        qsizetype bad = -1;
        while (from + good < to) {
            const qsizetype n = std::min(good + step, to - from);
            if (!fitsWith(n)) {
                bad = n;
                break;
            }
            good = n;
            step *= 2;
        }
        if (bad > 0) {
            while (bad - good > 1) {
                const qsizetype middle = good + (bad - good) / 2;
                (fitsWith(middle) ? good : bad) = middle;
            }
        }
        // Never between the halves of a surrogate pair.
        if (good > 1 && from + good < text_.size() && text_[from + good].isLowSurrogate()) {
            --good;
        }
        return std::max<qsizetype>(good, 1);
    }

    // Broken at blanks, and within a word only where the word alone is wider than the line.
    void paragraph(qsizetype start, qsizetype end) {
        qsizetype lineStart = -1;
        qsizetype lineEnd = start;
        qsizetype word = start;
        while (!full()) {
            qsizetype wordEnd = text_.indexOf(u' ', word);
            wordEnd = wordEnd < 0 || wordEnd > end ? end : wordEnd;
            // A line of nothing yet (a blank at the paragraph's start) takes the word alone.
            const qsizetype from = lineStart < 0 || lineStart == lineEnd ? word : lineStart;
            if (wordEnd == from || fits(from, wordEnd)) {
                lineStart = from;
                lineEnd = wordEnd;
            } else {
                if (lineStart >= 0 && lineEnd > lineStart) {
                    put(lineStart, lineEnd);
                }
                // A word wider than the line alone: as many characters as fit, then the rest.
                qsizetype rest = word;
                while (!full()) {
                    const qsizetype n = longestFit(rest, wordEnd);
                    if (rest + n >= wordEnd) {
                        break;
                    }
                    put(rest, rest + n);
                    rest += n;
                }
                lineStart = rest;
                lineEnd = wordEnd;
            }
            if (wordEnd >= end) {
                break;
            }
            word = wordEnd + 1;
        }
        if (!full()) {
            put(lineStart < 0 ? start : lineStart, lineEnd);
        }
    }

    // The last line allowed ends in the mark that says how much is left out.
    void markCut() {
        const qsizetype from = starts_.last();
        const QString mark = OmittedMark(text_.size() - from);
        qsizetype keep = 0;
        if (metrics_.horizontalAdvance(mark) < width_) {
            keep = longestFit(from, text_.size(), mark);
            if (metrics_.horizontalAdvance(text_.sliced(from, keep) + mark) > width_) {
                keep = 0;
            }
        }
        lines_.last() = text_.sliced(from, keep) + OmittedMark(text_.size() - from - keep);
    }

    const QString& text_;
    const QFontMetricsF& metrics_;
    double width_;
    int maxLines_;
    QStringList lines_;
    QList<qsizetype> starts_;
    qsizetype cut_ = -1;
};

}  // namespace

QStringList WrapText(const QString& text, const QFontMetricsF& metrics, double width,
                     int maxLines) {
    return Wrapper(text, metrics, width, maxLines).wrap();
}

namespace {

double CellTextWidth(double columnWidth) {
    return columnWidth - 2 * kCellPadding;
}

double LineHeight(int fontHeight) {
    return fontHeight * 1.25;
}

}  // namespace

double PdfRowHeight(const PdfTable& table, const PdfRow& row) {
    const QFontMetricsF metrics(PdfFont(table.fontHeight, row.bold));
    qsizetype most = 1;
    for (qsizetype i = 0; i < table.widths.size(); ++i) {
        most = std::max(most, WrapText(row.cells.value(i), metrics, CellTextWidth(table.widths[i]),
                                       kMaxCellLines)
                                  .size());
    }
    const double wrapped = most * LineHeight(table.fontHeight) + table.fontHeight * 0.45;
    return most == 1 ? table.rowHeight : std::max(table.rowHeight, wrapped);
}

void DrawPdfRow(QPainter& painter, const QRectF& box, const PdfTable& table, const PdfRow& row) {
    if (row.background.alpha() > 0) {
        painter.fillRect(box, row.background);
    }
    painter.setFont(PdfFont(table.fontHeight, row.bold));
    const QFontMetricsF metrics(painter.font());
    double x = box.left();
    for (qsizetype i = 0; i < table.widths.size(); ++i) {
        const QRectF cell(x, box.top(), table.widths[i], box.height());
        painter.setPen(QPen(kRule, 2));
        painter.drawRect(cell);
        const QRectF inner = cell.adjusted(kCellPadding, 0, -kCellPadding, 0);
        const QStringList lines =
            WrapText(row.cells.value(i), metrics, inner.width(), kMaxCellLines);
        const Qt::Alignment align =
            table.aligns.value(i) == Align::Right ? Qt::AlignRight : Qt::AlignLeft;
        painter.setPen(row.text);
        const double lineHeight = LineHeight(table.fontHeight);
        double top = inner.center().y() - lines.size() * lineHeight / 2;
        for (const QString& line : lines) {
            painter.drawText(QRectF(inner.left(), top, inner.width(), lineHeight),
                             int(align | Qt::AlignVCenter), line);
            top += lineHeight;
        }
        x += table.widths[i];
    }
}

namespace {

constexpr double kSealGap = 12;
constexpr double kSealHeight = kPaperHeadingHeight - 16;
constexpr double kTitleLine = 62;
constexpr double kHeadingLine = 44;

// The seal boxes at the right of the heading: 150 wide while they fit in three fifths of the
// page, narrower down to 100 when there are many, and in more rows beyond that, so that the
// school's name and the person keep room beside them.
struct SealGrid {
    double width = 0;
    int perRow = 0;
    int rows = 0;
    double rowWidth() const { return perRow * (width + kSealGap); }
    double height() const { return rows * kSealHeight + (rows - 1) * kSealGap; }
};

SealGrid SealGridFor(qsizetype count) {
    SealGrid grid;
    if (count == 0) {
        return grid;
    }
    const double room = kPdfContentWidth * 3 / 5;
    grid.width = std::clamp(room / double(count) - kSealGap, 100.0, 150.0);
    grid.perRow = int(std::min<qsizetype>(count, qsizetype(room / (grid.width + kSealGap))));
    grid.rows = int((count + grid.perRow - 1) / grid.perRow);
    return grid;
}

// The heading's text, wrapped beside the seals.
struct HeadingLines {
    QStringList title;
    QStringList others;
    double height() const { return title.size() * kTitleLine + others.size() * kHeadingLine; }
};

HeadingLines WrapHeading(const PaperHeading& heading, double width) {
    HeadingLines wrapped{
        WrapText(heading.title, QFontMetricsF(PdfFont(48, true)), width, kMaxHeadingLines), {}};
    for (const QString& line : heading.lines) {
        wrapped.others << WrapText(line, QFontMetricsF(PdfFont(32)), width, kMaxHeadingLines);
    }
    return wrapped;
}

double HeadingTextWidth(const SealGrid& seals) {
    return kPdfContentWidth - (seals.rows ? seals.rowWidth() + 30 : 0);
}

}  // namespace

double PaperHeadingHeight(const PaperHeading& heading) {
    const SealGrid seals = SealGridFor(heading.seals.size());
    const double textHeight = WrapHeading(heading, HeadingTextWidth(seals)).height();
    return std::max({kPaperHeadingHeight, textHeight + 16, seals.height() + 16});
}

void DrawPaperHeading(QPainter& p, const QRectF& box, const PaperHeading& heading) {
    const SealGrid seals = SealGridFor(heading.seals.size());
    const double textWidth = HeadingTextWidth(seals);
    const HeadingLines text = WrapHeading(heading, textWidth);
    p.setPen(Qt::black);
    p.setFont(PdfFont(48, true));
    double y = box.top();
    for (const QString& line : text.title) {
        p.drawText(QRectF(box.left(), y, textWidth, kTitleLine),
                   int(Qt::AlignLeft | Qt::AlignVCenter), line);
        y += kTitleLine;
    }
    p.setFont(PdfFont(32));
    for (const QString& line : text.others) {
        p.drawText(QRectF(box.left(), y, textWidth, kHeadingLine),
                   int(Qt::AlignLeft | Qt::AlignVCenter), line);
        y += kHeadingLine;
    }
    for (qsizetype i = 0; i < heading.seals.size(); ++i) {
        const double x = box.right() - seals.rowWidth() + kSealGap +
                         double(i % seals.perRow) * (seals.width + kSealGap);
        const double top = box.top() + double(i / seals.perRow) * (kSealHeight + kSealGap);
        const QRectF frame(x, top, seals.width, kSealHeight);
        p.setPen(QPen(Qt::black, 3));
        p.drawRect(frame);
        const QRectF label(frame.left(), frame.top(), frame.width(), 46);
        p.drawLine(label.bottomLeft(), label.bottomRight());
        // A long title is set smaller until it fits its box.
        int size = 24;
        while (size > 14 && QFontMetricsF(PdfFont(size, true)).horizontalAdvance(heading.seals[i]) >
                                label.width() - 8) {
            --size;
        }
        p.setFont(PdfFont(size, true));
        p.drawText(label, int(Qt::AlignCenter), heading.seals[i]);
    }
}

void DrawScaled(QPainter& painter, const QRectF& box, QSize size,
                const std::function<void(QPainter&)>& draw) {
    painter.save();
    painter.translate(box.topLeft());
    const double factor = box.width() / size.width();
    painter.scale(factor, factor);
    draw(painter);
    painter.restore();
}

void PdfPages::newPage() {
    pages_.append(QList<Placed>());
    y_ = 0;
}

void PdfPages::startPage() {
    if (!pages_.last().isEmpty()) {
        newPage();
    }
}

void PdfPages::addBlock(double height, const Draw& draw) {
    if (!fits(height) && !pages_.last().isEmpty()) {
        newPage();
    }
    pages_.last().append({y_, height, draw});
    y_ += height;
}

void PdfPages::addGap(double height) {
    if (!pages_.last().isEmpty()) {
        y_ = std::min(y_ + height, kPdfContentHeight);
    }
}

void PdfPages::addLine(const QString& text, int fontHeight, bool bold, const QColor& colour) {
    const QStringList lines = WrapText(text, QFontMetricsF(PdfFont(fontHeight, bold)),
                                       kPdfContentWidth, kMaxParagraphLines);
    const double extra = (lines.size() - 1) * LineHeight(fontHeight);
    addBlock(fontHeight * 1.6 + extra, [=](QPainter& p, const QRectF& box) {
        p.setFont(PdfFont(fontHeight, bold));
        p.setPen(colour);
        const QRectF inner = box.adjusted(0, fontHeight * 0.3, 0, -fontHeight * 0.3);
        double top = inner.center().y() - lines.size() * LineHeight(fontHeight) / 2;
        for (const QString& line : lines) {
            p.drawText(QRectF(inner.left(), top, inner.width(), LineHeight(fontHeight)),
                       int(Qt::AlignLeft | Qt::AlignVCenter), line);
            top += LineHeight(fontHeight);
        }
    });
}

void PdfPages::addParagraph(const QString& text, int fontHeight, const QColor& colour) {
    addLine(text, fontHeight, false, colour);
}

void PdfPages::addTable(const PdfTable& table, const QString& caption) {
    const double captionHeight = caption.isEmpty() ? 0 : table.fontHeight * 1.8;
    const PdfRow header{table.header, kHeaderFill, Qt::black, true};
    const auto drawRow = [table](const PdfRow& row) {
        return [table, row](QPainter& p, const QRectF& box) { DrawPdfRow(p, box, table, row); };
    };
    const double headerHeight = table.header.isEmpty() ? 0 : PdfRowHeight(table, header);
    const double firstRows =
        headerHeight + (table.rows.isEmpty() ? 0 : PdfRowHeight(table, table.rows.first()));
    if (!fits(captionHeight + firstRows) && !pages_.last().isEmpty()) {
        newPage();
    }
    if (!caption.isEmpty()) {
        addLine(caption, table.fontHeight + 4, true);
    }
    const bool headed = !table.header.isEmpty();
    if (headed) {
        addBlock(headerHeight, drawRow(header));
    }
    for (const PdfRow& row : table.rows) {
        const double height = PdfRowHeight(table, row);
        if (!fits(height)) {
            newPage();
            if (headed) {
                addBlock(headerHeight, drawRow(header));
            }
        }
        addBlock(height, drawRow(row));
    }
}

QByteArray PdfPages::finish() const {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(title_);
        writer.setCreator(QStringLiteral("ombrel-report"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return {};
        }
        const double scale = writer.resolution() / 254.0;  // tenths of a millimetre to dots
        for (qsizetype page = 0; page < pages_.size(); ++page) {
            if (page > 0) {
                writer.newPage();
            }
            painter.save();
            painter.scale(scale, scale);
            for (const Placed& block : pages_[page]) {
                painter.save();
                block.draw(painter,
                           QRectF(kMargin, kMargin + block.top, kPdfContentWidth, block.height));
                painter.restore();
            }
            painter.setFont(PdfFont(25));
            painter.setPen(QColor(90, 90, 90));
            const QRectF footer(kMargin, kFooterTop, kPdfContentWidth, 40);
            painter.drawText(footer, int(Qt::AlignLeft | Qt::AlignVCenter), title_);
            painter.drawText(footer, int(Qt::AlignRight | Qt::AlignVCenter),
                             QStringLiteral("%1 / %2 ページ").arg(page + 1).arg(pages_.size()));
            painter.restore();
        }
        painter.end();
    }
    return buffer.data();
}
