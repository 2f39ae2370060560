#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// One line of the month sheet as the window holds it. A line read from disk keeps the bytes it
// had there, so that a row nobody changed is written back exactly as it was read (characters
// that CP932 holds twice, or bytes another program left that are not CP932 at all). Assigning a
// new text drops those bytes: the line is then encoded afresh when the sheet is written.
class SheetLine {
public:
    SheetLine() = default;
    SheetLine(const QString& text) : text_(text) {}  // NOLINT: a composed row is a line
    SheetLine& operator=(const QString& text) {
        text_ = text;
        original_.clear();
        fromDisk_ = false;
        return *this;
    }

    // A line as read: its bytes, and its text when those bytes decode. Bytes that do not decode
    // give an empty text, which no cut of a day row can take an in-time from.
    static SheetLine fromDisk(const QByteArray& bytes, const QString& decodedText) {
        SheetLine line;
        line.text_ = decodedText;
        line.original_ = bytes;
        line.fromDisk_ = true;
        return line;
    }

    const QString& text() const { return text_; }
    bool isFromDisk() const { return fromDisk_; }
    const QByteArray& originalBytes() const { return original_; }

    bool operator==(const SheetLine&) const = default;

private:
    QString text_;
    QByteArray original_;
    bool fromDisk_ = false;
};

// 0 is the header row, 1 to 31 the day rows; 32 exists but is never read or written.
inline constexpr int kSheetLineCount = 33;
using SheetTable = std::array<SheetLine, kSheetLineCount>;
