#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Columns that line up in a terminal with a fixed-width font, where a Japanese character takes
// two cells.

// Cells the text takes: two for East Asian wide and fullwidth characters, one otherwise.
int DisplayWidth(QStringView text);

enum class Align { Left, Right };

class TextTable {
public:
    explicit TextTable(QList<Align> columns) : columns_(std::move(columns)) {}

    void setHeader(const QStringList& cells) { header_ = cells; }
    void addRow(const QStringList& cells) { rows_.append(cells); }

    // Every row on its own line, the header underlined, columns two cells apart.
    QString render(int indent = 0) const;

private:
    QList<Align> columns_;
    QStringList header_;
    QList<QStringList> rows_;
};
