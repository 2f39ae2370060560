#include "pdf_pages.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>

namespace {

constexpr double kMargin = 120;
constexpr double kFooterTop = kMargin + kPdfContentHeight + 40;
constexpr double kCellPadding = 12;
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
    for (const QStringList& cells : table.rows) {
        pdf.rows.append({cells});
    }
    return pdf;
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
        const QString text = metrics.elidedText(row.cells.value(i), Qt::ElideRight, inner.width());
        const Qt::Alignment align =
            table.aligns.value(i) == Align::Right ? Qt::AlignRight : Qt::AlignLeft;
        painter.setPen(row.text);
        painter.drawText(inner, int(align | Qt::AlignVCenter), text);
        x += table.widths[i];
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
    addBlock(fontHeight * 1.6, [=](QPainter& p, const QRectF& box) {
        p.setFont(PdfFont(fontHeight, bold));
        p.setPen(colour);
        const QString shown = QFontMetricsF(p.font()).elidedText(text, Qt::ElideRight, box.width());
        p.drawText(box, int(Qt::AlignLeft | Qt::AlignVCenter), shown);
    });
}

void PdfPages::addParagraph(const QString& text, int fontHeight, const QColor& colour) {
    constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QFontMetricsF metrics(PdfFont(fontHeight));
    const double height =
        metrics.boundingRect(QRectF(0, 0, kPdfContentWidth, kPdfContentHeight), kFlags, text)
            .height();
    addBlock(height + fontHeight * 0.4, [=](QPainter& p, const QRectF& box) {
        p.setFont(PdfFont(fontHeight));
        p.setPen(colour);
        p.drawText(box, kFlags, text);
    });
}

void PdfPages::addTable(const PdfTable& table, const QString& caption) {
    const double captionHeight = caption.isEmpty() ? 0 : table.fontHeight * 1.8;
    const PdfRow header{table.header, kHeaderFill, Qt::black, true};
    const auto drawRow = [table](const PdfRow& row) {
        return [table, row](QPainter& p, const QRectF& box) { DrawPdfRow(p, box, table, row); };
    };
    const double firstRows = table.rowHeight * (table.rows.isEmpty() ? 1 : 2);
    if (!fits(captionHeight + firstRows) && !pages_.last().isEmpty()) {
        newPage();
    }
    if (!caption.isEmpty()) {
        addLine(caption, table.fontHeight + 4, true);
    }
    const bool headed = !table.header.isEmpty();
    if (headed) {
        addBlock(table.rowHeight, drawRow(header));
    }
    for (const PdfRow& row : table.rows) {
        if (!fits(table.rowHeight)) {
            newPage();
            if (headed) {
                addBlock(table.rowHeight, drawRow(header));
            }
        }
        addBlock(table.rowHeight, drawRow(row));
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
