#include "pages/pdf_sections.h"

#include "pages/report_tables.h"
#include "pages/text_parts.h"

void AddHeading(PdfPages& pages, const PaperHeading& heading, std::optional<int> breakMinutes) {
    pages.addBlock(PaperHeadingHeight(heading), [heading](QPainter& p, const QRectF& box) {
        DrawPaperHeading(p, box, heading);
    });
    if (breakMinutes) {
        for (const QString& line : BreakNote(*breakMinutes, true).trimmed().split(u'\n')) {
            pages.addLine(line, kPdfNoteFont - 2, false, QColor(60, 60, 60));
        }
    }
    pages.addGap(20);
}

void AddChart(PdfPages& pages, QSize size, const std::function<void(QPainter&)>& draw) {
    pages.addGap(30);
    pages.addBlock(
        kPdfContentWidth * size.height() / size.width(),
        [size, draw](QPainter& p, const QRectF& box) { DrawScaled(p, box, size, draw); });
}

void AddLooks(PdfPages& pages, const QList<LookItem>& looks, const QString& covered) {
    if (looks.isEmpty()) {
        return;
    }
    pages.addGap(30);
    pages.addTable(PdfTableOf(LookTable(looks, Audience::Paper), {560, 90, 560, 650}, 24),
                   LookHeading(looks.size(), covered));
}
