#pragma once

#include "month_sheet.h"

#include <QString>

// The short Japanese messages the window shows. Every one names what went wrong and what the
// person can do about it.

// Why a name cannot be used, or an empty text when it can: it becomes part of a file name and is
// stored in CP932.
QString NameProblem(const QString& name);

QString SheetNotSavedMessage(const SheetWriteResult& written);
QString SheetNotReadAtInMessage(const QString& path);
QString SheetNotReadAtSaveMessage(const QString& path);
QString NothingOpenToSaveMessage();
QString CloseUnsavedQuestion();
