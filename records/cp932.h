#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Strict conversion between text and the Windows Japanese code page (CP932, Microsoft's table).
// Nothing is ever replaced by '?' or U+FFFD: text that CP932 cannot hold, and bytes that are not
// CP932, are errors. Control characters count as text that cannot be stored: no line, name or
// field of this program may carry one.
//
// A failure says what and where, not why in words: the caller knows the file and the person it
// speaks to, and puts it into a message of its own (DescribeCharacter names the character).
struct Cp932Result {
    bool ok = false;
    QByteArray bytes;  // encoding: the CP932 bytes
    QString text;      // decoding: the text
    // When !ok, the first character that cannot be stored, or the control character the decoded
    // bytes hold; 0 when the bytes themselves are no text in the encoding.
    char32_t character = 0;
    // When !ok, where: the character's place in the text (in UTF-16 units), or the offset of the
    // first byte that is no text.
    qsizetype at = 0;
};

Cp932Result EncodeCp932(QStringView text);
Cp932Result DecodeCp932(const QByteArray& bytes);

// A character as people can name it in a message: the character itself and its code point,
// for example "😀 (U+1F600)".
QString DescribeCharacter(char32_t codePoint);
