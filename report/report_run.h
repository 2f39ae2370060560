#pragma once

#include "report_options.h"

#include <QDate>

// Builds the report the options ask for and writes it out; the exit status: 0 when written,
// 2 with a message on standard error otherwise.
int RunReport(const ReportOptions& options, QDate today);

// The message and status for input the report cannot use.
int FailWith(const QString& message);
