#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

// A workbook for Excel, written by libxlsxwriter: cells hold numbers, dates and durations as
// Excel keeps them, so that sums and pivot tables work on them without reformatting.

struct Workbook {
    bool ok = false;
    QByteArray bytes;  // the .xlsx file
    QString error;
};

class XlsxBook;

// One sheet: a header row frozen at the top, then rows of cells. Every column is made as wide
// as its widest text when the book is finished.
class XlsxSheet {
public:
    // The header in row 0; `frozenColumns` stay in view beside the rows.
    void header(const QStringList& cells, int frozenColumns = 0);
    void text(int row, int column, const QString& text);
    void number(int row, int column, double value);
    // Whole minutes of `seconds` as a duration of "[h]:mm": 46:05 stays 46:05, never a clock time.
    void duration(int row, int column, qint64 seconds);
    // A time of day, minutes since midnight, as "hh:mm" (an end past midnight as 24:30).
    void clock(int row, int column, int minuteOfDay);
    void date(int row, int column, QDate date);
    // The first of a month, shown "2017年7月".
    void month(int row, int column, int year, int month);

private:
    friend class XlsxBook;
    XlsxSheet(XlsxBook& book, void* sheet) : book_(book), sheet_(sheet) {}
    void widen(int column, int width);

    XlsxBook& book_;
    void* sheet_;
    QList<int> widths_;
};

class XlsxBook {
public:
    XlsxBook();
    ~XlsxBook();
    XlsxBook(const XlsxBook&) = delete;
    XlsxBook& operator=(const XlsxBook&) = delete;

    // A sheet of that name (at most 31 characters), after the others.
    XlsxSheet& addSheet(const QString& name);
    // The whole file, or why it could not be made.
    Workbook finish();

private:
    friend class XlsxSheet;
    void note(int error);

    struct Private;
    std::unique_ptr<Private> d_;
};
