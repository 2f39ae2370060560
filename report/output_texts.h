#pragma once

#include "pages/report_model.h"
#include "report/report_options.h"

// Texts from the sheets' folder made to fit the output they go to, so that one odd file never
// costs the others their output. A CSV in CP932 cannot hold every character a file name or a
// UTF-8 sheet can: each such character is written as "〓". A spreadsheet takes at most 32,767
// characters in a cell: a longer text is cut, ending in "…【以下 N 文字省略】". What is changed is
// listed under 要確認 with its file and line: a row shown there carries its own note; a name, a
// path or the reason letters of a day get an item of their own.

struct TextFit {
    bool cp932 = false;
    qsizetype maxCell = 0;  // none when 0
};

// What the format needs: a CSV in CP932 both, csv-utf8 and xlsx the cell's length; the text
// report and the drawn ones nothing here (the pages cut a cell too long to print themselves).
TextFit TextFitFor(OutputFormat format);

// The longest text a spreadsheet cell takes.
inline constexpr qsizetype kSpreadsheetCellChars = 32767;

void FitTexts(MonthReport& report, const TextFit& fit);
void FitTexts(YearReport& report, const TextFit& fit);
void FitTexts(StaffReport& report, const TextFit& fit);
// A school's name is listed with the school.
void FitTexts(BoardReport& report, const TextFit& fit);
