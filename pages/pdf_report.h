#pragma once

#include "pages/report_model.h"

#include <QByteArray>

// The reports as PDF for printing, A4 portrait, the Japanese font embedded and the text
// extractable. One person's month is one page: the days, the totals against the lines, the chart
// and the seal boxes. A year and the whole staff run over as many pages as they
// need. Drawing text needs a QGuiApplication; empty when the PDF could not be made.
QByteArray MonthPdf(const MonthReport& report);
QByteArray YearPdf(const YearReport& report);
QByteArray StaffPdf(const StaffReport& report);
// A board: the summary of its schools first, then each school from a page of its own.
QByteArray BoardPdf(const BoardReport& report);

// "作成日 2018年4月2日"; empty for no date.
QString PrintedOn(QDate date);
// The lines under a page's title: the school when it is set, who and when, the day it was made.
QStringList PaperLines(const PaperInfo& paper, const QString& who);
