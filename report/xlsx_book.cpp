#include "report/xlsx_book.h"

#include "pages/text_table.h"

#include <QFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>
#include <deque>

namespace {

constexpr double kMinutesPerDay = 24 * 60;
constexpr int kNarrowest = 6;
constexpr int kWidest = 60;

}  // namespace

struct XlsxBook::Private {
    QTemporaryDir folder;
    QString path;
    lxw_workbook* book = nullptr;
    lxw_format* header = nullptr;
    lxw_format* duration = nullptr;
    lxw_format* clock = nullptr;
    lxw_format* date = nullptr;
    lxw_format* month = nullptr;
    std::deque<XlsxSheet> sheets;  // stay where they are as more are added
    QString error;
};

XlsxBook::XlsxBook() : d_(std::make_unique<Private>()) {
    if (!d_->folder.isValid()) {
        d_->error = QStringLiteral("一時フォルダを作れません");
        return;
    }
    d_->path = d_->folder.filePath(QStringLiteral("book.xlsx"));
    QByteArray tmp = QFile::encodeName(d_->folder.path());
    lxw_workbook_options options{};
    options.tmpdir = tmp.data();
    d_->book = workbook_new_opt(QFile::encodeName(d_->path).constData(), &options);
    if (!d_->book) {
        d_->error = QStringLiteral("ブックを作れません");
        return;
    }
    d_->header = workbook_add_format(d_->book);
    format_set_bold(d_->header);
    format_set_bg_color(d_->header, 0xE4E4E4);
    format_set_border(d_->header, LXW_BORDER_THIN);
    format_set_text_wrap(d_->header);
    format_set_align(d_->header, LXW_ALIGN_VERTICAL_CENTER);
    d_->duration = workbook_add_format(d_->book);
    format_set_num_format(d_->duration, "[h]:mm");
    d_->clock = workbook_add_format(d_->book);
    // An end past midnight (a night's work) is 24:30, not 00:30.
    format_set_num_format(d_->clock, "[hh]:mm");
    d_->date = workbook_add_format(d_->book);
    format_set_num_format(d_->date, "yyyy/m/d");
    d_->month = workbook_add_format(d_->book);
    format_set_num_format(d_->month, "yyyy\"年\"m\"月\"");
}

XlsxBook::~XlsxBook() {
    if (d_->book) {
        workbook_close(d_->book);
    }
}

void XlsxBook::note(int error) {
    if (error != LXW_NO_ERROR && d_->error.isEmpty()) {
        d_->error = QString::fromUtf8(lxw_strerror(lxw_error(error)));
    }
}

XlsxSheet& XlsxBook::addSheet(const QString& name) {
    lxw_worksheet* sheet =
        d_->book ? workbook_add_worksheet(d_->book, name.toUtf8().constData()) : nullptr;
    if (d_->book && !sheet && d_->error.isEmpty()) {
        d_->error = QStringLiteral("シート「%1」を作れません").arg(name);
    }
    d_->sheets.push_back(XlsxSheet(*this, sheet));
    return d_->sheets.back();
}

Workbook XlsxBook::finish() {
    Workbook done;
    for (XlsxSheet& sheet : d_->sheets) {
        auto* ws = static_cast<lxw_worksheet*>(sheet.sheet_);
        for (qsizetype c = 0; ws && c < sheet.widths_.size(); ++c) {
            const double width = std::clamp(sheet.widths_[c] + 2, kNarrowest, kWidest);
            note(worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), width, nullptr));
        }
    }
    if (d_->book) {
        note(workbook_close(d_->book));
        d_->book = nullptr;
    }
    if (!d_->error.isEmpty()) {
        done.error = QStringLiteral("Excel のブックを作れません: %1").arg(d_->error);
        return done;
    }
    QFile file(d_->path);
    if (!file.open(QIODevice::ReadOnly)) {
        done.error = QStringLiteral("Excel のブックを読み戻せません");
        return done;
    }
    done.bytes = file.readAll();
    done.ok = !done.bytes.isEmpty();
    return done;
}

void XlsxSheet::widen(int column, int width) {
    if (widths_.size() <= column) {
        widths_.resize(column + 1, 0);
    }
    widths_[column] = std::max(widths_[column], width);
}

void XlsxSheet::header(const QStringList& cells, int frozenColumns) {
    auto* ws = static_cast<lxw_worksheet*>(sheet_);
    if (!ws) {
        return;
    }
    for (qsizetype c = 0; c < cells.size(); ++c) {
        book_.note(worksheet_write_string(ws, 0, lxw_col_t(c), cells[c].toUtf8().constData(),
                                          book_.d_->header));
        widen(int(c), std::min(DisplayWidth(cells[c]), 14));
    }
    worksheet_freeze_panes(ws, 1, lxw_col_t(frozenColumns));
}

void XlsxSheet::text(int row, int column, const QString& text) {
    auto* ws = static_cast<lxw_worksheet*>(sheet_);
    if (!ws || text.isEmpty()) {
        return;
    }
    book_.note(worksheet_write_string(ws, lxw_row_t(row), lxw_col_t(column),
                                      text.toUtf8().constData(), nullptr));
    widen(column, DisplayWidth(text));
}

void XlsxSheet::number(int row, int column, double value) {
    if (auto* ws = static_cast<lxw_worksheet*>(sheet_)) {
        book_.note(worksheet_write_number(ws, lxw_row_t(row), lxw_col_t(column), value, nullptr));
        widen(column, 6);
    }
}

void XlsxSheet::duration(int row, int column, qint64 seconds) {
    if (auto* ws = static_cast<lxw_worksheet*>(sheet_)) {
        const double minutes = double(seconds / 60);
        book_.note(worksheet_write_number(ws, lxw_row_t(row), lxw_col_t(column),
                                          minutes / kMinutesPerDay, book_.d_->duration));
        widen(column, 8);
    }
}

void XlsxSheet::clock(int row, int column, int minuteOfDay) {
    if (auto* ws = static_cast<lxw_worksheet*>(sheet_)) {
        book_.note(worksheet_write_number(ws, lxw_row_t(row), lxw_col_t(column),
                                          minuteOfDay / kMinutesPerDay, book_.d_->clock));
        widen(column, 6);
    }
}

void XlsxSheet::date(int row, int column, QDate date) {
    if (auto* ws = static_cast<lxw_worksheet*>(sheet_)) {
        lxw_datetime when{date.year(), date.month(), date.day(), 0, 0, 0};
        book_.note(
            worksheet_write_datetime(ws, lxw_row_t(row), lxw_col_t(column), &when, book_.d_->date));
        widen(column, 10);
    }
}

void XlsxSheet::month(int row, int column, int year, int month) {
    if (auto* ws = static_cast<lxw_worksheet*>(sheet_)) {
        lxw_datetime when{year, month, 1, 0, 0, 0};
        book_.note(worksheet_write_datetime(ws, lxw_row_t(row), lxw_col_t(column), &when,
                                            book_.d_->month));
        widen(column, 10);
    }
}
