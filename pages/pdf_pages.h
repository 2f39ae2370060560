#pragma once

#include "pages/report_tables.h"
#include "pages/text_table.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>

// The printable report's pages: A4 portrait, laid out top to bottom in blocks of a known
// height; a block that does not fit on what is left of a page begins the next one. Lengths are
// tenths of a millimetre. Every page gets its number and the report's title at its foot.

inline constexpr double kPdfContentWidth = 1860;  // 210 mm less 12 mm each side
inline constexpr double kPdfContentHeight = 2700;

// The report's Gothic face at a height in tenths of a millimetre (28 is about 8 pt).
QFont PdfFont(int height, bool bold = false);

struct PdfRow {
    QStringList cells;
    QColor background = Qt::transparent;
    QColor text = Qt::black;
    bool bold = false;
};

struct PdfTable {
    QList<double> widths;  // each column's, adding up to at most kPdfContentWidth
    QList<Align> aligns;
    QStringList header;  // repeated at the top of every page the table runs onto; may be empty
    QList<PdfRow> rows;
    double rowHeight = 45;
    int fontHeight = 28;
};

// The cells of a table the text report shows too, in columns as wide as `widths`.
PdfTable PdfTableOf(const ReportTable& table, const QList<double>& widths, int fontHeight = 28);

// Text in lines no wider than `width`: broken at blanks (a no-break space holds a figure and
// its unit together), and within a word only where the word alone is wider than the line.
// Line breaks in the text are kept. With `maxLines`, a text that takes more lines is cut: the
// last line ends in a mark that says how many characters are left out (shown_text.h). The time
// grows with the text's length, whatever the text.
QStringList WrapText(const QString& text, const QFontMetricsF& metrics, double width,
                     int maxLines = 0);

// The height a row takes with every cell's text wrapped, at least the table's row height.
double PdfRowHeight(const PdfTable& table, const PdfRow& row);

// Draws one row of cells into `box`, each cell's text wrapped within its column.
void DrawPdfRow(QPainter& painter, const QRectF& box, const PdfTable& table, const PdfRow& row);

// The head of a page a school files: the title, lines below it (the school, the person, the
// period, the day it was printed) and, at the right, one seal box for each title.
struct PaperHeading {
    QString title;
    QStringList lines;
    QStringList seals;  // none for a page nobody signs
};
inline constexpr double kPaperHeadingHeight = 210;
// The height the heading takes: kPaperHeadingHeight, or more when its text wraps to more lines
// than fit beside the seals, or the seals take more than one row.
double PaperHeadingHeight(const PaperHeading& heading);
void DrawPaperHeading(QPainter& painter, const QRectF& box, const PaperHeading& heading);

// A chart drawn for a picture of `size`, scaled to the width of `box`.
void DrawScaled(QPainter& painter, const QRectF& box, QSize size,
                const std::function<void(QPainter&)>& draw);

class PdfPages {
public:
    using Draw = std::function<void(QPainter&, const QRectF&)>;

    explicit PdfPages(const QString& title) : title_(title) { pages_.append(QList<Placed>()); }

    void addBlock(double height, const Draw& draw);
    void addGap(double height);
    // One line of text, wrapped onto more where it is longer than the page is wide.
    void addLine(const QString& text, int fontHeight, bool bold = false,
                 const QColor& colour = Qt::black);
    // Text wrapped to the width of the page, as many lines as it takes.
    void addParagraph(const QString& text, int fontHeight, const QColor& colour = Qt::black);
    // The table, its header again on each page; `caption` stays with the header and first row.
    void addTable(const PdfTable& table, const QString& caption = {});
    // What follows begins a new page, unless the page is still empty.
    void startPage();

    // The document; empty when the PDF writer failed.
    QByteArray finish() const;

private:
    struct Placed {
        double top;
        double height;
        Draw draw;
    };
    bool fits(double height) const { return y_ + height <= kPdfContentHeight; }
    void newPage();

    QString title_;
    QList<QList<Placed>> pages_;
    double y_ = 0;
};
